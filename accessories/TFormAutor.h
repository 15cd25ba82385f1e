// The About box: the program presented as a school diploma work. Created for one use, shown
// with exec(); Esc or the title bar's close button closes it.
#pragma once

#include <QSize>

#include "look/WindowPlacement.h"

namespace kwarcyt {

class TFormAutor : public ModalDialog {
  Q_OBJECT

 public:
  static constexpr QSize kClientSize{491, 223};

  explicit TFormAutor(QWidget* parent = nullptr);
};

}  // namespace kwarcyt
