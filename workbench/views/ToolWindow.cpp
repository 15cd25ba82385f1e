#include "workbench/views/ToolWindow.h"

namespace kwarcyt {

ToolWindow::ToolWindow(QWidget* mainWindow, const QString& objectName, const QString& title)
    : QWidget(mainWindow, Qt::Tool) {
  setObjectName(objectName);
  setWindowTitle(title);
}

void ToolWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  emit visibilityChanged(true);
}

void ToolWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  emit visibilityChanged(false);
}

}  // namespace kwarcyt
