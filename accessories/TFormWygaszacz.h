// The screen saver: a full-screen black window with a chain of balls that follows the mouse
// pointer. It closes when a mouse button is released or Esc is pressed, and on nothing else.
#pragma once

#include "BallChain.h"

#include <QDialog>

class QKeyEvent;
class QMouseEvent;
class QPaintEvent;
class QTimer;

namespace kwarcyt {

class TFormWygaszacz : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kFrameMilliseconds = 20;

  explicit TFormWygaszacz(QWidget* parent = nullptr);

  const BallChain& Animation() const { return chain_; }

  // One frame: moves the balls and schedules a repaint.
  void Timer1Timer();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void FormMouseMove(QMouseEvent* event);
  void FormMouseUp(QMouseEvent* event);
  void FormKeyPress(QKeyEvent* event);

  BallChain chain_;
  QTimer* Timer1;
};

}  // namespace kwarcyt
