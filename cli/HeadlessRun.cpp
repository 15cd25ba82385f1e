#include "HeadlessRun.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include "checker/ProgramCheck.h"
#include "core/RunEngine.h"
#include "core/RunStart.h"

namespace kwarcyt {
namespace {

struct RunnerEnding {
  RunEnd end;
  const char* name;
  int exitStatus;
};

constexpr RunnerEnding kRunnerEndings[] = {
    {RunEnd::CheckFailed, "check", 1},  {RunEnd::NotStarted, "idle", 0},
    {RunEnd::Halted, "hlt", 0},         {RunEnd::EndOfProgram, "end", 0},
    {RunEnd::RuntimeError, "error", 3}, {RunEnd::StepsSpent, "limit", 4},
    {RunEnd::Breakpoint, "break", 0},
};

const RunnerEnding* EndingOf(RunEnd end) {
  const auto row = std::ranges::find(kRunnerEndings, end, &RunnerEnding::end);
  return row == std::end(kRunnerEndings) ? nullptr : row;
}

}  // namespace

const char* EndName(RunEnd end) {
  const RunnerEnding* ending = EndingOf(end);
  return ending != nullptr ? ending->name : "";
}

int ExitStatus(RunEnd end) {
  const RunnerEnding* ending = EndingOf(end);
  return ending != nullptr ? ending->exitStatus : 0;
}

RunResult CheckProgram(const std::vector<std::string>& lines, MachineState& machine,
                       ErrorList& errors) {
  Kompiluj(lines, machine.LabelTable, errors, machine.ProgramChecked);
  RunResult result;
  result.checked = machine.ProgramChecked;
  result.end = result.checked ? RunEnd::NotStarted : RunEnd::CheckFailed;
  return result;
}

RunResult StartProgram(const std::vector<std::string>& lines, MachineState& machine,
                       ErrorList& errors, int maxSteps, const StepTrace& trace,
                       const std::vector<int>& breakLines, const CycleTrace& cycles) {
  RunResult result;
  Program program;
  result.end = PrepareRun(lines, machine, errors, program);
  result.checked = machine.ProgramChecked;
  if (result.end != RunEnd::None) return result;

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
  result.end = run.reason;
  if (run.lastCompleted >= 0) result.status = program.StatusText(run.lastCompleted);
  return result;
}

}  // namespace kwarcyt
