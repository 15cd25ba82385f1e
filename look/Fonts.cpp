#include "Fonts.h"

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

QFont SansFont(int pixels) {
  return PixelFont({"MS Sans Serif", "Liberation Sans", "DejaVu Sans"}, QFont::SansSerif, pixels);
}

QFont FixedFont(int pixels, bool bold) {
  QFont font =
      PixelFont({"Courier New", "Liberation Mono", "DejaVu Sans Mono"}, QFont::Monospace, pixels);
  font.setFixedPitch(true);
  font.setBold(bold);
  return font;
}

QFont SerifFont(int pixels) {
  return PixelFont({"Times New Roman", "Liberation Serif", "DejaVu Serif"}, QFont::Serif, pixels);
}

QFont LogoFont() {
  QFont font = SerifFont(13);
  font.setBold(true);
  font.setItalic(true);
  return font;
}

}  // namespace kwarcyt
