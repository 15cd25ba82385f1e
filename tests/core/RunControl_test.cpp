#include "core/RunControl.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kwarcyt {
namespace {

using std::chrono::milliseconds;
using TimePoint = std::chrono::steady_clock::time_point;

// The window as run control sees it: the editor's lines, and a record of what was shown.
class RecordingHost : public RunHost {
 public:
  std::vector<std::string> lines;
  CommandStates states = kIdleStates;
  bool listShown = false;
  int listRow = -1;
  int stepsShown = 0;
  std::string statusText;
  int machineShows = 0;
  int resets = 0;
  std::vector<std::size_t> errorUpdates;
  std::optional<milliseconds> continuation;

  std::vector<std::string> ProgramLines() const override { return lines; }
  int ProgramLineCount() const override { return static_cast<int>(lines.size()); }
  void SetCommandStates(const CommandStates& s) override { states = s; }
  void ShowProgramList(const std::vector<std::string>& shown, int pc) override {
    EXPECT_EQ(shown, lines);
    listShown = true;
    listRow = pc;
  }
  void ShowEditor() override { listShown = false; }
  void ShowErrors(std::size_t from) override { errorUpdates.push_back(from); }
  void ShowStep(const std::string& text) override {
    ++stepsShown;
    statusText = text;
  }
  void ShowMachineState() override { ++machineShows; }
  void ResetWindow() override { ++resets; }
  void ScheduleContinuation(milliseconds delay) override { continuation = delay; }
  std::vector<std::uint8_t> Breakpoints() const override { return breakpoints; }
  std::vector<std::uint8_t> breakpoints;
  std::string stopText;
  void ShowStop(const RunStop& stop) override { stopText = RunStopText(stop); }
};

class RunControlTest : public ::testing::Test {
 protected:
  MachineState machine;
  ErrorList errors;
  RecordingHost host;
  TimePoint now{};
  // Every reading of the clock moves it on by `tick`, so a slice ends after a known number
  // of readings.
  milliseconds tick{0};
  RunControl run{machine, errors, host, [this] {
                   now += tick;
                   return now;
                 }};

  // Runs the continuations the host was asked for, as the window's timer would, at most
  // `limit` times.
  int RunContinuations(int limit) {
    int count = 0;
    while (host.continuation && count < limit) {
      host.continuation.reset();
      run.Continue();
      ++count;
    }
    return count;
  }
};

const std::vector<std::string> kCounting{"INR A", "INR A", "INR A", "INR A", "INR A",
                                         "INR A", "INR A", "INR A", "INR A", "INR A"};

TEST(RunControlDelay, FollowsTheTrackBarPosition) {
  const std::vector<std::pair<int, int>> cases{
      {1, 1024}, {2, 256}, {3, 113}, {4, 64}, {5, 40}, {6, 28}, {7, 20}, {8, 16},
      {9, 12},   {10, 10}, {11, 8},  {12, 7}, {13, 6}, {14, 5}, {15, 4}, {16, 4},
      {17, 3},   {18, 3},  {19, 2},  {22, 2}, {23, 1}, {32, 1}};
  for (const auto& [position, delay] : cases) {
    EXPECT_EQ(RunControl::DelayCountFor(position), delay) << "position " << position;
  }
}

TEST_F(RunControlTest, CommandStatesThroughAWholeRun) {
  host.lines = kCounting;
  machine.DelayCount = 10;

  run.StartExecute();
  EXPECT_EQ(host.states, kContinuousRunStates);
  EXPECT_TRUE(host.listShown);
  EXPECT_TRUE(machine.Running);
  EXPECT_FALSE(machine.StopRequested);
  EXPECT_EQ(host.continuation, milliseconds{0});

  RunContinuations(3);
  EXPECT_EQ(machine.A, 3);

  run.PauzaExecute();
  EXPECT_EQ(host.states, kSteppingStates);
  EXPECT_TRUE(machine.StopRequested);
  RunContinuations(5);  // the continuation still waiting finds the run paused
  EXPECT_EQ(machine.A, 3);

  run.KrokExecute();
  EXPECT_EQ(machine.A, 4);
  EXPECT_EQ(machine.PC, 4);
  EXPECT_EQ(host.statusText, "Wykonano rozkaz: INR A");

  errors.push_back("stale message");
  run.PauzaExecute();
  EXPECT_EQ(host.states, kContinuousRunStates);
  EXPECT_TRUE(errors.empty()) << "resuming checks the program again";
  RunContinuations(2);
  EXPECT_EQ(machine.A, 6);

  run.StopExecute();
  EXPECT_EQ(host.states, kIdleStates);
  EXPECT_FALSE(host.listShown);
  EXPECT_FALSE(machine.Running);
  EXPECT_EQ(machine.A, 6);
  EXPECT_EQ(machine.PC, 6);
  EXPECT_EQ(RunContinuations(5), 1);
  EXPECT_EQ(machine.A, 6) << "a stopped run executes nothing more";

  machine.Memory[100] = 7;
  run.StopExecute();
  EXPECT_EQ(machine.A, 0);
  EXPECT_EQ(machine.PC, 0);
  EXPECT_EQ(machine.Memory[100], 0);
  EXPECT_EQ(host.resets, 1);
}

TEST_F(RunControlTest, StepOnAnIdleProgramOnlyHighlightsTheLine) {
  host.lines = kCounting;
  machine.PC = 2;
  run.KrokExecute();
  EXPECT_EQ(host.states, kSteppingStates);
  EXPECT_EQ(host.listRow, 2);
  EXPECT_EQ(machine.A, 0);
  EXPECT_EQ(host.stepsShown, 0);
  EXPECT_FALSE(host.continuation.has_value());
  run.KrokExecute();
  EXPECT_EQ(machine.A, 1);
  EXPECT_EQ(machine.PC, 3);
  EXPECT_EQ(host.stepsShown, 1);
}

// Events are handled only between continuations, so a Stop can never fall inside a step: the
// next Start executes the line after the last one applied, exactly once.
TEST_F(RunControlTest, StopBetweenStepsNeverAppliesALineTwice) {
  host.lines.assign(50000, "INX B");
  tick = milliseconds{1};
  for (int delay : {10, 1}) {
    SCOPED_TRACE(delay);
    machine.ResetMachine();
    machine.DelayCount = delay;
    run.StartExecute();
    RunContinuations(delay == 1 ? 1 : 2);
    const int executed = machine.BC();
    ASSERT_GT(executed, 0);
    ASSERT_LT(executed, 50000);
    run.StopExecute();
    EXPECT_EQ(machine.PC, executed);

    machine.DelayCount = 10;
    run.StartExecute();
    RunContinuations(1);
    EXPECT_EQ(machine.BC(), executed + 1);
    EXPECT_EQ(machine.PC, executed + 1);
    run.StopExecute();
  }
}

TEST_F(RunControlTest, RunEndings) {
  struct Case {
    std::vector<std::string> lines;
    int pc;
    int sp;
    std::vector<std::string> errors;
    int stepsShown;
    int machineShows;
  };
  const std::vector<Case> cases{
      {{"MVI A,1", "HLT", "MVI A,2"}, 1, 0, {}, 1, 1},
      {{"LXI H,1234h", "PUSH H", "RET"},
       2,
       0,
       {"2: Nie można wykonać skoku pod adres 4660",
        "Adres odłożony na stosie jest poza kodem programu"},
       1,
       1},
      {{"MVI A,1", "INR A"}, 0, 0, {}, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines.front() + " ... " + c.lines.back());
    machine.ResetMachine();
    host = RecordingHost{};
    host.lines = c.lines;
    machine.DelayCount = 1;
    run.StartExecute();
    RunContinuations(10);
    EXPECT_FALSE(machine.Running);
    EXPECT_EQ(host.states, kIdleStates);
    EXPECT_FALSE(host.listShown);
    EXPECT_EQ(machine.PC, c.pc);
    EXPECT_EQ(machine.SP, c.sp);
    EXPECT_EQ(errors, c.errors);
    EXPECT_EQ(host.stepsShown, c.stepsShown);
    EXPECT_EQ(host.machineShows, c.machineShows);
    EXPECT_FALSE(host.continuation.has_value());
  }
}

TEST_F(RunControlTest, EndOfProgramStatusNamesTheLastLine) {
  host.lines = {"MVI A,1", "INR A"};
  machine.DelayCount = 10;
  run.StartExecute();
  RunContinuations(5);
  EXPECT_EQ(host.statusText, "Wykonano rozkaz: INR A");
  EXPECT_EQ(machine.A, 2);
  EXPECT_EQ(machine.PC, 0);
}

TEST_F(RunControlTest, ARunDoesNotBegin) {
  struct Case {
    std::vector<std::string> lines;
    int pc;
    bool errorsExpected;
  };
  const std::vector<Case> cases{
      {{"MOV A"}, 0, true},
      {{"NOP", "NOP"}, 2, false},
  };
  for (const Case& c : cases) {
    host = RecordingHost{};
    host.lines = c.lines;
    machine.PC = c.pc;
    for (bool step : {false, true}) {
      step ? run.KrokExecute() : run.StartExecute();
      EXPECT_FALSE(machine.Running);
      EXPECT_FALSE(host.listShown);
      EXPECT_EQ(host.states, kIdleStates);
      EXPECT_EQ(!errors.empty(), c.errorsExpected);
    }
  }
}

TEST_F(RunControlTest, TopSpeedRefreshesOncePerSlice) {
  host.lines = {"PETLA:", "INX B", "JMP PETLA"};
  machine.DelayCount = 1;
  tick = milliseconds{1};
  run.StartExecute();
  RunContinuations(1);
  EXPECT_EQ(host.stepsShown, 1);
  EXPECT_GT(machine.BC(), RunControl::kStepsBetweenClockChecks) << "many steps per slice";
  EXPECT_LT(machine.BC(), 65535) << "the slice ends when its time is up";
  EXPECT_EQ(host.continuation, milliseconds{0});
}

// Reporting instructions in a tight loop must not flood the error list between two refreshes.
TEST_F(RunControlTest, AReportingStepEndsTheSlice) {
  host.lines = {"PETLA:", "INX B", "EI", "JMP PETLA"};
  machine.DelayCount = 1;
  tick = milliseconds{1};
  run.StartExecute();
  RunContinuations(2);
  EXPECT_EQ(errors,
            (ErrorList{"2: Odblokowano przerwanie INTR", "2: Odblokowano przerwanie INTR"}));
  EXPECT_EQ(host.errorUpdates, (std::vector<std::size_t>{0, 0, 1}));
  EXPECT_EQ(host.stepsShown, 2);
  EXPECT_EQ(machine.BC(), 2);
  EXPECT_TRUE(machine.Running);
}

// A loop of four steps divides the clock-check stretch; if every slice ended on a multiple of
// it, each refresh and each Pause would find the same line.
TEST_F(RunControlTest, SlicesEndAfterVaryingNumbersOfSteps) {
  host.lines = {"PETLA:", "INX B", "NOP", "JMP PETLA"};
  machine.DelayCount = 1;
  tick = milliseconds{1};
  run.StartExecute();
  std::set<int> linesAtRefresh;
  for (int slice = 0; slice < 8; ++slice) {
    RunContinuations(1);
    linesAtRefresh.insert(machine.PC);
  }
  run.PauzaExecute();
  linesAtRefresh.insert(machine.PC);
  EXPECT_GT(linesAtRefresh.size(), 1u);
}

// The window's list keeps the same bound as the runner's, with the same closing line.
TEST_F(RunControlTest, EndlessReportsKeepTheErrorListBounded) {
  host.lines = {"PETLA:", "EI", "JMP PETLA"};
  machine.DelayCount = 1;
  run.StartExecute();
  RunContinuations(static_cast<int>(kMostErrorLines) + 5);
  ASSERT_EQ(errors.size(), kMostErrorLines + 1);
  EXPECT_EQ(errors.back(), "Pominięto dalsze komunikaty: 5");
  EXPECT_EQ(host.errorUpdates.back(), kMostErrorLines);
}

// At any speed a run pauses before a line with a breakpoint, as Pauza would leave it; going on
// executes that line first.
TEST_F(RunControlTest, BreakpointPausesTheRunBeforeItsLine) {
  for (const int delayCount : {1, 1024}) {
    host.lines = {"MVI B,5", "PETLA:", "DCR B", "JNZ PETLA", "HLT"};
    host.breakpoints = {0, 0, 1, 0, 0};
    run.Reset();
    machine.DelayCount = delayCount;
    run.StartExecute();
    RunContinuations(10);
    EXPECT_TRUE(machine.Running);
    EXPECT_TRUE(machine.StopRequested);
    EXPECT_EQ(host.states, kSteppingStates);
    EXPECT_EQ(machine.PC, 2);
    EXPECT_EQ(machine.B, 5);

    run.PauzaExecute();
    RunContinuations(10);
    EXPECT_EQ(machine.PC, 2) << delayCount;
    EXPECT_EQ(machine.B, 4) << delayCount;
    run.KrokExecute();
    EXPECT_EQ(machine.B, 3) << delayCount;
  }
}

// A breakpoint set during a run on the line PC stands on pauses the run there: only the first
// step after a command passes a breakpoint, not the first step of every slice.
TEST_F(RunControlTest, BreakpointSetDuringARunOnTheNextLinePauses) {
  host.lines = kCounting;
  machine.DelayCount = 1024;
  run.StartExecute();
  RunContinuations(1);
  ASSERT_EQ(machine.PC, 1);
  host.breakpoints = {0, 1};
  run.RefreshBreakpoints();
  RunContinuations(3);
  EXPECT_EQ(machine.PC, 1);
  EXPECT_EQ(machine.A, 1);
  EXPECT_EQ(host.states, kSteppingStates);
}

TEST_F(RunControlTest, PausesBetweenStepsFollowTheSpeed) {
  host.lines = kCounting;
  run.CzestotliwoscChange(1);
  ASSERT_EQ(machine.DelayCount, 1024);
  run.StartExecute();
  RunContinuations(1);
  EXPECT_EQ(machine.A, 1);
  EXPECT_EQ(host.continuation, milliseconds{1024});

  now += milliseconds{30};
  run.CzestotliwoscChange(10);
  EXPECT_EQ(host.continuation, milliseconds{0}) << "10 ms have passed long ago";

  RunContinuations(1);
  EXPECT_EQ(machine.A, 2);
  now += milliseconds{4};
  run.CzestotliwoscChange(8);
  EXPECT_EQ(host.continuation, milliseconds{12});
  run.CzestotliwoscChange(32);
  EXPECT_EQ(host.continuation, milliseconds{0});
}

// At position 10 the run keeps 100 steps a second even when the timer fires a little late.
TEST_F(RunControlTest, LateTimerShortensTheNextPause) {
  host.lines = kCounting;
  machine.DelayCount = 10;
  run.StartExecute();
  RunContinuations(1);
  EXPECT_EQ(host.continuation, milliseconds{10});
  now += milliseconds{13};
  RunContinuations(1);
  EXPECT_EQ(host.continuation, milliseconds{7});
  now += milliseconds{100};  // e.g. a modal window was open
  RunContinuations(1);
  EXPECT_EQ(host.continuation, milliseconds{10});
  EXPECT_EQ(machine.A, 3);
}

TEST_F(RunControlTest, AbandonedRunExecutesNothingMore) {
  host.lines = kCounting;
  run.StartExecute();
  run.AbandonRun();
  RunContinuations(3);
  EXPECT_EQ(machine.A, 0);
  EXPECT_FALSE(machine.StopRequested);
}

TEST_F(RunControlTest, ResetKeepsTheEmptyProgramMessage) {
  for (bool withLines : {false, true}) {
    host.lines = withLines ? std::vector<std::string>{"NOP"} : std::vector<std::string>{};
    errors = {"Program jest pusty"};
    machine.B = 5;
    run.StopExecute();
    EXPECT_EQ(machine.B, 0);
    EXPECT_EQ(errors.empty(), withLines);
  }
}

namespace debugger {

// A routine that calls itself while C counts down: its CNZ returns to line 7 at every depth.
const std::vector<std::string> kRecursive{"LXI SP,0", "MVI C,3", "CALL REK", "HLT",
                                          "REK:",     "DCR C",   "CNZ REK",  "RET"};

}  // namespace debugger

TEST_F(RunControlTest, StepOverRunsATakenCallToItsReturn) {
  struct Case {
    std::string name;
    int stepsBefore;  // Krok presses after the list opened
    int pcAfter;
    int spAfter;
    int cAfter;
  };
  const std::vector<Case> cases{
      {"CallFromTheTop", 2, 3, 0, 0},
      // Inside the routine: the deeper calls return to the same line with a lower SP.
      {"RecursiveCallComesBackOnce", 4, 7, 0xFFFE, 0},
      {"OrdinaryLineIsOneStep", 1, 2, 0, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    run.Reset();
    host.lines = debugger::kRecursive;
    machine.DelayCount = 1024;  // the slowest speed: a step over still runs at the top speed
    run.KrokExecute();
    for (int i = 0; i < c.stepsBefore; ++i) run.KrokExecute();
    run.KrokNadExecute();
    RunContinuations(10);
    EXPECT_TRUE(machine.Running);
    EXPECT_EQ(host.states, kSteppingStates);
    EXPECT_EQ(machine.PC, c.pcAfter);
    EXPECT_EQ(machine.SP, c.spAfter);
    EXPECT_EQ(machine.C, c.cAfter);
  }
}

TEST_F(RunControlTest, RunToCursorPausesThereOnce) {
  host.lines = kCounting;
  machine.DelayCount = 1;
  run.UruchomDoKursoraExecute(4);
  RunContinuations(10);
  EXPECT_EQ(host.states, kSteppingStates);
  EXPECT_EQ(machine.PC, 4);
  EXPECT_EQ(machine.A, 4);
  // Resumed, the run passes that line as if it had no mark.
  run.PauzaExecute();
  RunContinuations(10);
  EXPECT_FALSE(machine.Running);
  EXPECT_EQ(machine.A, 10);
}

// A mark on a label line pauses at every arrival at the label: before the label line when the
// run falls into it, before the line after it when a jump, call or RST to the label is taken.
TEST_F(RunControlTest, LabelMarkPausesAtEveryArrival) {
  host.lines = {"NOP",     "RST_1:", "DCR B",     "JZ KONIEC",  "MOV A,B", "CPI 3",
                "JZ TRZY", "CPI 2",  "JNZ JEDEN", "CALL RST_1", "TRZY:",   "JMP RST_1",
                "JEDEN:",  "RST 1",  "KONIEC:",   "HLT"};
  for (const bool runToCursor : {false, true}) {
    host.breakpoints = {0, static_cast<std::uint8_t>(runToCursor ? 0 : 1)};
    run.Reset();
    machine.DelayCount = 1;
    machine.B = 4;
    // Run to cursor from the label's first instruction: its first arrival is the jump.
    machine.PC = runToCursor ? 2 : 0;
    runToCursor ? run.UruchomDoKursoraExecute(1) : run.StartExecute();
    std::vector<int> pauses;
    for (RunContinuations(100); machine.Running; RunContinuations(100)) {
      pauses.push_back(machine.PC);
      run.PauzaExecute();
    }
    EXPECT_EQ(pauses, (runToCursor ? std::vector<int>{2} : std::vector<int>{1, 2, 2, 2}));
  }
}

TEST_F(RunControlTest, StepBackAfterTheRunEndedReopensItsList) {
  host.lines = {"MVI A,1", "INR A", "HLT"};
  machine.DelayCount = 1;
  run.StartExecute();
  RunContinuations(10);
  ASSERT_FALSE(machine.Running);
  ASSERT_TRUE(run.CanStepBack());

  // HLT first: it changed nothing but the clock states.
  run.KrokWsteczExecute();
  EXPECT_TRUE(host.listShown);
  EXPECT_EQ(host.states, kSteppingStates);
  EXPECT_EQ(machine.PC, 2);
  EXPECT_EQ(host.statusText, "Wykonano rozkaz: INR A");
  run.KrokWsteczExecute();
  EXPECT_EQ(machine.PC, 1);
  EXPECT_EQ(machine.A, 1);
  EXPECT_EQ(host.statusText, "Wykonano rozkaz: MVI A,1");
  run.KrokWsteczExecute();
  EXPECT_EQ(machine.PC, 0);
  EXPECT_EQ(host.statusText, "");
  EXPECT_FALSE(run.CanStepBack());
  // Forward again from the restored state.
  run.KrokExecute();
  run.KrokExecute();
  EXPECT_EQ(machine.A, 2);
  run.Reset();
  EXPECT_FALSE(run.CanStepBack());
}

// Each command is followed by the continuations it asked for: S Start, K Krok, N Krok nad,
// W Krok wstecz, P Pauza, X Stop, C Uruchom do kursora at line 2; s is Start before any.
TEST_F(RunControlTest, TellsWhyTheRunStopped) {
  struct Case {
    std::vector<std::string> lines;
    std::vector<std::uint8_t> breakpoints;
    std::string commands;
    std::string text;
  };
  const std::vector<std::string> kMoves{"MVI A,1", "MVI B,2", "HLT"};
  const std::vector<std::string> kToLabel{"JMP ET", "NOP", "ET:", "INR A", "HLT"};
  const std::vector<std::string> kCall{"LXI SP,0", "CALL PODPR", "HLT", "PODPR:", "RET"};
  const std::vector<Case> cases{
      {kMoves, {}, "S", "Zatrzymano: HLT w wierszu 2 (takty przebiegu: 19)"},
      {kMoves, {0, 1}, "SP", "Zatrzymano: HLT w wierszu 2 (takty przebiegu: 12)"},
      {{"MVI A,1", "INR A"}, {}, "S", "Zatrzymano: koniec programu (takty przebiegu: 11)"},
      {{"LXI H,100", "PCHL"}, {}, "S", "Zatrzymano: błąd w wierszu 1"},
      {kMoves, {}, "sX", "Zatrzymano przez użytkownika"},
      {kMoves, {0, 1}, "S", "Pułapka w wierszu 1 – F11 wznawia"},
      {kToLabel, {0, 0, 1}, "S", "Pułapka w wierszu 2 – F11 wznawia"},
      {kToLabel, {}, "C", "Kursor w wierszu 2 – F11 wznawia"},
      {kMoves, {}, "sP", "Wstrzymano w wierszu 0 – F11 wznawia, F10 wykonuje krok"},
      {kMoves, {}, "KKKK", "Zatrzymano: HLT w wierszu 2 (takty przebiegu: 5)"},
      {kMoves, {0, 1}, "SK", ""},
      {kCall, {}, "KKN", ""},
      {kMoves, {}, "SW", ""},
  };
  const std::map<char, void (RunControl::*)()> commands{
      {'S', &RunControl::StartExecute},   {'K', &RunControl::KrokExecute},
      {'N', &RunControl::KrokNadExecute}, {'W', &RunControl::KrokWsteczExecute},
      {'P', &RunControl::PauzaExecute},   {'X', &RunControl::StopExecute}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.commands + " " + c.text);
    run.Reset();
    host.lines = c.lines;
    host.breakpoints = c.breakpoints;
    machine.DelayCount = 1;
    for (const char command : c.commands) {
      command == 'C' ? run.UruchomDoKursoraExecute(2)
                     : (run.*commands.at(static_cast<char>(std::toupper(command))))();
      if (command != 's') RunContinuations(100);
    }
    EXPECT_EQ(host.stopText, c.text);
  }
}

}  // namespace
}  // namespace kwarcyt
