// Run control: the Start, Krok, Pauza and Stop/Reset commands, the command states that go with
// them, and the pacing of a continuous run. The window drives a continuous run from its event
// loop: it calls Continue() whenever the host was asked for a continuation, so the user's
// commands are always handled between two whole instructions.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "Interpreter.h"
#include "MachineState.h"
#include "RunEngine.h"
#include "RunStop.h"
#include "StepHistory.h"
#include "checker/ErrorList.h"

namespace kwarcyt {

// Enabled state of the run commands; fileCommands stands for Nowy, Otworz, Zapisz, Zapiszjako.
struct CommandStates {
  bool fileCommands = true;
  bool start = false;
  bool krok = false;
  bool pauza = false;
  bool stop = true;
  bool operator==(const CommandStates&) const = default;
};

inline constexpr CommandStates kEmptyProgramStates{true, false, false, false, true};
inline constexpr CommandStates kIdleStates{true, true, true, false, true};
inline constexpr CommandStates kContinuousRunStates{false, false, false, true, true};
inline constexpr CommandStates kSteppingStates{false, false, true, true, true};

// What run control needs from the window. Tests implement it with a recording stub.
class RunHost {
 public:
  virtual ~RunHost() = default;
  // The editor's lines as the checker and the interpreter see them.
  virtual std::vector<std::string> ProgramLines() const = 0;
  virtual int ProgramLineCount() const = 0;
  virtual void SetCommandStates(const CommandStates& states) = 0;
  // Hides the editor and shows a copy of the lines with row pc selected.
  virtual void ShowProgramList(const std::vector<std::string>& lines, int pc) = 0;
  // Hides the program list and gives the editor back the keyboard focus.
  virtual void ShowEditor() = 0;
  // The error list changed from line `from` on (0: it was rewritten as a whole).
  virtual void ShowErrors(std::size_t from) = 0;
  // After executed instructions: redraw the views, write the status bar text, move the list
  // highlight to PC.
  virtual void ShowStep(const std::string& statusText) = 0;
  // Redraw the views only (after a reset, or after a run ended without completing its step).
  virtual void ShowMachineState() = 0;
  // The window side of a reset: the program list back at its first row, focus to the editor.
  virtual void ResetWindow() = 0;
  // Call Continue() after the delay; a new request replaces one still waiting.
  virtual void ScheduleContinuation(std::chrono::milliseconds delay) = 0;
  // A non-zero entry for each line the run pauses before; asked when a run begins.
  virtual std::vector<std::uint8_t> Breakpoints() const { return {}; }
  // Why the run stopped or paused; RunEnd::None when a command sets it going again.
  virtual void ShowStop(const RunStop& /*stop*/) {}
};

class RunControl {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;

  static constexpr int kSlowestPosition = 1;
  static constexpr int kFastestPosition = 32;
  static constexpr int kStartPosition = 10;
  // At the top speed a continuation runs instructions for this long, then lets the window
  // handle events; half a screen frame, so that a refresh once a frame falls between slices.
  static constexpr std::chrono::milliseconds kSliceLength{8};
  // The clock is read only every so many instructions, so reading it costs next to nothing.
  // The first stretch of each slice is shorter by a varying amount, so that slices do not all
  // end on a multiple of it: a loop whose length divides it would look frozen on the views,
  // and Pause could stop only at such points.
  static constexpr int kStepsBetweenClockChecks = 4096;

  RunControl(MachineState& machine, ErrorList& errors, RunHost& host,
             Clock clock = std::chrono::steady_clock::now);

  // DelayCount for a track bar position: 1024 div (position * position).
  static int DelayCountFor(int position);

  void StartExecute();
  void KrokExecute();
  void PauzaExecute();
  void StopExecute();
  // As Start, or a resume, that also pauses before `line` the first time it gets there.
  void UruchomDoKursoraExecute(int line);
  // On a call that is taken: runs at the top speed until control is back on the next line with
  // SP as before the call. On any other line: as Krok.
  void KrokNadExecute();
  // Takes the last executed step back, while paused or after a run ended with its state kept.
  void KrokWsteczExecute();
  bool CanStepBack() const { return !history_.Empty() && !ContinuousRunActive(); }
  // The program was edited or the machine reset, so the steps before cannot be taken back.
  void ForgetHistory() {
    history_.Clear();
    historyFromHandEdit_ = false;
  }
  // A value was set by hand: the steps before cannot be taken back, and the way back now
  // begins at that change.
  void MachineSetByHand() {
    history_.Clear();
    historyFromHandEdit_ = true;
  }
  // Whether the oldest state the steps can be taken back to is one a hand edit left.
  bool HistoryStartsAtHandEdit() const { return historyFromHandEdit_; }
  const StepHistory& History() const { return history_; }
  // The speed takes effect at once, also in the middle of a pause between two instructions.
  void CzestotliwoscChange(int position);
  // Zeroes the machine and returns the window to the idle state.
  void Reset();
  // Exit and the window's close: whatever runs ends before the next instruction.
  void AbandonRun();
  // Breakpoints set or cleared during a run take effect before the next instruction.
  void RefreshBreakpoints();

  // The continuation the host was asked for: one instruction when DelayCount > 1, otherwise a
  // slice of instructions; then the next continuation is requested while the run goes on.
  void Continue();

  bool ContinuousRunActive() const { return machine_.Running && !machine_.StopRequested; }
  const Program& CurrentProgram() const { return program_; }

 private:
  // Checks the program and builds the Program to run; false when the run may not begin.
  bool BeginRun();
  void OpenRun(const CommandStates& states);
  void EndRun();
  // Executes one instruction, or a slice of them, and shows the result.
  void ExecuteSteps(bool slice);
  // Whether a run that stopped at a breakpoint only passed the pause point of a step over
  // inside a deeper call, and goes on.
  bool PassesPausePoint() const;
  // The line whose breakpoint mark paused the run: after a jump to a label, the label's line.
  int MarkedLine() const;
  RunStop PauseAtMark() const;
  // A command sets the machine going: the next stop counts the clock states from here.
  void CommandBegins();
  void StopFor(RunEnd why, int line);
  void ClearPausePoint();
  void RequestContinuation(std::chrono::milliseconds delay);
  std::chrono::milliseconds RemainingPause() const;

  MachineState& machine_;
  ErrorList& errors_;
  RunHost& host_;
  Clock clock_;
  Program program_;
  std::optional<RunEngine> engine_;
  std::vector<std::uint8_t> breakpoints_;
  // Where Uruchom do kursora or Krok nad pauses once; with a step over, only when SP is back
  // where it was before the call.
  struct PausePoint {
    int line;
    std::optional<int> sp;
  };
  std::optional<PausePoint> pausePoint_;
  // A step over runs at the top speed whatever the speed setting.
  bool SteppingOver() const { return pausePoint_ && pausePoint_->sp; }
  StepHistory history_;
  std::uint64_t statesAtCommand_ = 0;
  bool historyFromHandEdit_ = false;
  // The first step of a Start, a resume or a Krok executes even on a breakpoint, so that a run
  // can go on from one.
  bool commandStepPending_ = false;
  std::minstd_rand sliceJitter_;
  bool continuationPending_ = false;
  // When the last step of a continuous run was due; pauses are measured from it, so that a
  // timer that fires late shortens the next pause instead of slowing the run down.
  std::optional<std::chrono::steady_clock::time_point> lastStepDue_;
};

}  // namespace kwarcyt
