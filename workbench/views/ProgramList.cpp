#include "workbench/views/ProgramList.h"

#include <QEvent>
#include <QScrollBar>

#include "workbench/session/Session.h"
#include "workbench/views/ListFollow.h"

namespace kwarcyt {

ProgramList::ProgramList(QWidget* parent, std::function<bool(int line)> hasBreakpoint,
                         std::function<void(int line)> toggleBreakpoint)
    : QListWidget(parent) {
  gutter_ = new LineGutter(*this, QStringLiteral("ListGutter"),
                           {.visible = [this] { return VisibleLines(); },
                            .hasBreakpoint = std::move(hasBreakpoint),
                            .toggleBreakpoint = std::move(toggleBreakpoint)});
  connect(verticalScrollBar(), &QScrollBar::valueChanged, gutter_, qOverload<>(&QWidget::update));
  UpdateGutter();
}

void ProgramList::ShowProgram(const std::vector<std::string>& lines, int pc) {
  setUpdatesEnabled(false);
  clear();
  const QSize rowSize(0, RowHeight());
  for (const std::string& line : lines) {
    QString text = QString::fromStdString(line);
    // Far more than the list can show; laying out a megabyte-long row would stall the start.
    constexpr qsizetype kMostShown = 1000;
    if (text.size() > kMostShown) text = text.left(kMostShown) + QChar(0x2026);
    auto* row = new QListWidgetItem(text, this);
    row->setSizeHint(rowSize);
  }
  UpdateGutter();
  show();
  doItemsLayout();
  setUpdatesEnabled(true);
  setCurrentRow(pc);
  scrollToItem(item(pc));
}

void ProgramList::FollowPc(int pc) {
  if (pc < 0 || pc >= count()) return;
  QScrollBar* bar = verticalScrollBar();
  const int visibleRows = viewport()->height() / RowHeight();
  const int top = FollowedTopRow(bar->value(), pc, visibleRows);
  // Turning updates back on repaints the whole list: not for a highlight that stayed put.
  if (pc == currentRow() && top == bar->value()) return;
  setUpdatesEnabled(false);
  setCurrentRow(pc);
  bar->setValue(top);
  setUpdatesEnabled(true);
}

void ProgramList::UpdateGutter() {
  const int width = gutter_->WidthFor(count());
  if (width != gutter_->width()) {
    setViewportMargins(width, 0, 0, 0);
    const QRect area = contentsRect();
    gutter_->setGeometry(area.left(), area.top(), width, area.height());
  }
  gutter_->update();
}

int ProgramList::RowHeight() const {
  constexpr int kDesignRowHeight = 16;
  return std::max(kDesignRowHeight, fontMetrics().lineSpacing() + 1);
}

void ProgramList::changeEvent(QEvent* event) {
  QListWidget::changeEvent(event);
  if (event->type() != QEvent::FontChange) return;
  const QSize rowSize(0, RowHeight());
  for (int row = 0; row < count(); ++row) item(row)->setSizeHint(rowSize);
  gutter_->setGeometry(contentsRect().left(), contentsRect().top(), gutter_->WidthFor(count()),
                       contentsRect().height());
  setViewportMargins(gutter_->width(), 0, 0, 0);
  doItemsLayout();
  gutter_->update();
}

void ProgramList::resizeEvent(QResizeEvent* event) {
  QListWidget::resizeEvent(event);
  const QRect area = contentsRect();
  gutter_->setGeometry(area.left(), area.top(), gutter_->WidthFor(count()), area.height());
}

std::vector<LineGutter::VisibleLine> ProgramList::VisibleLines() const {
  std::vector<LineGutter::VisibleLine> lines;
  const int bottom = viewport()->height();
  // Rows lie in the viewport's coordinates, which start where the gutter's do.
  for (int row = std::max(0, indexAt(QPoint(0, 0)).row()); row < count(); ++row) {
    const QRect rect = visualItemRect(item(row));
    if (rect.top() > bottom) break;
    lines.push_back({row, rect.top(), rect.height()});
  }
  return lines;
}

void ProgramList::Follow(const Session& session) {
  connect(&session, &Session::stepped, this, [this, &session] { FollowPc(session.Machine().PC); });
  connect(&session, &Session::breakpointsChanged, this, &ProgramList::UpdateGutter);
  connect(&session, &Session::machineReset, this, [this] { verticalScrollBar()->setValue(0); });
}

}  // namespace kwarcyt
