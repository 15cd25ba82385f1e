// Running a checked program for a number of steps: the one loop behind the window's Start and
// Krok, kwarcyt-run, the fuzzer and the benchmark, so that none of them can disagree about a run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "MachineCycles.h"
#include "MachineState.h"
#include "Program.h"
#include "RunEnd.h"
#include "checker/ErrorList.h"

namespace kwarcyt {

class StepHistory;

// A breakpoint mark that WithLabelArrivals puts on the line after a marked label line: the run
// pauses there only when a taken jump, call or RST to that label brought it there, since a jump
// to a label continues after the label line.
inline constexpr std::uint8_t kLabelArrival = 0x80;

// The breakpoints a run checks, from marks on the program's lines: a mark on a label line that
// a jump, call or RST names stands also on the line after it, as kLabelArrival, so that every
// arrival at the label pauses, falling into it or jumping to it. Built when a run starts or its
// breakpoints change, so that the steps pay nothing for it.
std::vector<std::uint8_t> WithLabelArrivals(std::vector<std::uint8_t> marks,
                                            const Program& program);

// Told the machine cycles of every step that executes an instruction and does not fail.
struct CycleWatch {
  const MachineCode& code;
  std::function<void(const StepCycles&)> seen;
};

struct RunBudget {
  std::int64_t steps = 1;
  // The window shows each report as it comes; the runner lets them gather.
  bool stopAfterReport = false;
  // A non-zero entry at a line's index: the run pauses before it executes that line (for
  // kLabelArrival alone, only when it came there by a jump). Empty for none; lines past its end
  // hold none.
  std::span<const std::uint8_t> breakpoints{};
  // The first step of a Start, a resume or a Krok executes even on a breakpoint, so that a run
  // can go on from one; later slices of the same run check their first step too.
  bool firstStepFree = true;
  // Keeps the way back through the executed steps; none when null.
  StepHistory* history = nullptr;
  // A run with a watch goes one step at a time, so only the runs that ask for the machine
  // cycles pay for them; none when null.
  const CycleWatch* cycles = nullptr;
};

struct StepsRun {
  RunEnd reason = RunEnd::StepsSpent;
  std::int64_t executed = 0;
  // The line of the last step that completed, or -1: HLT and a failing step never complete.
  int lastCompleted = -1;
  // The first line of the error list that is new or was rewritten; the list's size before the
  // run when nothing changed.
  std::size_t errorsChangedFrom = 0;

  // The run cannot go on: HLT, the end of the program or an error.
  bool Ended() const { return RunCannotGoOn(reason); }
};

// A program that reports in a loop (EI, DI, RIM, SIM) would otherwise fill gigabytes. Beyond
// this many lines a run's further reports are left out and one line after them says how many;
// the messages of the step that ends the run are always kept.
inline constexpr std::size_t kMostErrorLines = 100'000;
std::string LeftOutLine(std::size_t leftOut);

class RunEngine {
 public:
  // Told of every completed step: the line it executed.
  using CompletedStep = std::function<void(int line)>;

  // One engine serves one run, through as many calls of Run as it takes.
  RunEngine(MachineState& machine, const Program& program, ErrorList& errors);

  // Executes steps from PC until the budget is spent or the run ends. The run flags of the
  // machine are the caller's.
  StepsRun Run(const RunBudget& budget, const CompletedStep& completed = {});

 private:
  StepsRun Unrecorded(const RunBudget& budget, const CompletedStep& completed);
  // One step at a time, each step's cycles planned before it and completed after it.
  StepsRun Watched(const RunBudget& budget, const CompletedStep& completed);
  // The budget in stretches that end where the history takes its snapshots.
  StepsRun Recorded(const RunBudget& budget, const CompletedStep& completed);
  template <bool kObserved, bool kBreakpoints>
  StepsRun Steps(const RunBudget& budget, const CompletedStep& completed);
  // Keeps the list within its bound; returns the first line it rewrote, if any.
  std::size_t LeaveOutFloodedReports();
  // Whether the step of line `from` was a jump, call or RST taken to the label line before PC.
  bool JumpedToLabelBeforePc(int from) const;

  MachineState& machine_;
  const Program& program_;
  ErrorList& errors_;
  std::size_t leftOut_ = 0;
  // The line of the last step executed, through all calls of Run: a slice that begins on a
  // label arrival mark needs to know how the run came there.
  int lastExecuted_ = -1;
};

}  // namespace kwarcyt
