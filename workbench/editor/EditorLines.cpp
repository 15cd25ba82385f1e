#include "workbench/editor/EditorLines.h"

#include <QTextBlock>
#include <QTextDocument>

namespace kwarcyt {

int EditorLineCount(const QTextDocument& document) {
  return document.isEmpty() ? 0 : document.blockCount();
}

std::vector<std::string> EditorLines(const QTextDocument& document) {
  std::vector<std::string> lines;
  if (document.isEmpty()) return lines;
  lines.reserve(static_cast<std::size_t>(document.blockCount()));
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    lines.push_back(block.text().toStdString());
  }
  return lines;
}

QStringList EditorTextLines(const QTextDocument& document) {
  QStringList lines;
  if (document.isEmpty()) return lines;
  lines.reserve(document.blockCount());
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    lines.append(block.text());
  }
  return lines;
}

}  // namespace kwarcyt
