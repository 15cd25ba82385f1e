#include "Fonts.h"

#include <QStringList>
#include <QWidget>

namespace kwarcyt {

namespace {

constexpr char kZoomedText[] = "kwarcytZoomedText";

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

void MarkZoomedText(QWidget& control) {
  control.setProperty(kZoomedText, true);
}

QList<QWidget*> ZoomedTexts(const QWidget& window) {
  QList<QWidget*> marked;
  for (QWidget* control : window.findChildren<QWidget*>()) {
    if (control->property(kZoomedText).toBool()) marked.append(control);
  }
  return marked;
}

}  // namespace kwarcyt
