// The source editor: a plain text editor with a gutter of line numbers and breakpoints, that
// takes only text from the clipboard, a drop or the selection, and ignores a source that has
// none.
#pragma once

#include <QPlainTextEdit>
#include <cstdint>
#include <vector>

#include "workbench/views/LineGutter.h"

namespace kwarcyt {

class BreakpointLines;

class ProgramEditor : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit ProgramEditor(QWidget* parent = nullptr);

  // Breakpoints belong to the editor's lines: they move with their line's text while the text
  // is edited and leave with a deleted line. They are never part of the text.
  void ToggleBreakpoint(int line);
  void ClearBreakpoints();
  bool HasBreakpoint(int line) const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // A zoomed font widens the gutter's numbers.
  void changeEvent(QEvent* event) override;
  // A clipboard whose owner has gone hands over no data or data that is not there when asked;
  // Qt's own handling of that can crash, so only text that is really present is inserted.
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  void FitGutter();
  std::vector<LineGutter::VisibleLine> VisibleLines() const;

  // Owned by the document, so that it sees every change of the text.
  BreakpointLines* breakpoints_;
  LineGutter* gutter_ = nullptr;
};

}  // namespace kwarcyt
