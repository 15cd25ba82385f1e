#include "MachineSettings.h"

#include <array>
#include <string_view>

#include "OptionNumber.h"

namespace kwarcyt {
namespace {

// A register pair, a single register or a flag, and the largest value it holds.
struct RegisterField {
  std::string_view name;
  int maximum;  // kProgramLine: the last line of the program
  void (*write)(MachineState&, int);
};

constexpr int kProgramLine = -1;

constexpr std::array<RegisterField, 17> kRegisterFields{{
    {"A", 255, [](MachineState& m, int v) { m.A = v; }},
    {"B", 255, [](MachineState& m, int v) { m.B = v; }},
    {"C", 255, [](MachineState& m, int v) { m.C = v; }},
    {"D", 255, [](MachineState& m, int v) { m.D = v; }},
    {"E", 255, [](MachineState& m, int v) { m.E = v; }},
    {"H", 255, [](MachineState& m, int v) { m.H = v; }},
    {"L", 255, [](MachineState& m, int v) { m.L = v; }},
    {"BC", 65535, [](MachineState& m, int v) { m.setBC(v); }},
    {"DE", 65535, [](MachineState& m, int v) { m.setDE(v); }},
    {"HL", 65535, [](MachineState& m, int v) { m.setHL(v); }},
    {"SP", 65535, [](MachineState& m, int v) { m.SP = v; }},
    {"PC", kProgramLine, [](MachineState& m, int v) { m.PC = v; }},
    {"S", 1, [](MachineState& m, int v) { m.S = v; }},
    {"Z", 1, [](MachineState& m, int v) { m.Z = v; }},
    {"AC", 1, [](MachineState& m, int v) { m.AC = v; }},
    {"P", 1, [](MachineState& m, int v) { m.P = v; }},
    {"CY", 1, [](MachineState& m, int v) { m.CY = v; }},
}};

const RegisterField* FindRegisterField(const QString& name) {
  const std::string upper = name.toUpper().toStdString();
  for (const RegisterField& field : kRegisterFields) {
    if (field.name == upper) return &field;
  }
  return nullptr;
}

QString Prefix(const MachineSetting& setting) {
  switch (setting.target) {
    case MachineSetting::Target::Register:
      return QStringLiteral("--set %1: ").arg(setting.text);
    case MachineSetting::Target::Memory:
      return QStringLiteral("--mem %1: ").arg(setting.text);
    case MachineSetting::Target::InputPort:
      return QStringLiteral("--in %1: ").arg(setting.text);
  }
  return {};
}

std::optional<QString> ApplyRegister(const MachineSetting& setting, MachineState& machine,
                                     int lineCount) {
  const auto parts = SplitOption(setting.text, '=', [](const QString&) { return true; });
  if (!parts) return Prefix(setting) + QStringLiteral("oczekiwano NAZWA=WARTOŚĆ");
  const auto& [name, valueText] = *parts;
  const RegisterField* field = FindRegisterField(name);
  if (field == nullptr) {
    return Prefix(setting) + QStringLiteral("nieznany rejestr lub flaga „%1” (dozwolone: %2)")
                                 .arg(name, QString::fromLatin1(kSettableNames));
  }
  const int maximum = field->maximum == kProgramLine ? lineCount - 1 : field->maximum;
  if (maximum < 0) return Prefix(setting) + QStringLiteral("program nie ma żadnego wiersza");
  const std::optional<int> value = ReadOptionNumber(valueText, maximum);
  if (!value) return Prefix(setting) + NotANumberMessage(valueText, maximum);
  field->write(machine, *value);
  return std::nullopt;
}

// ADDR=VALUE for memory, PORT=VALUE for the input ports.
template <std::size_t N>
std::optional<QString> ApplyCell(const MachineSetting& setting, std::array<std::uint8_t, N>& cells,
                                 const QString& form) {
  constexpr int kLastCell = static_cast<int>(N) - 1;
  const auto parts = SplitOption(setting.text, '=', [](const QString& left) {
    return ReadOptionNumber(left, kLastCell).has_value();
  });
  if (!parts) {
    const qsizetype at = setting.text.indexOf('=');
    if (at < 0) return Prefix(setting) + QStringLiteral("oczekiwano %1").arg(form);
    return Prefix(setting) + NotANumberMessage(setting.text.left(at), kLastCell);
  }
  const std::optional<int> value = ReadOptionNumber(parts->second, 255);
  if (!value) return Prefix(setting) + NotANumberMessage(parts->second, 255);
  cells[static_cast<std::size_t>(*ReadOptionNumber(parts->first, kLastCell))] =
      static_cast<std::uint8_t>(*value);
  return std::nullopt;
}

}  // namespace

std::optional<QString> ApplySetting(const MachineSetting& setting, MachineState& machine,
                                    int lineCount) {
  switch (setting.target) {
    case MachineSetting::Target::Register:
      return ApplyRegister(setting, machine, lineCount);
    case MachineSetting::Target::Memory:
      return ApplyCell(setting, machine.Memory, QStringLiteral("ADRES=WARTOŚĆ"));
    case MachineSetting::Target::InputPort:
      return ApplyCell(setting, machine.InputPorts, QStringLiteral("PORT=WARTOŚĆ"));
  }
  return std::nullopt;
}

}  // namespace kwarcyt
