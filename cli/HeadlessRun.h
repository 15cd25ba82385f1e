// What one press of Start does at the top speed, without a window: check the program, then run
// it from PC until it halts, fails, runs past its last line or uses up its steps.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "checker/ErrorList.h"
#include "core/MachineCycles.h"
#include "core/MachineState.h"
#include "core/Program.h"
#include "core/RunEnd.h"

namespace kwarcyt {

// The runner's endings: CheckFailed, NotStarted, Halted, EndOfProgram, RuntimeError, StepsSpent
// and Breakpoint, named "check", "idle", "hlt", "end", "error", "limit", "break".
const char* EndName(RunEnd end);
// 0 after hlt, end, idle and break; 1 when the check failed; 3 after a run-time error; 4 at the
// limit.
int ExitStatus(RunEnd end);

struct RunResult {
  RunEnd end = RunEnd::NotStarted;
  bool checked = false;  // ProgramChecked right after the check
  int steps = 0;
  std::string status{kExecutedCaption};  // the status bar after the last completed step
};

// The line index and the status bar text of each completed step (not of a step that halts or
// fails: such a step never reaches its completion).
using StepTrace = std::function<void(int line, const std::string& status)>;

// The machine cycles of each step that executed an instruction without failing, HLT's included.
using CycleTrace = std::function<void(const StepCycles& step)>;

// The whole-program check alone.
RunResult CheckProgram(const std::vector<std::string>& lines, MachineState& machine,
                       ErrorList& errors);

// Checks the program and, when it passes and PC names one of its lines, runs it for at most
// maxSteps steps, stopping before any of breakLines (except on its first step). Every executed
// line is a step, label, comment and blank lines included. The trace of a step comes before its
// cycles.
RunResult StartProgram(const std::vector<std::string>& lines, MachineState& machine,
                       ErrorList& errors, int maxSteps, const StepTrace& trace = {},
                       const std::vector<int>& breakLines = {}, const CycleTrace& cycles = {});

}  // namespace kwarcyt
