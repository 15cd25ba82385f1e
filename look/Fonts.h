// The program's fonts. The first family of each is the one the windows were designed with; the
// others are metric-compatible stand-ins found on Linux desktops.
#pragma once

#include <QFont>
#include <QList>

class QWidget;

namespace kwarcyt {

QFont SansFont(int pixels);
QFont FixedFont(int pixels, bool bold = false);
QFont SerifFont(int pixels);

// Captions and labels: 11 px sans.
inline QFont CaptionFont() {
  return SansFont(11);
}
// The editor, the program list and every value label: 13 px fixed-width.
inline QFont ValueFont(bool bold = false) {
  return FixedFont(13, bold);
}
// The logo line: 13 px serif, bold italic.
QFont LogoFont();

// A control of a tool window whose text follows Powiększ and Pomniejsz like the editor's. The
// tool windows are made on their first showing, so the zoom finds their marked controls then.
void MarkZoomedText(QWidget& control);
QList<QWidget*> ZoomedTexts(const QWidget& window);

}  // namespace kwarcyt
