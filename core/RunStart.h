// The start of every run, the window's Start and Krok as well as kwarcyt-run's: the whole
// program is checked, and it runs only when it passed and PC names one of its lines.
#pragma once

#include <string>
#include <vector>

#include "MachineState.h"
#include "Program.h"
#include "RunEnd.h"
#include "checker/ErrorList.h"

namespace kwarcyt {

// Checks the lines (the label table, ProgramChecked and the error list follow the check) and,
// when a run may begin, decodes them into `program` once. Returns RunEnd::None then, or why
// nothing runs: CheckFailed or NotStarted.
RunEnd PrepareRun(std::vector<std::string> lines, MachineState& machine, ErrorList& errors,
                  Program& program);

}  // namespace kwarcyt
