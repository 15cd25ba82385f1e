#include "StackText.h"

#include "core/MachineState.h"
#include "core/Program.h"

namespace kwarcyt {

namespace {

// A row of a list is laid out whole; a megabyte-long line would stall the view.
constexpr qsizetype kMostShown = 1000;

QString Hex4(int value) {
  return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper() + QLatin1Char('h');
}

}  // namespace

int StackRowCount(const MachineState& machine) {
  return machine.SP == 0 ? 0 : (0x10000 - machine.SP + 1) / 2;
}

QString StackRowText(const MachineState& machine, const Program& program, int row) {
  const int address = (machine.SP + 2 * row) & 0xFFFF;
  const int word = machine.Memory[static_cast<std::size_t>(address)] +
                   256 * machine.Memory[static_cast<std::size_t>((address + 1) & 0xFFFF)];
  QString text = Hex4(address) + QStringLiteral(": ") + Hex4(word);
  const QString note = ReturnLineNote(program, word);
  return note.isEmpty() ? text : text + QStringLiteral("  ") + note;
}

QString ReturnLineNote(const Program& program, int line) {
  if (line < 1 || line >= program.LineCount()) return {};
  if (program.DecodedLines()[static_cast<std::size_t>(line - 1)].op != Op::Call) return {};
  QString text = QString::fromStdString(program.Lines()[static_cast<std::size_t>(line)]);
  if (text.size() > kMostShown) text = text.left(kMostShown) + QChar(0x2026);
  return QStringLiteral("powrót do wiersza %1: ").arg(line) + text;
}

}  // namespace kwarcyt
