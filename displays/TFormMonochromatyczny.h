// 8 x 8 pixels, one bit each: the monochrome display.
#pragma once

#include "MemoryDisplayWindow.h"

namespace kwarcyt {

class TFormMonochromatyczny : public MemoryDisplayWindow {
  Q_OBJECT

 public:
  TFormMonochromatyczny(const MachineState& machine, const DisplaySettings& settings,
                        QWidget* mainWindow);

 protected:
  void FormPaint(QPainter& painter) override;
  int RefreshRate() const override { return Settings().monochromeRate; }
};

}  // namespace kwarcyt
