// Powiększ, Pomniejsz and Rozmiar domyślny: the size of the text controls a student reads the
// program in (the editor, the program list, the error list, the explanation). The views of
// registers, flags, memory and ports keep their designed layout and are never zoomed.
#pragma once

#include <QFont>
#include <QList>
#include <QObject>
#include <QPointer>

#include "ZoomSteps.h"

class QAction;
class QWidget;

namespace kwarcyt {

struct ZoomCommands {
  QAction* larger;
  QAction* smaller;
  QAction* designSize;
};

class TextZoom : public QObject {
  Q_OBJECT

 public:
  TextZoom(ZoomCommands commands, QObject* parent);

  // The control's present font is its design size; from now on it follows the zoom.
  void Follow(QWidget* control);
  // Follow every control of the window marked with MarkZoomedText.
  void FollowMarkedTexts(const QWidget& window);
  // Ctrl with the mouse wheel over this widget zooms too.
  void FollowWheel(QWidget* widget);

  int Zoom() const { return zoom_; }
  void SetZoom(int zoom);

 signals:
  void zoomChanged(int zoom);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Followed {
    QPointer<QWidget> control;
    QFont designFont;
  };
  void Apply(Followed& followed) const;
  void UpdateCommands();

  ZoomCommands commands_;
  QList<Followed> followed_;
  int zoom_ = kDesignZoom;
  // Wheels that turn in small steps add up to a whole notch before the size changes.
  int wheelRest_ = 0;
};

}  // namespace kwarcyt
