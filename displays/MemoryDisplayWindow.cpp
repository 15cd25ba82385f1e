#include "MemoryDisplayWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "look/WindowPlacement.h"

namespace kwarcyt {

namespace {
constexpr int kFirstInterval = 40;
}

MemoryDisplayWindow::MemoryDisplayWindow(const MachineState& machine,
                                         const DisplaySettings& settings, QWidget* mainWindow,
                                         const QString& caption, const QString& hint,
                                         QSize clientSize)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      machine_(machine),
      settings_(settings),
      mainWindow_(mainWindow),
      Timer1(new QTimer(this)) {
  setWindowTitle(caption);
  setToolTip(hint);
  setAccessibleName(hint);
  setFixedSize(clientSize);
  // Closing a display must not keep the program alive or end it.
  setAttribute(Qt::WA_QuitOnClose, false);
  // FormPaint covers every pixel, so Qt need not clear the background first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);

  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(kFirstInterval);
  connect(Timer1, &QTimer::timeout, this, &MemoryDisplayWindow::Timer1Timer);
  Timer1->start();
}

// The timer's ticks read the memory and the settings of a main window that may be going too.
MemoryDisplayWindow::~MemoryDisplayWindow() {
  Timer1->stop();
}

bool MemoryDisplayWindow::ToggleVisibility() {
  setVisible(!isVisible());
  return isVisible();
}

// A hidden window keeps its timer but does no work. A new rate takes effect after this tick.
void MemoryDisplayWindow::Timer1Timer() {
  if (!isVisible()) return;
  repaint();
  const int interval = RefreshInterval(RefreshRate());
  if (Timer1->interval() != interval) Timer1->setInterval(interval);
}

void MemoryDisplayWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  FormPaint(painter);
}

void MemoryDisplayWindow::setVisible(bool visible) {
  if (visible && !placed_) {
    placed_ = true;
    // A place given before the first showing (the one it had in the last run) is kept.
    if (!testAttribute(Qt::WA_Moved)) CentreOnMainWindow();
  }
  QWidget::setVisible(visible);
}

void MemoryDisplayWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  ReportVisibility();
}

void MemoryDisplayWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  ReportVisibility();
}

void MemoryDisplayWindow::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

// The window is only hidden, never destroyed: the main window shows it again on request.
void MemoryDisplayWindow::FormClose() {
  hide();
}

void MemoryDisplayWindow::CentreOnMainWindow() {
  if (mainWindow_) {
    CentreClientArea(*this, mainWindow_->geometry());
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    CentreClientArea(*this, screen->availableGeometry());
  }
}

// Minimising sends hide events without making the window invisible, so only real changes count.
void MemoryDisplayWindow::ReportVisibility() {
  const bool visible = isVisible();
  if (visible == reportedVisible_) return;
  reportedVisible_ = visible;
  emit visibilityChanged(visible);
}

}  // namespace kwarcyt
