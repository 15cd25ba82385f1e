// The breakpoints of the editor's lines. Each belongs to its line's text, not to a line number or
// to a QTextBlock (Qt keeps a block's data with the part before a new line break and drops it
// when two lines are joined): a line break typed before the text or removed after the previous
// line takes the mark along, and the mark goes with the whole line.
#pragma once

#include <QObject>
#include <vector>

class QTextDocument;

namespace kwarcyt {

class BreakpointLines : public QObject {
  Q_OBJECT

 public:
  // The marks of the document's lines: one set per document, kept by the document itself, so
  // that its editor's gutter and the session read and change the same marks.
  static BreakpointLines& Of(QTextDocument& document);

  void Toggle(int line);
  void Clear();
  bool Has(int line) const;
  // The numbers of the marked lines, in ascending order.
  std::vector<int> Lines() const;

 signals:
  // A mark was set or cleared by Toggle or Clear.
  void changed();

 private:
  explicit BreakpointLines(QTextDocument& document);
  void ContentsChange(int position, int charsRemoved, int charsAdded);
  // Whether an edit that removed [position, removedEnd) took the marked line away with it.
  bool LineRemoved(int lineStart, int lineEnd, int position, int removedEnd) const;

  struct Mark {
    int start;   // the position of the line's first character
    int length;  // its text's length, without the line break
  };
  QTextDocument& document_;
  // In the order of the lines; no two on one line.
  std::vector<Mark> marks_;
};

}  // namespace kwarcyt
