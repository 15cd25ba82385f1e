#include "workbench/views/ValueLabel.h"

#include <QFontMetrics>
#include <QLabel>

#include "look/Fonts.h"

namespace kwarcyt {

QLabel* MakeValueLabel(QWidget* parent, const QString& name, const QString& text, int x, int y,
                       int width, int height, bool bold) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setFont(ValueFont(bold));
  label->setAlignment(Qt::AlignCenter);
  label->setGeometry(x, y, width, height);
  return label;
}

QLabel* MakeCaptionLabel(QWidget* parent, const QString& name, const QString& text, int x, int y,
                         int width, int height) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setGeometry(x, y, width, height);
  return label;
}

int ValueTextWidth(int chars, bool bold) {
  return QFontMetrics(ValueFont(bold)).horizontalAdvance(QString(chars, QLatin1Char('0')));
}

}  // namespace kwarcyt
