// Checking a whole program: before a run, and the quick check after every edit.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ErrorList.h"
#include "LabelTable.h"

namespace kwarcyt {

// A CALL keeps its return line on the stack as a 16-bit number: a CALL on line 65535 would
// return to line 65536, which wraps to 0, so longer programs would return to the wrong line.
inline constexpr std::size_t kMaxProgramLines = 65535;

// The message for a program of more lines than kMaxProgramLines, or nothing when it fits. The one
// empty last line that a final line break leaves is not counted: it holds nothing to run.
std::optional<std::string> ProgramLengthError(const std::vector<std::string>& lines);

// The whole-program check: empties errors, rebuilds labels, checks every line, reports a repeated
// label, too many labels or more than kMaxProgramLines lines. programChecked ends true exactly when
// nothing was reported.
void Kompiluj(const std::vector<std::string>& lines, LabelTable& labels, ErrorList& errors,
              bool& programChecked);

// The check after every edit: empties errors, reports an empty or too long program, rebuilds
// labels quickly, reports a repeated label or too many labels, and checks the caret's line (a
// caret row outside the lines, such as the empty row after a final line break, checks nothing).
// Returns whether the program holds any line (the run commands are enabled exactly then).
bool CheckWhileEditing(const std::vector<std::string>& lines, int caretRow, LabelTable& labels,
                       ErrorList& errors, bool& programChecked);

}  // namespace kwarcyt
