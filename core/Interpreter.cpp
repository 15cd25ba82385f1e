#include "Interpreter.h"

#include "internal/StepExecution.h"

namespace kwarcyt {

RunEnd WykonajRozkaz(MachineState& machine, const Program& program, ErrorList& errors) {
  SilentObserver silent;
  return step::ExecuteStep(machine, program, errors, silent);
}

bool ConditionHolds(const MachineState& machine, std::uint8_t condition) {
  return step::Holds(machine, condition);
}

}  // namespace kwarcyt
