// Executing a checked program one line at a time.
#pragma once

#include <cstdint>

#include "MachineState.h"
#include "Program.h"
#include "RunEnd.h"
#include "checker/ErrorList.h"

namespace kwarcyt {

// Executes line PC and completes the step (PC + 1; at the end of the program PC := 0).
// Messages of EI, DI, RIM, SIM and of run-time errors are appended to errors; nothing else
// touches the list. The run flags are left to the caller, which ends the run on any outcome
// other than RunEnd::None.
RunEnd WykonajRozkaz(MachineState& machine, const Program& program, ErrorList& errors);

// Whether the condition of a conditional jump, call or return holds (always for none).
bool ConditionHolds(const MachineState& machine, std::uint8_t condition);

}  // namespace kwarcyt
