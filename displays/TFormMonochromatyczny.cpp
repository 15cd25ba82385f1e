#include "TFormMonochromatyczny.h"

#include "internal/PixelGrid.h"

namespace kwarcyt {

TFormMonochromatyczny::TFormMonochromatyczny(const MachineState& machine,
                                             const DisplaySettings& settings, QWidget* mainWindow)
    : MemoryDisplayWindow(machine, settings, mainWindow, QStringLiteral("Kwarcyt - Graficzny Mono"),
                          QStringLiteral("Kwarcyt - Wyświetlacz Monochromatyczny"),
                          QSize(130, 130)) {}

void TFormMonochromatyczny::FormPaint(QPainter& painter) {
  const int base = Settings().monochromeBase;
  PaintPixelGrid(
      painter, rect(), kMonochromeSide, Settings().monochromeBorder,
      [&](int row, int column) { return MonochromeColour(Memory(), base, row, column); });
}

}  // namespace kwarcyt
