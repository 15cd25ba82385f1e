#include "TextZoom.h"

#include <QAction>
#include <QWheelEvent>
#include <QWidget>

#include "look/Fonts.h"

namespace kwarcyt {

namespace {

constexpr int kWheelNotch = 120;

}  // namespace

TextZoom::TextZoom(ZoomCommands commands, QObject* parent) : QObject(parent), commands_(commands) {
  commands_.larger->setShortcuts(
      {commands_.larger->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  connect(commands_.larger, &QAction::triggered, this, [this] { SetZoom(LargerZoom(zoom_)); });
  connect(commands_.smaller, &QAction::triggered, this, [this] { SetZoom(SmallerZoom(zoom_)); });
  connect(commands_.designSize, &QAction::triggered, this, [this] { SetZoom(kDesignZoom); });
  UpdateCommands();
}

void TextZoom::Follow(QWidget* control) {
  followed_.append({control, control->font()});
  Apply(followed_.last());
}

void TextZoom::FollowMarkedTexts(const QWidget& window) {
  for (QWidget* control : ZoomedTexts(window)) Follow(control);
}

void TextZoom::FollowWheel(QWidget* widget) {
  widget->installEventFilter(this);
}

void TextZoom::SetZoom(int zoom) {
  if (!IsZoomStep(zoom) || zoom == zoom_) return;
  zoom_ = zoom;
  for (Followed& followed : followed_) Apply(followed);
  UpdateCommands();
  emit zoomChanged(zoom_);
}

void TextZoom::Apply(Followed& followed) const {
  if (!followed.control) return;
  QFont font = followed.designFont;
  if (zoom_ != kDesignZoom) font.setPointSize(zoom_);
  followed.control->setFont(font);
}

void TextZoom::UpdateCommands() {
  commands_.larger->setEnabled(LargerZoom(zoom_) != zoom_);
  commands_.smaller->setEnabled(SmallerZoom(zoom_) != zoom_);
  commands_.designSize->setEnabled(zoom_ != kDesignZoom);
}

bool TextZoom::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Wheel) return QObject::eventFilter(watched, event);
  const auto* wheel = static_cast<QWheelEvent*>(event);
  if (!wheel->modifiers().testFlag(Qt::ControlModifier)) {
    wheelRest_ = 0;
    return QObject::eventFilter(watched, event);
  }
  wheelRest_ += wheel->angleDelta().y();
  while (wheelRest_ >= kWheelNotch) {
    wheelRest_ -= kWheelNotch;
    SetZoom(LargerZoom(zoom_));
  }
  while (wheelRest_ <= -kWheelNotch) {
    wheelRest_ += kWheelNotch;
    SetZoom(SmallerZoom(zoom_));
  }
  return true;
}

}  // namespace kwarcyt
