// The tool window that explains the last executed step in Polish. It follows the session's
// machine and builds the explanation only while it is shown.
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace kwarcyt {

class Session;

class TFormObjasnienie : public QWidget {
  Q_OBJECT

 public:
  TFormObjasnienie(const Session& session, QWidget* mainWindow);

 signals:
  void visibilityChanged(bool visible);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void ExplainLastStep();

  const Session& session_;
  QPlainTextEdit* text_;
};

}  // namespace kwarcyt
