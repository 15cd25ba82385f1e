// Grading students' programs against an assignment: each case is one run of kwarcyt-run with the
// case's settings and step limit, and its outcome is compared with what the case expects.
#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "Assignment.h"
#include "HeadlessRun.h"
#include "checker/ErrorList.h"
#include "core/MachineState.h"

namespace kwarcyt {

struct CaseGrade {
  bool passed = false;
  // Each a Polish sentence, most telling first; empty exactly when passed.
  QStringList differences;
  bool ran = false;  // a setting may not fit the program, and then nothing runs
  int steps = 0;
  // The runner's JSON report of the run, when asked for.
  QJsonObject run;
};

struct ProgramGrade {
  QString file;
  // Why no case ran: the file cannot be read or the program does not pass the check. Every case
  // then fails with this as its difference.
  QString refusal;
  std::vector<CaseGrade> cases;

  int Points() const;
};

// Everything the expectation finds wrong with the outcome of a run, in the order: the end of the
// run, registers and flags, output ports, memory, steps, clock states.
QStringList Differences(const Expectation& expect, const RunResult& result,
                        const MachineState& machine, const ErrorList& errors);

// One case on a program's lines, from a zeroed machine.
CaseGrade GradeCase(const AssignmentCase& assignmentCase, const std::vector<std::string>& lines,
                    bool keepRun);

// A program none of whose cases ran: each fails with the refusal as its difference.
ProgramGrade RefusedProgram(const Assignment& assignment, const QString& file,
                            const QString& refusal, const QJsonObject& run = {});

// Every case of the assignment on one program file.
ProgramGrade GradeProgram(const Assignment& assignment, const QString& file, bool keepRuns);

}  // namespace kwarcyt
