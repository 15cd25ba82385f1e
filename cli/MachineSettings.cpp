#include "MachineSettings.h"

#include <QStringList>
#include <array>

#include "core/MachineFields.h"
#include "internal/FieldNames.h"
#include "internal/OptionNumber.h"

namespace kwarcyt {
namespace {

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
  const MachineField* field = FindField(name.toUpper().toStdString());
  if (field == nullptr) {
    return Prefix(setting) + QStringLiteral("nieznany rejestr lub flaga „%1” (dozwolone: %2)")
                                 .arg(name, SettableNames());
  }
  const int maximum = field->Maximum(lineCount);
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

std::optional<FlagRules> FlagRulesNamed(const QString& name) {
  if (name == QLatin1String("kwarcyt")) return FlagRules::Kwarcyt;
  if (name == QLatin1String("8085")) return FlagRules::Processor8085;
  return std::nullopt;
}

QString FlagRulesNames() {
  return QStringLiteral("kwarcyt, 8085");
}

QString SettableNames() {
  // Registers and pairs first, then SP before PC, then the flags.
  constexpr std::array kOrder{FieldKind::Register, FieldKind::Pair, FieldKind::StackPointer,
                              FieldKind::ProgramCounter, FieldKind::Flag};
  QStringList names;
  for (const FieldKind kind : kOrder) names << NamesOf(FieldsOf(kind));
  return names.join(' ');
}

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
