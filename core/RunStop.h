// Why the last run stopped or paused, as the status bar tells the student: a run that ends
// without a word looks, to a beginner, like one that did nothing.
#pragma once

#include <cstdint>
#include <string>

namespace kwarcyt {

struct RunStop {
  enum class Why : std::uint8_t {
    None,          // running, or a step that left the run going: nothing to say
    Halted,        // HLT on `line`
    EndOfProgram,  // the run went past the last line
    RuntimeError,  // the step of `line` failed
    ByUser,        // Stop during a run
    Breakpoint,    // paused before `line`, which holds a breakpoint
    Cursor,        // paused before the line Uruchom do kursora named
    Paused,        // Pauza, before `line`
  };
  Why why = Why::None;
  // As the editor's gutter counts lines, from 0.
  int line = 0;
  // Spent by this run alone, from its Start, resume or step to its end.
  std::uint64_t clockStates = 0;
};

// The status bar's text in UTF-8; empty for Why::None.
std::string RunStopText(const RunStop& stop);

}  // namespace kwarcyt
