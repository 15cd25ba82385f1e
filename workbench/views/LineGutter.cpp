#include "workbench/views/LineGutter.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace kwarcyt {

namespace {

constexpr int kMarkSize = 8;
constexpr int kPadding = 3;
const QColor kMarkColour(0xC0, 0x10, 0x10);

}  // namespace

LineGutter::LineGutter(QWidget& owner, const QString& name, Lines lines)
    : QWidget(&owner), lines_(std::move(lines)) {
  setObjectName(name);
  setCursor(Qt::PointingHandCursor);
}

int LineGutter::WidthFor(int lineCount) const {
  const auto digits = static_cast<int>(QString::number(std::max(1, lineCount - 1)).size());
  return kPadding + kMarkSize + kPadding +
         fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits + kPadding;
}

void LineGutter::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect area = event->rect();
  painter.fillRect(area, palette().color(QPalette::Window));
  for (const VisibleLine& line : lines_.visible()) {
    if (line.top > area.bottom() || line.top + line.height < area.top()) continue;
    if (lines_.hasBreakpoint(line.number)) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(kMarkColour);
      painter.drawEllipse(kPadding, line.top + (line.height - kMarkSize) / 2, kMarkSize, kMarkSize);
    }
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(0, line.top, width() - kPadding, line.height, Qt::AlignRight,
                     QString::number(line.number));
  }
}

void LineGutter::mousePressEvent(QMouseEvent* event) {
  const int y = event->position().toPoint().y();
  for (const VisibleLine& line : lines_.visible()) {
    if (y >= line.top && y < line.top + line.height) {
      lines_.toggleBreakpoint(line.number);
      return;
    }
  }
}

}  // namespace kwarcyt
