// kwarcyt-run after its command line was read: read the program, prepare the machine, check or
// run, print the outcome.
#pragma once

#include "RunnerOptions.h"

namespace kwarcyt {

// The exit status: 0 after "hlt", "end" or "idle", 1 when the check failed, 2 when the file or a
// setting was bad, 3 after a run-time error, 4 at the step limit. With --import: 0 when every
// line was converted, 1 when some was kept as a comment, 2 when the file could not be read.
int RunKwarcyt(const RunnerOptions& options);

inline constexpr int kUsageExitStatus = 2;

}  // namespace kwarcyt
