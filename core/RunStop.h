// Why the last run stopped or paused, as the status bar tells the student: a run that ends
// without a word looks, to a beginner, like one that did nothing.
#pragma once

#include <cstdint>
#include <string>

#include "RunEnd.h"

namespace kwarcyt {

struct RunStop {
  // None while running, or after a step that left the run going: nothing to say. Otherwise
  // Halted, EndOfProgram, RuntimeError, ByUser, Breakpoint, Cursor or Paused, before `line`.
  RunEnd why = RunEnd::None;
  // As the editor's gutter counts lines, from 0.
  int line = 0;
  // Spent by this run alone, from its Start, resume or step to its end.
  std::uint64_t clockStates = 0;
};

// The status bar's text in UTF-8; empty for RunEnd::None.
std::string RunStopText(const RunStop& stop);

}  // namespace kwarcyt
