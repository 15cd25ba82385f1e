#include "DialogFonts.h"

#include <QStringList>

namespace kwarcyt {

namespace {

QFont PixelFont(const QStringList& families, QFont::StyleHint hint, int pixels) {
  QFont font;
  font.setFamilies(families);
  font.setStyleHint(hint);
  font.setPixelSize(pixels);
  return font;
}

}  // namespace

QFont DialogFont(int pixels) {
  return PixelFont({"MS Sans Serif", "Liberation Sans", "DejaVu Sans"}, QFont::SansSerif, pixels);
}

QFont FixedPitchFont(int pixels) {
  return PixelFont({"Courier New", "Liberation Mono", "DejaVu Sans Mono"}, QFont::Monospace,
                   pixels);
}

QFont SerifFont(int pixels) {
  return PixelFont({"Times New Roman", "Liberation Serif", "DejaVu Serif"}, QFont::Serif, pixels);
}

}  // namespace kwarcyt
