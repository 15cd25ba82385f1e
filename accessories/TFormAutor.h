// The About box: the program presented as a school diploma work. Created for one use, shown
// with exec(); Esc or the title bar's close button closes it.
#pragma once

#include <QSize>

#include "WindowPlacement.h"

class QKeyEvent;

namespace kwarcyt {

class TFormAutor : public ModalDialog {
  Q_OBJECT

 public:
  static constexpr QSize kClientSize{491, 223};

  explicit TFormAutor(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void FormKeyPress(QKeyEvent* event);
};

}  // namespace kwarcyt
