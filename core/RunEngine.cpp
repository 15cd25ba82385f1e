#include "RunEngine.h"

#include <algorithm>

#include "Interpreter.h"

namespace kwarcyt {
namespace {

StopReason ReasonOf(StepOutcome outcome) {
  switch (outcome) {
    case StepOutcome::Continued:
      return StopReason::Budget;
    case StepOutcome::Halted:
      return StopReason::Halted;
    case StepOutcome::EndOfProgram:
      return StopReason::EndOfProgram;
    case StepOutcome::RuntimeError:
      break;
  }
  return StopReason::RuntimeError;
}

}  // namespace

std::string LeftOutLine(std::size_t leftOut) {
  return "Pominięto dalsze komunikaty: " + std::to_string(leftOut);
}

RunEngine::RunEngine(MachineState& machine, const Program& program, ErrorList& errors)
    : machine_(machine), program_(program), errors_(errors) {}

StepsRun RunEngine::Run(const RunBudget& budget, const CompletedStep& completed) {
  StepsRun run;
  run.errorsChangedFrom = errors_.size();
  while (run.executed < budget.steps) {
    const int line = machine_.PC;
    const std::size_t errorsBefore = errors_.size();
    const StepOutcome outcome = WykonajRozkaz(machine_, program_, errors_);
    ++run.executed;
    if (outcome == StepOutcome::Continued || outcome == StepOutcome::EndOfProgram) {
      run.lastCompleted = line;
      if (completed) completed(line);
    }
    if (outcome != StepOutcome::Continued) {
      run.reason = ReasonOf(outcome);
      break;
    }
    if (errors_.size() != errorsBefore) {
      run.errorsChangedFrom = std::min(run.errorsChangedFrom, LeaveOutFloodedReports());
      if (budget.stopAfterReport) {
        run.reason = StopReason::Reported;
        break;
      }
    }
  }
  return run;
}

std::size_t RunEngine::LeaveOutFloodedReports() {
  // Once reports are left out, the line that counts them stands right after the kept ones.
  const std::size_t kept = kMostErrorLines + (leftOut_ > 0 ? 1 : 0);
  if (errors_.size() <= kept) return errors_.size();
  leftOut_ += errors_.size() - kept;
  errors_.resize(kMostErrorLines);
  errors_.push_back(LeftOutLine(leftOut_));
  return kMostErrorLines;
}

}  // namespace kwarcyt
