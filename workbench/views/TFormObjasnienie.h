// The tool window that explains the last executed step in Polish. It follows the session's
// machine and builds the explanation only while it is shown.
#pragma once

#include "workbench/views/ToolWindow.h"

class QPlainTextEdit;

namespace kwarcyt {

class Session;

class TFormObjasnienie : public ToolWindow {
  Q_OBJECT

 public:
  TFormObjasnienie(const Session& session, QWidget* mainWindow);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ExplainLastStep();

  const Session& session_;
  QPlainTextEdit* text_;
};

}  // namespace kwarcyt
