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

QFont CaptionFont() {
  return PixelFont({"MS Sans Serif", "Liberation Sans", "DejaVu Sans"}, QFont::SansSerif, 11);
}

QFont ValueFont(bool bold) {
  QFont font =
      PixelFont({"Courier New", "Liberation Mono", "DejaVu Sans Mono"}, QFont::Monospace, 13);
  font.setBold(bold);
  return font;
}

QFont LogoFont() {
  QFont font = PixelFont({"Times New Roman", "Liberation Serif"}, QFont::Serif, 13);
  font.setBold(true);
  font.setItalic(true);
  return font;
}

}  // namespace kwarcyt
