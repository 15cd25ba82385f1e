#include "TFormWygaszacz.h"

#include "look/Fonts.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace kwarcyt {

namespace {

const QColor kTextColor(0xC0, 0xC0, 0xC0);

QColor Gray(int level) {
  return QColor(level, level, level);
}

}  // namespace

TFormWygaszacz::TFormWygaszacz(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("FormWygaszacz"));
  QFont font = SerifFont(13);
  font.setBold(true);
  font.setItalic(true);
  setFont(font);
  setCursor(Qt::PointingHandCursor);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  if (const QScreen* screen = parent ? parent->screen() : this->screen())
    setGeometry(screen->geometry());
  setWindowState(Qt::WindowFullScreen);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(kFrameMilliseconds);
  connect(Timer1, &QTimer::timeout, this, &TFormWygaszacz::Timer1Timer);
  Timer1->start();
}

void TFormWygaszacz::Timer1Timer() {
  chain_.Tick(width(), height());
  update();
}

void TFormWygaszacz::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);

  // Both texts stand with their tops 20 pixels above the bottom edge.
  const QFontMetrics metrics(font());
  const int baseline = height() - 20 + metrics.ascent();
  const QString logo = QStringLiteral("Kwarcyt v2004");
  painter.setPen(kTextColor);
  painter.drawText(0, baseline, QStringLiteral("Wyjście - dowolny przycisk myszy lub klawisz ESC"));
  painter.drawText(width() - metrics.horizontalAdvance(logo) - 6, baseline, logo);

  painter.setPen(Gray(chain_.OutlineGray()));
  painter.setBrush(Gray(chain_.FillGray()));
  for (int i = 0; i < chain_.ballCount && i < BallChain::kCapacity; ++i) {
    const int left = static_cast<int>(chain_.x[i] - chain_.radius);
    const int top = static_cast<int>(chain_.y[i] - chain_.radius);
    const int right = static_cast<int>(chain_.x[i] + chain_.radius);
    const int bottom = static_cast<int>(chain_.y[i] + chain_.radius);
    painter.drawEllipse(QRect(left, top, right - left, bottom - top));
  }
}

void TFormWygaszacz::mouseMoveEvent(QMouseEvent* event) {
  FormMouseMove(event);
}
void TFormWygaszacz::mouseReleaseEvent(QMouseEvent* event) {
  FormMouseUp(event);
}
void TFormWygaszacz::keyPressEvent(QKeyEvent* event) {
  FormKeyPress(event);
}

void TFormWygaszacz::FormMouseMove(QMouseEvent* event) {
  const QPoint position = event->position().toPoint();
  chain_.targetX = position.x();
  chain_.targetY = position.y();
}

void TFormWygaszacz::FormMouseUp(QMouseEvent*) {
  close();
}

// Other keys are swallowed, so that Enter or a shortcut cannot end the saver either.
void TFormWygaszacz::FormKeyPress(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) close();
}

}  // namespace kwarcyt
