// kwarcyt-run after its command line was read: read the program, prepare the machine, check or
// run, print the outcome.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "RunnerOptions.h"
#include "sourcefile/ProgramText.h"

namespace kwarcyt {

// The exit status: 0 after "hlt", "end" or "idle", 1 when the check failed, 2 when the file or a
// setting was bad, 3 after a run-time error, 4 at the step limit. With --import: 0 when every
// line was converted, 1 when some was kept as a comment, 2 when the file could not be read.
int RunKwarcyt(const RunnerOptions& options);

// kwarcyt-run --zadanie: 0 when every case of every program passed, 5 when any failed, 2 for a
// bad assignment file.
int GradeKwarcyt(const RunnerOptions& options);

inline constexpr int kUsageExitStatus = 2;
inline constexpr int kSomeCaseFailedExitStatus = 5;

// Writes "kwarcyt-run: " and the message to standard error.
void Complain(const QString& message);
// Complains and gives kUsageExitStatus.
int Refuse(const QString& message);

// The lines as the checker and the run take them.
std::vector<std::string> ProgramLines(const ProgramText& text);

}  // namespace kwarcyt
