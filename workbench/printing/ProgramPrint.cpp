#include "ProgramPrint.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "look/Fonts.h"

namespace kwarcyt {

namespace {

constexpr int kTabColumns = 8;
constexpr qreal kTextPoints = 10;
// The gap between the line numbers and the text, in columns.
constexpr int kNumberGap = 2;
const QString kContinuationMark = QStringLiteral("»");

QString ExpandTabs(const QString& line) {
  if (!line.contains(QLatin1Char('\t'))) return line;
  QString expanded;
  for (const QChar c : line) {
    if (c == QLatin1Char('\t')) {
      expanded += QString(kTabColumns - expanded.size() % kTabColumns, QLatin1Char(' '));
    } else {
      expanded += c;
    }
  }
  return expanded;
}

int Digits(qsizetype lineCount) {
  return static_cast<int>(QString::number(std::max<qsizetype>(1, lineCount - 1)).size());
}

// Where everything of a page goes, in the printer's units.
struct PageFrame {
  QFont font;
  qreal charWidth;
  qreal rowHeight;
  qreal numberWidth;
  qreal textTop;
  int columns;
  int rowsPerPage;
};

PageFrame FrameFor(QPrinter& printer, qsizetype lineCount) {
  PageFrame frame;
  frame.font = FixedFont(13);
  frame.font.setPointSizeF(kTextPoints);
  const QFontMetricsF metrics(frame.font, &printer);
  frame.charWidth = metrics.horizontalAdvance(QLatin1Char('M'));
  frame.rowHeight = metrics.lineSpacing();
  frame.numberWidth = frame.charWidth * (Digits(lineCount) + kNumberGap);
  // The header's row, a rule and a blank row.
  frame.textTop = frame.rowHeight * 2;
  frame.columns =
      std::max(1, static_cast<int>((printer.width() - frame.numberWidth) / frame.charWidth));
  frame.rowsPerPage =
      std::max(1, static_cast<int>((printer.height() - frame.textTop) / frame.rowHeight));
  return frame;
}

void PrintHeader(QPainter& painter, const PageFrame& frame, const PrintedProgram& program, int page,
                 int pages) {
  const QRectF row(0, 0, painter.device()->width(), frame.rowHeight);
  QFont bold = frame.font;
  bold.setBold(true);
  painter.setFont(bold);
  painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, program.name);
  painter.setFont(frame.font);
  painter.drawText(row, Qt::AlignHCenter | Qt::AlignVCenter,
                   program.printed.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
  painter.drawText(row, Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("Strona %1 z %2").arg(page).arg(pages));
  const qreal ruleY = frame.rowHeight * 1.25;
  painter.drawLine(QPointF(0, ruleY), QPointF(row.width(), ruleY));
}

void PrintBodyRow(QPainter& painter, const PageFrame& frame, const PrintRow& row, qreal top) {
  const QRectF number(0, top, frame.numberWidth - frame.charWidth * kNumberGap, frame.rowHeight);
  painter.drawText(number, Qt::AlignRight | Qt::AlignVCenter,
                   row.line == kContinuationRow ? kContinuationMark : QString::number(row.line));
  painter.drawText(QPointF(frame.numberWidth, top + QFontMetricsF(painter.font()).ascent()),
                   row.text);
}

}  // namespace

std::vector<PrintRow> PrintRows(const QStringList& lines, int columns) {
  std::vector<PrintRow> rows;
  columns = std::max(1, columns);
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QString text = ExpandTabs(lines[i]);
    rows.push_back({static_cast<int>(i), text.left(columns)});
    for (qsizetype from = columns; from < text.size(); from += columns) {
      rows.push_back({kContinuationRow, text.mid(from, columns)});
    }
  }
  return rows;
}

int PrintProgram(QPrinter& printer, const PrintedProgram& program) {
  QPainter painter;
  if (!painter.begin(&printer)) return 0;
  const PageFrame frame = FrameFor(printer, program.lines.size());
  const std::vector<PrintRow> rows = PrintRows(program.lines, frame.columns);
  const auto perPage = static_cast<std::size_t>(frame.rowsPerPage);
  const int pages = std::max(1, static_cast<int>((rows.size() + perPage - 1) / perPage));
  for (int page = 0; page < pages; ++page) {
    if (page > 0) printer.newPage();
    PrintHeader(painter, frame, program, page + 1, pages);
    painter.setFont(frame.font);
    const std::size_t first = static_cast<std::size_t>(page) * perPage;
    for (std::size_t i = first; i < std::min(rows.size(), first + perPage); ++i) {
      PrintBodyRow(painter, frame, rows[i], frame.textTop + frame.rowHeight * (i - first));
    }
  }
  painter.end();
  return pages;
}

}  // namespace kwarcyt
