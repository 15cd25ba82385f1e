#include "RunEngine.h"

#include <algorithm>

#include "Interpreter.h"
#include "StepHistory.h"

namespace kwarcyt {
std::string LeftOutLine(std::size_t leftOut) {
  return "Pominięto dalsze komunikaty: " + std::to_string(leftOut);
}

std::vector<std::uint8_t> WithLabelArrivals(std::vector<std::uint8_t> marks,
                                            const Program& program) {
  const auto& lines = program.DecodedLines();
  for (const DecodedLine& line : lines) {
    if (line.op != Op::Jump && line.op != Op::Call && line.op != Op::Rst) continue;
    // A jump to the last line ends the program: there is no line to pause before.
    const auto label = static_cast<std::size_t>(line.value);
    if (label + 1 >= lines.size() || label >= marks.size()) continue;
    if ((marks[label] & ~kLabelArrival) == 0) continue;
    if (marks.size() <= label + 1) marks.resize(label + 2);
    marks[label + 1] |= kLabelArrival;
  }
  return marks;
}

RunEngine::RunEngine(MachineState& machine, const Program& program, ErrorList& errors)
    : machine_(machine), program_(program), errors_(errors) {}

StepsRun RunEngine::Run(const RunBudget& budget, const CompletedStep& completed) {
  if (budget.cycles != nullptr) return Watched(budget, completed);
  return budget.history == nullptr ? Unrecorded(budget, completed) : Recorded(budget, completed);
}

StepsRun RunEngine::Unrecorded(const RunBudget& budget, const CompletedStep& completed) {
  if (budget.breakpoints.empty()) {
    return completed ? Steps<true, false>(budget, completed)
                     : Steps<false, false>(budget, completed);
  }
  return completed ? Steps<true, true>(budget, completed) : Steps<false, true>(budget, completed);
}

StepsRun RunEngine::Recorded(const RunBudget& budget, const CompletedStep& completed) {
  StepHistory& history = *budget.history;
  StepsRun total;
  total.errorsChangedFrom = errors_.size();
  RunBudget stretch = budget;
  stretch.history = nullptr;
  while (total.executed < budget.steps) {
    stretch.steps =
        std::min(budget.steps - total.executed, history.BeforeSteps(machine_, program_));
    const StepsRun run = Unrecorded(stretch, completed);
    history.AfterSteps(run.executed);
    total.reason = run.reason;
    total.executed += run.executed;
    if (run.lastCompleted >= 0) total.lastCompleted = run.lastCompleted;
    total.errorsChangedFrom = std::min(total.errorsChangedFrom, run.errorsChangedFrom);
    if (run.reason != RunEnd::StepsSpent) break;
    stretch.firstStepFree = false;
  }
  return total;
}

StepsRun RunEngine::Watched(const RunBudget& budget, const CompletedStep& completed) {
  RunBudget single = budget;
  single.steps = 1;
  single.cycles = nullptr;
  StepsRun total;
  total.errorsChangedFrom = errors_.size();
  while (total.executed < budget.steps) {
    StepCycles cycles = PlanStepCycles(machine_, program_, budget.cycles->code);
    const StepsRun run = Run(single, completed);
    total.reason = run.reason;
    total.executed += run.executed;
    if (run.lastCompleted >= 0) total.lastCompleted = run.lastCompleted;
    total.errorsChangedFrom = std::min(total.errorsChangedFrom, run.errorsChangedFrom);
    // A failing step performed nothing a bus would show.
    if (run.executed > 0 && run.reason != RunEnd::RuntimeError && !cycles.cycles.empty()) {
      CompleteStepCycles(cycles, machine_);
      budget.cycles->seen(cycles);
    }
    if (run.reason != RunEnd::StepsSpent) break;
    single.firstStepFree = false;
  }
  return total;
}

// The loop every run of the program spends its time in: locals only, and the observer and the
// breakpoints compiled in only where there are some.
template <bool kObserved, bool kBreakpoints>
StepsRun RunEngine::Steps(const RunBudget& budget, const CompletedStep& completed) {
  // The line the last step executed: it tells a label arrival mark how the run came to PC.
  int line = lastExecuted_;
  const auto atBreakpoint = [&budget, &line, this] {
    const auto pc = static_cast<std::size_t>(machine_.PC);
    if (pc >= budget.breakpoints.size() || budget.breakpoints[pc] == 0) return false;
    return budget.breakpoints[pc] != kLabelArrival || JumpedToLabelBeforePc(line);
  };
  StepsRun run;
  run.errorsChangedFrom = errors_.size();
  std::size_t errorCount = errors_.size();
  std::int64_t executed = 0;
  int lastCompleted = -1;
  while (executed < budget.steps) {
    if constexpr (kBreakpoints) {
      if ((executed > 0 || !budget.firstStepFree) && atBreakpoint()) {
        run.reason = RunEnd::Breakpoint;
        break;
      }
    }
    line = machine_.PC;
    const RunEnd outcome = WykonajRozkaz(machine_, program_, errors_);
    ++executed;
    if (outcome == RunEnd::None || outcome == RunEnd::EndOfProgram) {
      lastCompleted = line;
      if constexpr (kObserved) completed(line);
    }
    if (outcome != RunEnd::None) [[unlikely]] {
      run.reason = outcome;
      break;
    }
    if (errors_.size() != errorCount) [[unlikely]] {
      run.errorsChangedFrom = std::min(run.errorsChangedFrom, LeaveOutFloodedReports());
      errorCount = errors_.size();
      if (budget.stopAfterReport) {
        run.reason = RunEnd::Reported;
        break;
      }
    }
  }
  // A budget spent just as PC reaches a breakpoint stops there as well.
  if constexpr (kBreakpoints) {
    if (run.reason == RunEnd::StepsSpent && executed > 0 && atBreakpoint()) {
      run.reason = RunEnd::Breakpoint;
    }
  }
  run.executed = executed;
  run.lastCompleted = lastCompleted;
  lastExecuted_ = line;
  return run;
}

bool RunEngine::JumpedToLabelBeforePc(int from) const {
  const auto& lines = program_.DecodedLines();
  if (from < 0 || static_cast<std::size_t>(from) >= lines.size()) return false;
  const DecodedLine& step = lines[static_cast<std::size_t>(from)];
  // A jump not taken goes on to the line after its own, never a label line's successor.
  return (step.op == Op::Jump || step.op == Op::Call || step.op == Op::Rst) &&
         step.value == machine_.PC - 1;
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
