// A secondary window of the main window that a checkable command shows and hides: it tells when
// it appears or goes, so that the command's check mark follows it also when it is closed by its
// own frame.
#pragma once

#include <QWidget>

namespace kwarcyt {

class ToolWindow : public QWidget {
  Q_OBJECT

 public:
  ToolWindow(QWidget* mainWindow, const QString& objectName, const QString& title);

 signals:
  void visibilityChanged(bool visible);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
};

}  // namespace kwarcyt
