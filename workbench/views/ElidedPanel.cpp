#include "ElidedPanel.h"

#include <QFontMetrics>

namespace kwarcyt {

ElidedPanel::ElidedPanel(QWidget* parent) : QLabel(parent) {
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ElidedPanel::SetFullText(const QString& text) {
  full_ = text;
  setToolTip(text);
  Elide();
}

QSize ElidedPanel::minimumSizeHint() const {
  return {0, QLabel::minimumSizeHint().height()};
}

void ElidedPanel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Elide();
}

void ElidedPanel::Elide() {
  setText(fontMetrics().elidedText(full_, Qt::ElideRight, contentsRect().width()));
}

}  // namespace kwarcyt
