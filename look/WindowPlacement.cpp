#include "WindowPlacement.h"

#include <QEvent>
#include <QWindow>

namespace kwarcyt {

namespace {

// The display windows stay on top and belong to no window of the program, so the desktop
// stacks them above anything tied to the main window, even a window that stays on top too.
// Tied to none, a window opens above them and stays there while they are clicked.
void UntieFromMainWindow(QWidget& window) {
  if (QWindow* handle = window.windowHandle()) handle->setTransientParent(nullptr);
}

class UntieWhenShown : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) UntieFromMainWindow(*static_cast<QWidget*>(watched));
    return false;
  }
};

}  // namespace

void OpenAboveDisplays(QDialog& dialog) {
  dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
  dialog.installEventFilter(new UntieWhenShown(&dialog));
}

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
  UntieFromMainWindow(*this);
}

}  // namespace kwarcyt
