#include "RunEngine.h"

#include <algorithm>

#include "Interpreter.h"

namespace kwarcyt {
namespace {

// Calls body.operator()<f1, f2, ...>() with the flags as compile-time constants.
template <bool... kChosen, typename Body>
auto WithFlags(Body&& body) {
  return body.template operator()<kChosen...>();
}
template <bool... kChosen, typename Body, typename... Flags>
auto WithFlags(Body&& body, bool flag, Flags... rest) {
  return flag ? WithFlags<kChosen..., true>(body, rest...)
              : WithFlags<kChosen..., false>(body, rest...);
}

// What a step records when PC names no line: it changes nothing but PC.
constexpr DecodedLine kNoLine{};

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
  return WithFlags(
      [&]<bool kObserved, bool kBreakpoints, bool kHistory>() {
        return Steps<kObserved, kBreakpoints, kHistory>(budget, completed);
      },
      static_cast<bool>(completed), !budget.breakpoints.empty(), budget.history != nullptr);
}

// The loop every run of the program spends its time in: locals only, and the observer, the
// breakpoints and the history compiled in only where there are some.
template <bool kObserved, bool kBreakpoints, bool kHistory>
StepsRun RunEngine::Steps(const RunBudget& budget, const CompletedStep& completed) {
  const auto atBreakpoint = [&budget, this] {
    const auto line = static_cast<std::size_t>(machine_.PC);
    return line < budget.breakpoints.size() && budget.breakpoints[line] != 0;
  };
  StepsRun run;
  run.errorsChangedFrom = errors_.size();
  std::size_t errorCount = errors_.size();
  std::int64_t executed = 0;
  int lastCompleted = -1;
  while (executed < budget.steps) {
    if constexpr (kBreakpoints) {
      if ((executed > 0 || !budget.firstStepFree) && atBreakpoint()) {
        run.reason = StopReason::Breakpoint;
        break;
      }
    }
    const int line = machine_.PC;
    if constexpr (kHistory) {
      const auto& decoded = program_.DecodedLines();
      const auto index = static_cast<std::size_t>(line);
      budget.history->Record(machine_, index < decoded.size() ? decoded[index] : kNoLine);
    }
    const StepOutcome outcome = WykonajRozkaz(machine_, program_, errors_);
    ++executed;
    // HLT changes nothing; a failing step may (SP after a failed return), so it stays.
    if constexpr (kHistory) {
      if (outcome == StepOutcome::Halted) budget.history->DropLast();
    }
    if (outcome == StepOutcome::Continued || outcome == StepOutcome::EndOfProgram) {
      lastCompleted = line;
      if constexpr (kObserved) completed(line);
    }
    if (outcome != StepOutcome::Continued) [[unlikely]] {
      run.reason = ReasonOf(outcome);
      break;
    }
    if (errors_.size() != errorCount) [[unlikely]] {
      run.errorsChangedFrom = std::min(run.errorsChangedFrom, LeaveOutFloodedReports());
      errorCount = errors_.size();
      if (budget.stopAfterReport) {
        run.reason = StopReason::Reported;
        break;
      }
    }
  }
  // A budget spent just as PC reaches a breakpoint stops there as well.
  if constexpr (kBreakpoints) {
    if (run.reason == StopReason::Budget && executed > 0 && atBreakpoint()) {
      run.reason = StopReason::Breakpoint;
    }
  }
  run.executed = executed;
  run.lastCompleted = lastCompleted;
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
