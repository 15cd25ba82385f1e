#include "workbench/session/BreakpointLines.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

namespace kwarcyt {

BreakpointLines::BreakpointLines(QTextDocument& document)
    : QObject(&document), document_(document) {
  connect(&document_, &QTextDocument::contentsChange, this, &BreakpointLines::ContentsChange);
}

BreakpointLines& BreakpointLines::Of(QTextDocument& document) {
  if (auto* lines = document.findChild<BreakpointLines*>(QString(), Qt::FindDirectChildrenOnly))
    return *lines;
  return *new BreakpointLines(document);
}

void BreakpointLines::Toggle(int line) {
  const QTextBlock block = document_.findBlockByNumber(line);
  if (!block.isValid()) return;
  const auto at = std::lower_bound(marks_.begin(), marks_.end(), block.position(),
                                   [](const Mark& mark, int start) { return mark.start < start; });
  if (at != marks_.end() && at->start == block.position()) {
    marks_.erase(at);
  } else {
    marks_.insert(at, {block.position(), block.length() - 1});
  }
  emit changed();
}

void BreakpointLines::Clear() {
  marks_.clear();
  emit changed();
}

bool BreakpointLines::Has(int line) const {
  const QTextBlock block = document_.findBlockByNumber(line);
  return block.isValid() &&
         std::binary_search(marks_.begin(), marks_.end(), Mark{block.position(), 0},
                            [](const Mark& a, const Mark& b) { return a.start < b.start; });
}

std::vector<int> BreakpointLines::Lines() const {
  std::vector<int> lines;
  lines.reserve(marks_.size());
  for (const Mark& mark : marks_) lines.push_back(document_.findBlock(mark.start).blockNumber());
  return lines;
}

bool BreakpointLines::LineRemoved(int lineStart, int lineEnd, int position, int removedEnd) const {
  // From the line's start: gone with its text and its own line break.
  if (lineStart == position) return removedEnd > lineEnd;
  // The break before the line went, and its text with it. An empty line keeps nothing of its
  // own, so it stays only where whole lines before it were removed.
  if (lineEnd > lineStart || removedEnd > lineEnd) return removedEnd >= lineEnd;
  return document_.findBlock(position).position() != position;
}

// Positions before the change stay, those after it move by the change in length. A line the
// change reached keeps its mark unless it was removed; what is left of its text follows the
// inserted text.
void BreakpointLines::ContentsChange(int position, int charsRemoved, int charsAdded) {
  if (marks_.empty()) return;
  const int removedEnd = position + charsRemoved;
  std::vector<Mark> kept;
  kept.reserve(marks_.size());
  for (const Mark& mark : marks_) {
    int start = mark.start;
    if (start > removedEnd) {
      start += charsAdded - charsRemoved;
    } else if (start >= position) {
      if (charsRemoved > 0 && LineRemoved(start, start + mark.length, position, removedEnd)) {
        continue;
      }
      start = position + charsAdded;
    }
    QTextBlock block = document_.findBlock(start);
    if (!block.isValid()) block = document_.lastBlock();
    const Mark moved{block.position(), block.length() - 1};
    // Two marked lines joined into one keep one mark.
    if (kept.empty() || kept.back().start != moved.start) kept.push_back(moved);
  }
  marks_ = std::move(kept);
}

}  // namespace kwarcyt
