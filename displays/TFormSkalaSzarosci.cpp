#include "TFormSkalaSzarosci.h"

#include "internal/PixelGrid.h"

namespace kwarcyt {

TFormSkalaSzarosci::TFormSkalaSzarosci(const MachineState& machine, const DisplaySettings& settings,
                                       QWidget* mainWindow)
    : MemoryDisplayWindow(
          machine, settings, mainWindow, QStringLiteral("Kwarcyt - Graficzny - Szary"),
          QStringLiteral("Kwarcyt - Wyświetlacz graficzny - Skala szarości"), QSize(258, 258)) {}

void TFormSkalaSzarosci::FormPaint(QPainter& painter) {
  const int base = Settings().grayscaleBase;
  PaintPixelGrid(painter, rect(), kGrayscaleSide, Settings().grayscaleBorder,
                 [&](int row, int column) { return GrayscaleColour(Memory(), base, row, column); });
}

}  // namespace kwarcyt
