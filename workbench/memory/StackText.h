// The rows of the memory window's "Stos" view: the words from SP up to 0FFFFh, the top of the
// stack first. A call leaves the number of the line after it on the stack, so a word that names
// the line after a call is shown with the line it would return to.
#pragma once

#include <QString>

namespace kwarcyt {

struct MachineState;
class Program;

// Empty when SP is 0; the last word of an odd-sized stack takes its high byte from address 0.
int StackRowCount(const MachineState& machine);
// "EFFEh: 0008h  powrót do wiersza 8: OUT 2"
QString StackRowText(const MachineState& machine, const Program& program, int row);
// "powrót do wiersza N: " and the line's text, or nothing when no call precedes line N.
QString ReturnLineNote(const Program& program, int line);

}  // namespace kwarcyt
