// Why a step, a run or a press of Start ended: one word shared by the interpreter, the run
// engine, run control, the window's stop panel and kwarcyt-run's report, so that none of them
// translates another's idea of an ending.
#pragma once

#include <cstdint>

namespace kwarcyt {

enum class RunEnd : std::uint8_t {
  None,          // the run goes on: a step that completed, a command that set it going
  StepsSpent,    // every step asked for was executed; the run may go on
  Reported,      // a step wrote to the error list, and the caller wanted to show it at once
  Breakpoint,    // PC stands on a line with a breakpoint, not yet executed
  Cursor,        // paused before the line Uruchom do kursora named
  Paused,        // Pauza
  ByUser,        // Stop during a run
  Halted,        // HLT: PC stays on the HLT line
  EndOfProgram,  // the program ran past its last line; PC is 0 again
  RuntimeError,  // PC stays on the failing line
  CheckFailed,   // the program did not pass the check, so nothing ran
  NotStarted,    // the program passed, but PC names none of its lines
};

// The run cannot go on from here: HLT, the end of the program or an error.
constexpr bool RunCannotGoOn(RunEnd end) {
  return end == RunEnd::Halted || end == RunEnd::EndOfProgram || end == RunEnd::RuntimeError;
}

}  // namespace kwarcyt
