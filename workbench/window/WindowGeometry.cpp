#include "workbench/window/WindowGeometry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace kwarcyt {

namespace {

// The start on one axis that keeps [start, start + length) inside the area's span, the area's
// start winning when the length does not fit.
int StartInside(int start, int length, int areaStart, int areaLength) {
  return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

QPoint InsideScreen(const QWidget& window, QPoint frameTopLeft) {
  const QScreen* screen = QGuiApplication::screenAt(frameTopLeft);
  if (screen == nullptr) screen = window.screen();
  if (screen == nullptr) return frameTopLeft;
  return KeptInside(QRect(frameTopLeft, window.frameGeometry().size()),
                    screen->availableGeometry());
}

// Watches the window's first exposure, when the desktop has put its frame round it.
class FrameWatch : public QObject {
 public:
  explicit FrameWatch(QWidget& window) : QObject(window.windowHandle()), window_(&window) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
      // Moved after the exposure is handled, not from inside it.
      QTimer::singleShot(0, window_, [window = window_] {
        const QPoint inside = InsideScreen(*window, window->pos());
        if (inside != window->pos()) window->move(inside);
      });
      watched->removeEventFilter(this);
      deleteLater();
    }
    return false;
  }

 private:
  QPointer<QWidget> window_;
};

}  // namespace

QSize InitialWindowSize(int screenWidth) {
  switch (screenWidth) {
    case 640:
      return {630, 460};
    case 800:
      return {700, 500};
    case 848:
      return {700, 460};
    case 1024:
      return {800, 600};
    default:
      return {900, 700};
  }
}

QPoint KeptInside(const QRect& frame, const QRect& area) {
  return {StartInside(frame.x(), frame.width(), area.x(), area.width()),
          StartInside(frame.y(), frame.height(), area.y(), area.height())};
}

void MoveInsideScreen(QWidget& window, QPoint frameTopLeft) {
  window.move(InsideScreen(window, frameTopLeft));
}

void KeepInsideScreenOnceFramed(QWidget& window) {
  if (QWindow* handle = window.windowHandle()) handle->installEventFilter(new FrameWatch(window));
}

}  // namespace kwarcyt
