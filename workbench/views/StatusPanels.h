// The status bar's panels, following the session and the editor: the caret's row and column,
// the last executed instruction, the clock states with their time as the tool tip, and why the
// last run stopped, until the program is edited.
#pragma once

#include <QObject>
#include <array>

class QLabel;
class QPlainTextEdit;
class QStatusBar;

namespace kwarcyt {

class ElidedPanel;
class Session;

class StatusPanels : public QObject {
 public:
  StatusPanels(QStatusBar& statusBar, const Session& session, const QPlainTextEdit& editor);

  // Where the caret or the end of the selection stands in the editor.
  void ShowCaret();

 private:
  void ShowClockStates();

  const Session& session_;
  const QPlainTextEdit& editor_;
  std::array<QLabel*, 4> panels_{};
  ElidedPanel* stopPanel_ = nullptr;
};

}  // namespace kwarcyt
