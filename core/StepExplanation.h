// The step explanation: what the next step does to the machine and why each flag comes out as it
// does, in Polish, for the students who step through a program.
#pragma once

#include <string>

#include "MachineState.h"
#include "Program.h"

namespace kwarcyt {

// Executes line before.PC of the program on a copy of the machine, with the interpreter's own
// step, and tells what it did: the line as written, one sentence with the actual values, each
// flag it set with its reason, the flags it left alone, the registers, memory cells, stack and
// ports it changed, and its clock states. Lines are separated by '\n'.
std::string ExplainStep(const MachineState& before, const Program& program);

// The text in place of an explanation when there is no step to explain: none was executed, or
// the way back begins at a value set by hand.
std::string NoStepToExplain(bool afterHandEdit);

}  // namespace kwarcyt
