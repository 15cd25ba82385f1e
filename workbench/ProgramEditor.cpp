#include "ProgramEditor.h"

#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>

namespace kwarcyt {

namespace {

// A block's user state marks its breakpoint; nothing else in the program sets it.
constexpr int kBreakpointState = 1;

}  // namespace

ProgramEditor::ProgramEditor(QWidget* parent) : QPlainTextEdit(parent) {
  gutter_ = new LineGutter(*this, QStringLiteral("MemoGutter"),
                           {.visible = [this] { return VisibleLines(); },
                            .hasBreakpoint = [this](int line) { return HasBreakpoint(line); },
                            .toggleBreakpoint = [this](int line) { ToggleBreakpoint(line); }});
  connect(this, &QPlainTextEdit::blockCountChanged, this, &ProgramEditor::FitGutter);
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
  QTextBlock block = document()->findBlockByNumber(line);
  if (!block.isValid()) return;
  block.setUserState(block.userState() == kBreakpointState ? -1 : kBreakpointState);
  gutter_->update();
}

void ProgramEditor::ClearBreakpoints() {
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    block.setUserState(-1);
  }
  gutter_->update();
}

bool ProgramEditor::HasBreakpoint(int line) const {
  return document()->findBlockByNumber(line).userState() == kBreakpointState;
}

std::vector<std::uint8_t> ProgramEditor::Breakpoints() const {
  std::vector<std::uint8_t> lines;
  bool any = false;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    const bool marked = block.userState() == kBreakpointState;
    lines.push_back(marked ? 1 : 0);
    any = any || marked;
  }
  // None at all: an empty list, so that a run checks nothing before its steps.
  if (!any) lines.clear();
  return lines;
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
