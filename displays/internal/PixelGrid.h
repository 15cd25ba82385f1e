// Painting of the graphic displays: one square per pixel, rows top to bottom, on black.
#pragma once

#include <QPainter>

#include "displays/DisplayPixels.h"

namespace kwarcyt {

// colourAt(row, column) gives the QRgb of a pixel. With the border on, every square keeps a
// one-pixel black outline inside its 16 x 16 area.
template <typename ColourAt>
void PaintPixelGrid(QPainter& painter, const QRect& clientArea, int side, bool border,
                    ColourAt colourAt) {
  painter.fillRect(clientArea, Qt::black);
  const int inset = border ? 1 : 0;
  for (int row = 0; row < side; ++row) {
    for (int column = 0; column < side; ++column) {
      painter.fillRect(PixelSquare(row, column).adjusted(inset, inset, -inset, -inset),
                       QColor(colourAt(row, column)));
    }
  }
}

}  // namespace kwarcyt
