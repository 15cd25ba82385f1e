#include "RunControl.h"

#include <algorithm>
#include <utility>

#include "RunStart.h"

namespace kwarcyt {

using std::chrono::milliseconds;

namespace {

// Marks in the breakpoint list: the user's own, and the pause point of a command.
constexpr std::uint8_t kUserBreakpoint = 1;
constexpr std::uint8_t kPausePoint = 2;

}  // namespace

RunControl::RunControl(MachineState& machine, ErrorList& errors, RunHost& host, Clock clock)
    : machine_(machine), errors_(errors), host_(host), clock_(std::move(clock)) {}

int RunControl::DelayCountFor(int position) {
  const int p = std::clamp(position, kSlowestPosition, kFastestPosition);
  return 1024 / (p * p);
}

bool RunControl::BeginRun() {
  const RunEnd refusal = PrepareRun(host_.ProgramLines(), machine_, errors_, program_);
  host_.ShowErrors(0);
  if (refusal != RunEnd::None) return false;
  engine_.emplace(machine_, program_, errors_);
  RefreshBreakpoints();
  return true;
}

void RunControl::RefreshBreakpoints() {
  breakpoints_ = host_.Breakpoints();
  for (std::uint8_t& mark : breakpoints_) mark = mark != 0 ? kUserBreakpoint : 0;
  if (pausePoint_ && pausePoint_->line >= 0) {
    const auto line = static_cast<std::size_t>(pausePoint_->line);
    if (breakpoints_.size() <= line) breakpoints_.resize(line + 1);
    breakpoints_[line] |= kPausePoint;
  }
  breakpoints_ = WithLabelArrivals(std::move(breakpoints_), program_);
}

int RunControl::MarkedLine() const {
  const auto pc = static_cast<std::size_t>(machine_.PC);
  return pc < breakpoints_.size() && breakpoints_[pc] == kLabelArrival ? machine_.PC - 1
                                                                       : machine_.PC;
}

bool RunControl::PassesPausePoint() const {
  const auto pc = static_cast<std::size_t>(machine_.PC);
  if (!pausePoint_ || pc >= breakpoints_.size()) return false;
  const std::uint8_t mark = breakpoints_[static_cast<std::size_t>(MarkedLine())];
  return mark == kPausePoint && pausePoint_->sp && *pausePoint_->sp != machine_.SP;
}

// A step over that came back says nothing: it was a step.
RunStop RunControl::PauseAtMark() const {
  const int line = MarkedLine();
  if ((breakpoints_[static_cast<std::size_t>(line)] & kUserBreakpoint) != 0) {
    return {.why = RunEnd::Breakpoint, .line = line};
  }
  if (pausePoint_ && !pausePoint_->sp) return {.why = RunEnd::Cursor, .line = line};
  return {};
}

void RunControl::CommandBegins() {
  statesAtCommand_ = machine_.TStates;
  host_.ShowStop({});
}

void RunControl::StopFor(RunEnd why, int line) {
  host_.ShowStop({.why = why, .line = line, .clockStates = machine_.TStates - statesAtCommand_});
}

void RunControl::ClearPausePoint() {
  if (!pausePoint_) return;
  pausePoint_.reset();
  RefreshBreakpoints();
}

void RunControl::OpenRun(const CommandStates& states) {
  machine_.Running = true;
  host_.SetCommandStates(states);
  host_.ShowProgramList(program_.Lines(), machine_.PC);
}

void RunControl::StartExecute() {
  CommandBegins();
  if (!BeginRun()) return;
  commandStepPending_ = true;
  OpenRun(kContinuousRunStates);
  machine_.StopRequested = false;
  lastStepDue_.reset();
  RequestContinuation(milliseconds{0});
}

void RunControl::KrokExecute() {
  CommandBegins();
  if (machine_.Running) {
    commandStepPending_ = true;
    ExecuteSteps(false);
    return;
  }
  if (!BeginRun()) return;
  machine_.StopRequested = true;
  OpenRun(kSteppingStates);
}

void RunControl::UruchomDoKursoraExecute(int line) {
  if (ContinuousRunActive()) return;
  pausePoint_ = PausePoint{.line = line, .sp = std::nullopt};
  if (machine_.Running) machine_.StopRequested = false;
  StartExecute();
  if (!ContinuousRunActive()) ClearPausePoint();
}

void RunControl::KrokNadExecute() {
  const auto pc = static_cast<std::size_t>(machine_.PC);
  const auto& lines = program_.DecodedLines();
  const bool callTaken = machine_.Running && machine_.StopRequested && pc < lines.size() &&
                         lines[pc].op == Op::Call && ConditionHolds(machine_, lines[pc].a);
  if (!callTaken) {
    KrokExecute();
    return;
  }
  CommandBegins();
  pausePoint_ = PausePoint{.line = machine_.PC + 1, .sp = machine_.SP};
  RefreshBreakpoints();
  commandStepPending_ = true;
  machine_.StopRequested = false;
  host_.SetCommandStates(kContinuousRunStates);
  lastStepDue_.reset();
  RequestContinuation(milliseconds{0});
}

void RunControl::KrokWsteczExecute() {
  if (!CanStepBack()) return;
  CommandBegins();
  history_.Undo(machine_);
  // After a run that ended, its list comes back, paused on the line taken back.
  if (!machine_.Running) {
    machine_.StopRequested = true;
    OpenRun(kSteppingStates);
  }
  const int line = history_.LastStepLine();
  host_.ShowStep(line >= 0 ? program_.StatusText(line) : std::string{});
}

void RunControl::PauzaExecute() {
  if (!machine_.Running) return;
  ClearPausePoint();
  machine_.StopRequested = !machine_.StopRequested;
  host_.SetCommandStates(machine_.StopRequested ? kSteppingStates : kContinuousRunStates);
  if (machine_.StopRequested) StopFor(RunEnd::Paused, machine_.PC);
  if (!machine_.StopRequested) StartExecute();
}

void RunControl::StopExecute() {
  if (!machine_.Running) {
    Reset();
    return;
  }
  StopFor(RunEnd::ByUser, machine_.PC);
  EndRun();
}

void RunControl::EndRun() {
  ClearPausePoint();
  machine_.Running = false;
  host_.ShowEditor();
  host_.SetCommandStates(kIdleStates);
}

void RunControl::Reset() {
  machine_.ResetMachine();
  ForgetHistory();
  host_.ShowMachineState();
  if (host_.ProgramLineCount() > 0) {
    errors_.clear();
    host_.ShowErrors(0);
  }
  host_.ResetWindow();
}

void RunControl::AbandonRun() {
  machine_.Running = false;
  machine_.StopRequested = false;
}

void RunControl::CzestotliwoscChange(int position) {
  machine_.DelayCount = DelayCountFor(position);
  // A pause already begun is measured against the new delay.
  if (continuationPending_) RequestContinuation(RemainingPause());
}

milliseconds RunControl::RemainingPause() const {
  if (machine_.DelayCount <= 1 || !lastStepDue_) return milliseconds{0};
  const auto nextDue = *lastStepDue_ + milliseconds{machine_.DelayCount};
  // Rounded up, so that the timer never wakes before the step is due.
  return std::max(milliseconds{0}, std::chrono::ceil<milliseconds>(nextDue - clock_()));
}

void RunControl::RequestContinuation(milliseconds delay) {
  continuationPending_ = true;
  host_.ScheduleContinuation(delay);
}

void RunControl::Continue() {
  continuationPending_ = false;
  if (!ContinuousRunActive()) return;
  const auto now = clock_();
  const milliseconds pause{machine_.DelayCount};
  // A step more than a whole pause late (after a modal window, say) starts a new cadence
  // rather than hurrying to catch up.
  if (lastStepDue_ && now < *lastStepDue_ + 2 * pause) {
    *lastStepDue_ += pause;
  } else {
    lastStepDue_ = now;
  }
  const bool topSpeed = SteppingOver() || machine_.DelayCount <= 1;
  ExecuteSteps(topSpeed);
  if (ContinuousRunActive()) RequestContinuation(topSpeed ? milliseconds{0} : RemainingPause());
}

void RunControl::ExecuteSteps(bool slice) {
  const auto deadline = clock_() + kSliceLength;
  std::uniform_int_distribution<int> firstStretch(1, kStepsBetweenClockChecks);
  std::int64_t stretch = slice ? firstStretch(sliceJitter_) : 1;
  const std::size_t errorsBefore = errors_.size();
  std::size_t errorsChangedFrom = errorsBefore;
  int lastCompleted = -1;
  StepsRun run;
  // A step that reports (EI, DI, RIM, SIM) ends the slice, so that the messages appear one by
  // one as the program gives them instead of millions piling up between two refreshes.
  do {
    run = engine_->Run({.steps = stretch,
                        .stopAfterReport = true,
                        .breakpoints = breakpoints_,
                        .firstStepFree = commandStepPending_,
                        .history = &history_});
    if (run.executed > 0) commandStepPending_ = false;
    errorsChangedFrom = std::min(errorsChangedFrom, run.errorsChangedFrom);
    if (run.lastCompleted >= 0) lastCompleted = run.lastCompleted;
    stretch = kStepsBetweenClockChecks;
  } while (slice && run.reason == RunEnd::StepsSpent && clock_() < deadline);

  if (errorsChangedFrom < errors_.size()) host_.ShowErrors(errorsChangedFrom);
  if (lastCompleted >= 0) host_.ShowStep(program_.StatusText(lastCompleted));
  if (run.reason == RunEnd::Breakpoint && PassesPausePoint()) {
    // A deeper call of a recursive routine came back: the step over goes on.
    commandStepPending_ = true;
    return;
  }
  if (run.reason == RunEnd::Breakpoint) {
    host_.ShowStop(PauseAtMark());
    ClearPausePoint();
    // As after Pauza: the line is highlighted and Krok goes on from it.
    machine_.StopRequested = true;
    host_.SetCommandStates(kSteppingStates);
    return;
  }
  if (!run.Ended()) return;
  StopFor(run.reason, machine_.PC);
  EndRun();
  // HLT and run-time errors skip the completion of their step, but the views must still show
  // what the run left behind (SP after a failed return, registers of the last slice).
  if (run.reason != RunEnd::EndOfProgram) host_.ShowMachineState();
}

}  // namespace kwarcyt
