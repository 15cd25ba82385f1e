#include "EditorArea.h"

#include <QEvent>

namespace kwarcyt {

EditorArea::EditorArea(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("EditorArea"));
}

void EditorArea::SetBottomBar(QWidget* bar) {
  bar_ = bar;
  bar_->installEventFilter(this);
  PlaceChildren();
}

void EditorArea::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceChildren();
}

bool EditorArea::eventFilter(QObject* watched, QEvent* event) {
  if (watched == bar_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide ||
                          event->type() == QEvent::LayoutRequest)) {
    PlaceChildren();
  }
  return QWidget::eventFilter(watched, event);
}

// Hidden children are placed too: the program list must have its size before it is shown.
void EditorArea::PlaceChildren() {
  const int barHeight = bar_ != nullptr && bar_->isVisibleTo(this) ? bar_->sizeHint().height() : 0;
  const QRect above(0, 0, width(), height() - barHeight);
  for (QObject* child : children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (widget == nullptr || widget->isWindow()) continue;
    widget->setGeometry(widget == bar_ ? QRect(0, above.bottom() + 1, width(), barHeight) : above);
  }
}

}  // namespace kwarcyt
