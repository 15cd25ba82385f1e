// 16 x 16 pixels, one gray level each: the grayscale display.
#pragma once

#include "MemoryDisplayWindow.h"

namespace kwarcyt {

class TFormSkalaSzarosci : public MemoryDisplayWindow {
  Q_OBJECT

 public:
  TFormSkalaSzarosci(const MachineState& machine, const DisplaySettings& settings,
                     QWidget* mainWindow);

 protected:
  void FormPaint(QPainter& painter) override;
  int RefreshRate() const override { return Settings().grayscaleRate; }
};

}  // namespace kwarcyt
