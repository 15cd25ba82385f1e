#include "workbench/editor/EditorLineCache.h"

#include <QTextBlock>
#include <QTextDocument>

namespace kwarcyt {

EditorLineCache::EditorLineCache(QTextDocument& document)
    : QObject(&document), document_(document) {
  connect(&document_, &QTextDocument::contentsChange, this, &EditorLineCache::ContentsChange);
  Rebuild();
}

const std::vector<std::string>& EditorLineCache::Lines() const {
  static const std::vector<std::string> kNoLines;
  return document_.isEmpty() ? kNoLines : blocks_;
}

void EditorLineCache::Rebuild() {
  blocks_.clear();
  blocks_.reserve(static_cast<std::size_t>(document_.blockCount()));
  for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
    blocks_.push_back(block.text().toStdString());
  }
}

// The blocks from the one holding `position` to the one holding the end of the inserted text
// are new; the difference in block count says how many old entries they replace.
void EditorLineCache::ContentsChange(int position, int /*charsRemoved*/, int charsAdded) {
  const int blockCount = document_.blockCount();
  const int grown = blockCount - static_cast<int>(blocks_.size());
  QTextBlock first = document_.findBlock(position);
  QTextBlock last = document_.findBlock(position + charsAdded);
  if (!first.isValid()) first = document_.firstBlock();
  if (!last.isValid()) last = document_.lastBlock();
  const int newCount = last.blockNumber() - first.blockNumber() + 1;
  const int oldCount = newCount - grown;
  const int start = first.blockNumber();
  if (oldCount < 0 || start + oldCount > static_cast<int>(blocks_.size())) {
    Rebuild();
    return;
  }
  std::vector<std::string> replacement;
  replacement.reserve(static_cast<std::size_t>(newCount));
  for (QTextBlock block = first; block.isValid(); block = block.next()) {
    replacement.push_back(block.text().toStdString());
    if (block == last) break;
  }
  const auto at = blocks_.begin() + start;
  blocks_.erase(at, at + oldCount);
  blocks_.insert(blocks_.begin() + start, replacement.begin(), replacement.end());
  if (static_cast<int>(blocks_.size()) != blockCount) Rebuild();
}

}  // namespace kwarcyt
