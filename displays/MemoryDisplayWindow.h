// What the three display windows have in common: a small stay-on-top tool window with only a
// close button, black and of fixed client size, centred on the main window when first shown,
// redrawn from memory by its own timer while it is visible.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "DisplayPixels.h"
#include "DisplaySettings.h"
#include "core/MachineState.h"

namespace kwarcyt {

class MemoryDisplayWindow : public QWidget {
  Q_OBJECT

 public:
  // mainWindow is only the window to centre on the first time; it does not own this one.
  MemoryDisplayWindow(const MachineState& machine, const DisplaySettings& settings,
                      QWidget* mainWindow, const QString& caption, const QString& hint,
                      QSize clientSize);
  ~MemoryDisplayWindow() override;

  // Shows a hidden window or hides a shown one; returns the new visibility.
  bool ToggleVisibility();

  // Places the window on its first showing, before it appears.
  void setVisible(bool visible) override;

 public slots:
  void Timer1Timer();

 signals:
  // Emitted whenever the window appears or disappears, also when the user closes it.
  void visibilityChanged(bool visible);

 protected:
  // Draws the whole client area from memory.
  virtual void FormPaint(QPainter& painter) = 0;
  virtual int RefreshRate() const = 0;

  const MemoryCells& Memory() const { return machine_.Memory; }
  const DisplaySettings& Settings() const { return settings_; }

  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormClose();
  void CentreOnMainWindow();
  void ReportVisibility();

  const MachineState& machine_;
  const DisplaySettings& settings_;
  QPointer<QWidget> mainWindow_;
  QTimer* Timer1;
  bool placed_ = false;
  bool reportedVisible_ = false;
};

}  // namespace kwarcyt
