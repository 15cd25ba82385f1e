// The program on paper: each page headed by the file name, the date and the page number, each
// line numbered as the gutter numbers it, in a fixed-width font, and a line too long for the
// page wrapped onto rows marked as its continuation.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

class QPrinter;

namespace kwarcyt {

struct PrintedProgram {
  QString name;  // the file's name as the title bar shows it
  QStringList lines;
  QDateTime printed;
};

// A row of the printout: a line's number, or none on the rows that continue a wrapped line.
struct PrintRow {
  int line;  // -1 on a continuation
  QString text;
};
inline constexpr int kContinuationRow = -1;

// Tabs become spaces up to the next multiple of eight columns; every row holds at most `columns`.
std::vector<PrintRow> PrintRows(const QStringList& lines, int columns);

// Prints on the printer as it was set up; returns the number of pages, 0 when the printer could
// not be started.
int PrintProgram(QPrinter& printer, const PrintedProgram& program);

}  // namespace kwarcyt
