#include "HeadlessRun.h"

#include <string>

#include "Interpreter.h"
#include "Sprawdzanie.h"

namespace kwarcyt {
namespace {

RunEnd EndOf(StepOutcome outcome) {
  switch (outcome) {
    case StepOutcome::Halted:
      return RunEnd::Hlt;
    case StepOutcome::EndOfProgram:
      return RunEnd::End;
    case StepOutcome::Continued:
      return RunEnd::Limit;
    case StepOutcome::RuntimeError:
      break;
  }
  return RunEnd::Error;
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
                       ErrorList& errors, int maxSteps, const StepTrace& trace) {
  RunResult result = CheckProgram(lines, machine, errors);
  if (!result.checked || machine.PC >= static_cast<int>(lines.size())) return result;

  const Program program(lines, machine.LabelTable);
  machine.Running = true;
  machine.StopRequested = false;
  result.end = RunEnd::Limit;
  int lastCompleted = -1;
  std::size_t leftOut = 0;
  while (result.steps < maxSteps) {
    const int line = machine.PC;
    const StepOutcome outcome = WykonajRozkaz(machine, program, errors);
    ++result.steps;
    if (errors.size() > kMostErrorLines && outcome == StepOutcome::Continued) {
      leftOut += errors.size() - kMostErrorLines;
      errors.resize(kMostErrorLines);
    }
    // HLT and a failing line end the run before their step completes.
    if (outcome == StepOutcome::Continued || outcome == StepOutcome::EndOfProgram) {
      lastCompleted = line;
      if (trace) trace(line, program.StatusText(line));
    }
    if (outcome != StepOutcome::Continued) {
      result.end = EndOf(outcome);
      break;
    }
  }
  machine.Running = false;
  if (leftOut > 0) {
    errors.insert(errors.begin() + static_cast<std::ptrdiff_t>(kMostErrorLines),
                  "Pominięto dalsze komunikaty: " + std::to_string(leftOut));
  }
  if (lastCompleted >= 0) result.status = program.StatusText(lastCompleted);
  return result;
}

}  // namespace kwarcyt
