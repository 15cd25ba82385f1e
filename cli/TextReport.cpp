#include <QStringList>
#include <algorithm>

#include "core/MachineFields.h"
#include "internal/RunReport.h"
#include "sourcefile/TerminalText.h"
#include "viewtext/ClockTime.h"
#include "viewtext/ViewFormats.h"

namespace kwarcyt {
namespace {

void AppendErrors(const ErrorList& errors, QStringList& out) {
  if (errors.empty()) {
    out << QStringLiteral("Lista błędów jest pusta.");
    return;
  }
  out << QStringLiteral("Lista błędów:");
  for (const std::string& line : errors) {
    out << QStringLiteral("  ") + QString::fromStdString(TerminalText(line));
  }
}

}  // namespace

QString EndingText(const RunResult& result, const MachineState& machine) {
  switch (result.end) {
    case RunEnd::CheckFailed:
      return QStringLiteral("Program zawiera błędy i nie został uruchomiony.");
    case RunEnd::NotStarted:
      return QStringLiteral("Nic nie uruchomiono: PC nie wskazuje żadnego wiersza programu.");
    case RunEnd::Halted:
      return QStringLiteral("Program zatrzymany rozkazem HLT.");
    case RunEnd::EndOfProgram:
      return QStringLiteral("Program doszedł do końca.");
    case RunEnd::RuntimeError:
      return QStringLiteral("Program przerwany błędem wykonania.");
    case RunEnd::StepsSpent:
      return QStringLiteral("Program wciąż działał, gdy wyczerpał się limit kroków.");
    case RunEnd::Breakpoint:
      return QStringLiteral("Program zatrzymany w pułapce przed wykonaniem wiersza %1.")
          .arg(machine.PC);
    default:  // the window's own endings never come out of a headless run
      break;
  }
  return {};
}

namespace {

// The rows of the register views, each after its name.
void AppendRegisters(const MachineState& m, QStringList& out) {
  const auto named = [](const MachineField& field, const QString& row) {
    return QStringLiteral("  %1 ").arg(QString::fromLatin1(field.name) + ':', -3) + row;
  };
  out << QStringLiteral("Rejestry 8-bitowe:") << QStringLiteral("      Dec Hex Bin");
  for (const MachineField& field : ByteRegisterFields()) {
    out << named(field, Register8Row(field.read(m)));
  }
  out << QStringLiteral("Rejestry 16-bitowe:") << QStringLiteral("        Dec  Hex   Bin");
  for (const MachineField& field : WordRegisterFields()) {
    out << named(field, Register16Row(field.read(m)));
  }
}

void AppendFlags(const MachineState& m, QStringList& out) {
  QString line = QStringLiteral("Rejestr flagowy:");
  for (const MachineField& field : FlagFields()) {
    line += QStringLiteral("  %1=%2").arg(QString::fromLatin1(field.name)).arg(field.read(m));
  }
  out << line;
}

void AppendOutputPorts(const MachineState& m, QStringList& out) {
  QStringList rows;
  for (int port = 0; port < MachineState::kPortCount; ++port) {
    const int value = m.OutputPorts[static_cast<std::size_t>(port)];
    if (value != 0)
      rows << "  " + PortRow(port, value, {.decHexValues = true, .hexAddresses = true});
  }
  if (rows.isEmpty()) {
    out << QStringLiteral("Porty wyjściowe OUT: wszystkie równe 0.");
    return;
  }
  out << QStringLiteral("Porty wyjściowe OUT różne od 0:") << QStringLiteral("   Nr  Dec  Hex");
  out << rows;
}

// Eight cells a row, each as D(3) and H(2), after the address of the row's first cell.
void AppendDump(const MachineState& m, const MemoryDump& dump, QStringList& out) {
  constexpr int kCellsPerRow = 8;
  out << QStringLiteral("Pamięć od %1h, komórek: %2")
             .arg(HexField(dump.address, 4))
             .arg(dump.count);
  for (int row = 0; row < dump.count; row += kCellsPerRow) {
    QString text = QStringLiteral("   %1:").arg(HexField(dump.address + row, 4));
    for (int i = row; i < std::min(dump.count, row + kCellsPerRow); ++i) {
      const int value = m.Memory[static_cast<std::size_t>(dump.address + i)];
      text += QStringLiteral("  %1 %2").arg(DecimalField(value, 3), HexField(value, 2));
    }
    out << text;
  }
}

}  // namespace

QString CheckTextReport(const RunReport& report) {
  QStringList out;
  AppendErrors(report.errors, out);
  out << (report.result.checked ? QStringLiteral("Program jest poprawny.")
                                : QStringLiteral("Program zawiera błędy."));
  return out.join('\n') + '\n';
}

QString RunTextReport(const RunReport& report) {
  QStringList out;
  AppendErrors(report.errors, out);
  out << EndingText(report.result, report.machine);
  out << QStringLiteral("Wykonane kroki: %1").arg(report.result.steps);
  out << ClockStatesText(report.machine.TStates);
  out << QStringLiteral("Pasek stanu: %1")
             .arg(QString::fromStdString(TerminalText(report.result.status)));
  AppendRegisters(report.machine, out);
  AppendFlags(report.machine, out);
  AppendOutputPorts(report.machine, out);
  for (const MemoryDump& dump : report.dumps) AppendDump(report.machine, dump, out);
  return out.join('\n') + '\n';
}

}  // namespace kwarcyt
