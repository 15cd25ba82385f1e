#include "HeadlessRun.h"

#include <optional>
#include <string>
#include <utility>

#include "checker/ProgramCheck.h"
#include "core/RunEngine.h"

namespace kwarcyt {
namespace {

RunEnd EndOf(StopReason reason) {
  switch (reason) {
    case StopReason::Halted:
      return RunEnd::Hlt;
    case StopReason::EndOfProgram:
      return RunEnd::End;
    case StopReason::RuntimeError:
      return RunEnd::Error;
    case StopReason::Breakpoint:
      return RunEnd::Break;
    case StopReason::Budget:
    case StopReason::Reported:
      break;
  }
  return RunEnd::Limit;
}

}  // namespace

const char* EndName(RunEnd end) {
  switch (end) {
    case RunEnd::Check:
      return "check";
    case RunEnd::Idle:
      return "idle";
    case RunEnd::Hlt:
      return "hlt";
    case RunEnd::End:
      return "end";
    case RunEnd::Error:
      return "error";
    case RunEnd::Limit:
      return "limit";
    case RunEnd::Break:
      return "break";
  }
  return "";
}

int ExitStatus(RunEnd end) {
  switch (end) {
    case RunEnd::Check:
      return 1;
    case RunEnd::Error:
      return 3;
    case RunEnd::Limit:
      return 4;
    case RunEnd::Idle:
    case RunEnd::Hlt:
    case RunEnd::End:
    case RunEnd::Break:
      return 0;
  }
  return 0;
}

RunResult CheckProgram(const std::vector<std::string>& lines, MachineState& machine,
                       ErrorList& errors) {
  Kompiluj(lines, machine.LabelTable, errors, machine.ProgramChecked);
  RunResult result;
  result.checked = machine.ProgramChecked;
  result.end = result.checked ? RunEnd::Idle : RunEnd::Check;
  return result;
}

RunResult StartProgram(const std::vector<std::string>& lines, MachineState& machine,
                       ErrorList& errors, int maxSteps, const StepTrace& trace,
                       const std::vector<int>& breakLines, const CycleTrace& cycles) {
  RunResult result = CheckProgram(lines, machine, errors);
  if (!result.checked || machine.PC >= static_cast<int>(lines.size())) return result;

  const Program program(lines, machine.LabelTable);
  machine.Running = true;
  machine.StopRequested = false;
  std::vector<std::uint8_t> breakpoints(breakLines.empty() ? 0 : lines.size());
  for (const int line : breakLines) {
    if (line >= 0 && static_cast<std::size_t>(line) < lines.size()) {
      breakpoints[static_cast<std::size_t>(line)] = 1;
    }
  }
  breakpoints = WithLabelArrivals(std::move(breakpoints), program);
  RunEngine engine(machine, program, errors);
  std::optional<MachineCode> code;
  std::optional<CycleWatch> watch;
  if (cycles) watch.emplace(code.emplace(program), cycles);
  const StepsRun run = engine.Run(
      {.steps = maxSteps, .breakpoints = breakpoints, .cycles = watch ? &*watch : nullptr},
      trace ? RunEngine::CompletedStep([&](int line) { trace(line, program.StatusText(line)); })
            : RunEngine::CompletedStep());
  machine.Running = false;
  result.steps = static_cast<int>(run.executed);
  result.end = EndOf(run.reason);
  if (run.lastCompleted >= 0) result.status = program.StatusText(run.lastCompleted);
  return result;
}

}  // namespace kwarcyt
