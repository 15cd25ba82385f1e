// What kwarcyt-run --zadanie prints: a table for the teacher, JSON for scripts, CSV for
// spreadsheets.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "cli/Assignment.h"
#include "cli/Grading.h"

namespace kwarcyt {

// A row per program: its file, + or - for each case, the points, and why nothing ran when
// nothing did; below, the first difference of each failed case that ran. Control characters from
// file names and programs are made harmless for the terminal (see ShownText).
QString GradeTable(const Assignment& assignment, const std::vector<ProgramGrade>& grades);

// {"name", "cases", "programs": [{"file", "points", "error", "cases": [{"name", "passed",
// "differences", "run"}]}]} and a line break; "error" only when nothing ran, "run" null when
// the file could not be read. Here and in the CSV, a file name is written as ShownText gives it,
// so that one whose bytes are not UTF-8 can still be told from others.
QByteArray GradeJson(const Assignment& assignment, const std::vector<ProgramGrade>& grades);

// A header row, then a row per program and case: plik,przypadek,zaliczony,kroki,różnica.
QString GradeCsv(const Assignment& assignment, const std::vector<ProgramGrade>& grades);

}  // namespace kwarcyt
