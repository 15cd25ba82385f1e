// Where the program's secondary windows appear: centred on the main window, and the modal ones
// above the display windows, which stay on top of every other window.
#pragma once

#include <QDialog>

class QRect;

namespace kwarcyt {

// Moves the window so that its client area is centred on `area`, a client area in screen
// coordinates.
void CentreClientArea(QWidget& window, const QRect& area);

// For dialogs that cannot derive from ModalDialog (message boxes, file dialogs): they too open
// above the display windows and stay there.
void OpenAboveDisplays(QDialog& dialog);

// A modal window of the program: a dialog border with only the close button; each time it shows
// it is centred on the window of its parent and opens above the display windows.
class ModalDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ModalDialog(QWidget* parent, Qt::WindowFlags extraFlags = {});

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace kwarcyt
