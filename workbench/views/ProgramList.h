// The program list shown in the editor's place during a run: one row a line, with the same
// gutter of line numbers and breakpoint marks as the editor. The breakpoints stay the session's;
// the list only shows them and asks for them to be toggled.
#pragma once

#include <QListWidget>
#include <functional>
#include <string>
#include <vector>

#include "workbench/views/LineGutter.h"

namespace kwarcyt {

class Session;

class ProgramList : public QListWidget {
  Q_OBJECT

 public:
  ProgramList(QWidget* parent, std::function<bool(int line)> hasBreakpoint,
              std::function<void(int line)> toggleBreakpoint);

  // The lines of a run beginning, row pc current.
  void ShowProgram(const std::vector<std::string>& lines, int pc);
  // Keeps the row of PC highlighted and in sight, scrolling as little as it can.
  void FollowPc(int pc);
  // After the rows were replaced, or a breakpoint changed.
  void UpdateGutter();
  // Follows the session's runs: PC after each step, the breakpoints as they change, the first
  // row after a reset.
  void Follow(const Session& session);
  // The height of every row: the design's 16 px, or more for a zoomed font.
  int RowHeight() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  std::vector<LineGutter::VisibleLine> VisibleLines() const;

  LineGutter* gutter_ = nullptr;
};

}  // namespace kwarcyt
