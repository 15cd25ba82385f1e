#include "workbench/window/AnchorLayout.h"

#include <QWidget>

namespace kwarcyt {

QRect AnchoredRect(const QRect& designRect, Anchors anchors, QSize design, QSize size) {
  const int dx = size.width() - design.width();
  const int dy = size.height() - design.height();
  QRect rect = designRect;
  if (anchors.testFlag(Anchor::Right)) {
    if (anchors.testFlag(Anchor::Left)) {
      rect.setWidth(qMax(0, rect.width() + dx));
    } else {
      rect.moveLeft(rect.left() + dx);
    }
  }
  if (anchors.testFlag(Anchor::Bottom)) {
    if (anchors.testFlag(Anchor::Top)) {
      rect.setHeight(qMax(0, rect.height() + dy));
    } else {
      rect.moveTop(rect.top() + dy);
    }
  }
  return rect;
}

AnchorLayout::AnchorLayout(QSize designSize, QWidget* parent)
    : QLayout(parent), design_(designSize) {
  setContentsMargins(0, 0, 0, 0);
}

AnchorLayout::~AnchorLayout() {
  for (const Entry& entry : entries_) delete entry.item;
}

void AnchorLayout::addAnchored(QWidget* widget, const QRect& designRect, Anchors anchors) {
  addChildWidget(widget);
  entries_.append({new QWidgetItem(widget), designRect, anchors});
  invalidate();
}

// Items added without a rectangle keep their own geometry at the top left.
void AnchorLayout::addItem(QLayoutItem* item) {
  entries_.append({item, QRect(QPoint(0, 0), item->sizeHint()), Anchors(Anchor::Left)});
}

QLayoutItem* AnchorLayout::itemAt(int index) const {
  return index >= 0 && index < entries_.size() ? entries_[index].item : nullptr;
}

QLayoutItem* AnchorLayout::takeAt(int index) {
  if (index < 0 || index >= entries_.size()) return nullptr;
  return entries_.takeAt(index).item;
}

void AnchorLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  for (const Entry& entry : entries_) {
    const QRect target = AnchoredRect(entry.designRect, entry.anchors, design_, rect.size())
                             .translated(rect.topLeft());
    // Hidden widgets are placed too: the program list must have its size before it is shown.
    if (QWidget* widget = entry.item->widget()) {
      widget->setGeometry(target);
    } else {
      entry.item->setGeometry(target);
    }
  }
}

}  // namespace kwarcyt
