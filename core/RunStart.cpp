#include "RunStart.h"

#include <utility>

#include "checker/ProgramCheck.h"

namespace kwarcyt {

RunEnd PrepareRun(std::vector<std::string> lines, MachineState& machine, ErrorList& errors,
                  Program& program) {
  Kompiluj(lines, machine.LabelTable, errors, machine.ProgramChecked);
  if (!machine.ProgramChecked) return RunEnd::CheckFailed;
  if (machine.PC >= static_cast<int>(lines.size())) return RunEnd::NotStarted;
  program = Program(std::move(lines), machine.LabelTable);
  return RunEnd::None;
}

}  // namespace kwarcyt
