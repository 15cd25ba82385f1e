#include "DumpText.h"

#include <QTextCodec>
#include <array>

#include "core/MachineState.h"

namespace kwarcyt {

namespace {

std::array<QChar, 256> Windows1250Characters() {
  std::array<QChar, 256> characters{};
  QTextCodec* codec = QTextCodec::codecForName("Windows-1250");
  for (int code = 0; code < 256; ++code) {
    const char byte = static_cast<char>(code);
    const QString decoded = codec != nullptr ? codec->toUnicode(&byte, 1) : QString();
    const QChar character = decoded.size() == 1 ? decoded.front() : QChar();
    // An undefined code comes back as a replacement or as a C1 control, never printable.
    const bool shown = character.isPrint() && character != QChar::ReplacementCharacter;
    characters[static_cast<std::size_t>(code)] = shown ? character : QLatin1Char('.');
  }
  return characters;
}

}  // namespace

QString DumpCellText(int value, bool decimal) {
  return decimal ? QStringLiteral("%1").arg(value, 3)
                 : QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

QChar DumpCharacter(int value) {
  static const std::array<QChar, 256> characters = Windows1250Characters();
  return characters[static_cast<std::size_t>(value & 0xFF)];
}

QString DumpCharacters(const MachineState& machine, int row) {
  QString text(kDumpCellsPerRow, QLatin1Char(' '));
  for (int i = 0; i < kDumpCellsPerRow; ++i) {
    text[i] = DumpCharacter(machine.Memory[static_cast<std::size_t>(row * kDumpCellsPerRow + i)]);
  }
  return text;
}

QString DumpRowText(const MachineState& machine, int row, bool decimal) {
  QString text =
      QStringLiteral("%1 ").arg(row * kDumpCellsPerRow, 4, 16, QLatin1Char('0')).toUpper();
  for (int i = 0; i < kDumpCellsPerRow; ++i) {
    text +=
        QLatin1Char(' ') +
        DumpCellText(machine.Memory[static_cast<std::size_t>(row * kDumpCellsPerRow + i)], decimal);
  }
  return text + QStringLiteral("  ") + DumpCharacters(machine, row);
}

}  // namespace kwarcyt
