// The text of the memory window's hex dump: sixteen cells a row, in hexadecimal or decimal, and
// the same cells as Windows-1250 characters. The dump on the screen and the rows copied to the
// clipboard are built from these, so they always read alike.
#pragma once

#include <QChar>
#include <QString>

namespace kwarcyt {

struct MachineState;

inline constexpr int kDumpCellsPerRow = 16;
inline constexpr int kDumpRows = 65536 / kDumpCellsPerRow;

// "2A" in hexadecimal, " 42" in decimal: every cell of a mode takes the same width.
QString DumpCellText(int value, bool decimal);
// The character of a cell; a dot for control codes and for codes Windows-1250 leaves undefined.
QChar DumpCharacter(int value);
// The sixteen characters of a row.
QString DumpCharacters(const MachineState& machine, int row);
// "2100  2A 07 63 ...  *.c..." as the window shows the row.
QString DumpRowText(const MachineState& machine, int row, bool decimal);

}  // namespace kwarcyt
