#include "WindowPlacement.h"

#include <QWindow>

namespace kwarcyt {

void CentreClientArea(QWidget& window, const QRect& area) {
  QRect client(QPoint(), window.size());
  client.moveCenter(area.center());
  // The geometry of a window excludes its frame, so the frame the desktop adds goes round it.
  window.setGeometry(client);
}

ModalDialog::ModalDialog(QWidget* parent, Qt::WindowFlags extraFlags)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint | extraFlags) {}

void ModalDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (parentWidget() == nullptr) return;
  CentreClientArea(*this, parentWidget()->window()->geometry());
  // The display windows stay on top and belong to no window of the program, so the desktop
  // stacks them above anything tied to the main window, even a window that stays on top too.
  // Tied to none, this window opens above them and stays there while they are clicked.
  if (QWindow* handle = windowHandle()) handle->setTransientParent(nullptr);
}

}  // namespace kwarcyt
