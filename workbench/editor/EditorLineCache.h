// The editor's lines kept as UTF-8 strings and updated block by block as the text changes, so
// that the check after a keystroke does not convert the whole program again.
#pragma once

#include <QObject>
#include <string>
#include <vector>

class QTextDocument;

namespace kwarcyt {

class EditorLineCache : public QObject {
  Q_OBJECT

 public:
  explicit EditorLineCache(QTextDocument& document);

  // The program lines: none for an empty text, otherwise one per text line (see EditorLines.h).
  const std::vector<std::string>& Lines() const;

 private:
  void ContentsChange(int position, int charsRemoved, int charsAdded);
  void Rebuild();

  QTextDocument& document_;
  // One entry per text block; an empty document still has its one empty block.
  std::vector<std::string> blocks_;
};

}  // namespace kwarcyt
