// The source editor: a plain text editor that takes only text from the clipboard, a drop or
// the selection, and ignores a source that has none.
#pragma once

#include <QPlainTextEdit>

namespace kwarcyt {

class ProgramEditor : public QPlainTextEdit {
  Q_OBJECT

 public:
  using QPlainTextEdit::QPlainTextEdit;

 protected:
  // A clipboard whose owner has gone hands over no data or data that is not there when asked;
  // Qt's own handling of that can crash, so only text that is really present is inserted.
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace kwarcyt
