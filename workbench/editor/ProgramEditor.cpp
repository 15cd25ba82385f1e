#include "workbench/editor/ProgramEditor.h"

#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>

#include "workbench/session/BreakpointLines.h"

namespace kwarcyt {

ProgramEditor::ProgramEditor(QWidget* parent)
    : QPlainTextEdit(parent), breakpoints_(&BreakpointLines::Of(*document())) {
  gutter_ = new LineGutter(*this, QStringLiteral("MemoGutter"),
                           {.visible = [this] { return VisibleLines(); },
                            .hasBreakpoint = [this](int line) { return HasBreakpoint(line); },
                            .toggleBreakpoint = [this](int line) { ToggleBreakpoint(line); }});
  connect(this, &QPlainTextEdit::blockCountChanged, this, &ProgramEditor::FitGutter);
  connect(breakpoints_, &BreakpointLines::changed, gutter_, qOverload<>(&QWidget::update));
  connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
    if (dy != 0) {
      gutter_->scroll(0, dy);
    } else {
      gutter_->update(0, rect.y(), gutter_->width(), rect.height());
    }
  });
  FitGutter();
}

void ProgramEditor::FitGutter() {
  setViewportMargins(gutter_->WidthFor(blockCount()), 0, 0, 0);
}

void ProgramEditor::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  const QRect area = contentsRect();
  gutter_->setGeometry(area.left(), area.top(), gutter_->WidthFor(blockCount()), area.height());
}

void ProgramEditor::changeEvent(QEvent* event) {
  QPlainTextEdit::changeEvent(event);
  if (event->type() != QEvent::FontChange) return;
  FitGutter();
  const QRect area = contentsRect();
  gutter_->setGeometry(area.left(), area.top(), gutter_->WidthFor(blockCount()), area.height());
}

std::vector<LineGutter::VisibleLine> ProgramEditor::VisibleLines() const {
  std::vector<LineGutter::VisibleLine> lines;
  const int bottom = viewport()->height();
  for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
    const QRectF geometry = blockBoundingGeometry(block).translated(contentOffset());
    if (geometry.top() > bottom) break;
    if (block.isVisible()) {
      lines.push_back({block.blockNumber(), qRound(geometry.top()), qRound(geometry.height())});
    }
  }
  return lines;
}

void ProgramEditor::ToggleBreakpoint(int line) {
  breakpoints_->Toggle(line);
}

void ProgramEditor::ClearBreakpoints() {
  breakpoints_->Clear();
}

bool ProgramEditor::HasBreakpoint(int line) const {
  return breakpoints_->Has(line);
}

bool ProgramEditor::canInsertFromMimeData(const QMimeData* source) const {
  return source != nullptr && source->hasText();
}

void ProgramEditor::insertFromMimeData(const QMimeData* source) {
  if (source == nullptr) return;
  const QString text = source->text();
  if (text.isEmpty()) return;
  textCursor().insertText(text);
  ensureCursorVisible();
}

}  // namespace kwarcyt
