#include "ProgramEditor.h"

#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTextBlock>

namespace kwarcyt {

namespace {

// A block's user state marks its breakpoint; nothing else in the program sets it.
constexpr int kBreakpointState = 1;
constexpr int kMarkSize = 8;
constexpr int kGutterPadding = 3;
const QColor kMarkColour(0xC0, 0x10, 0x10);

class Gutter : public QWidget {
 public:
  explicit Gutter(ProgramEditor& editor) : QWidget(&editor), editor_(editor) {
    setObjectName(QStringLiteral("MemoGutter"));
    setCursor(Qt::PointingHandCursor);
  }

 protected:
  void paintEvent(QPaintEvent* event) override { editor_.PaintGutter(*this, event->rect()); }
  void mousePressEvent(QMouseEvent* event) override {
    const int line = editor_.LineAt(event->position().toPoint().y());
    if (line >= 0) editor_.ToggleBreakpoint(line);
  }

 private:
  ProgramEditor& editor_;
};

}  // namespace

ProgramEditor::ProgramEditor(QWidget* parent) : QPlainTextEdit(parent), gutter_(new Gutter(*this)) {
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

int ProgramEditor::GutterWidth() const {
  const int digits = static_cast<int>(QString::number(std::max(1, blockCount() - 1)).size());
  return kGutterPadding + kMarkSize + kGutterPadding +
         fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits + kGutterPadding;
}

void ProgramEditor::FitGutter() {
  setViewportMargins(GutterWidth(), 0, 0, 0);
}

void ProgramEditor::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  const QRect area = contentsRect();
  gutter_->setGeometry(area.left(), area.top(), GutterWidth(), area.height());
}

void ProgramEditor::PaintGutter(QWidget& gutter, const QRect& area) {
  QPainter painter(&gutter);
  painter.fillRect(area, palette().color(QPalette::Window));
  painter.setFont(font());
  QTextBlock block = firstVisibleBlock();
  int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
  while (block.isValid() && top <= area.bottom()) {
    const int height = qRound(blockBoundingRect(block).height());
    if (block.isVisible() && top + height >= area.top()) {
      if (block.userState() == kBreakpointState) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kMarkColour);
        painter.drawEllipse(kGutterPadding, top + (height - kMarkSize) / 2, kMarkSize, kMarkSize);
      }
      painter.setPen(palette().color(QPalette::PlaceholderText));
      painter.drawText(0, top, gutter.width() - kGutterPadding, height, Qt::AlignRight,
                       QString::number(block.blockNumber()));
    }
    block = block.next();
    top += height;
  }
}

int ProgramEditor::LineAt(int y) const {
  for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
    const QRectF geometry = blockBoundingGeometry(block).translated(contentOffset());
    if (y < geometry.top()) return -1;
    if (y < geometry.bottom()) return block.blockNumber();
  }
  return -1;
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
