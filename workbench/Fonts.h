// The window's fonts. The first family of each is the one the program was designed with; the
// others are metric-compatible stand-ins found on Linux desktops.
#pragma once

#include <QFont>

namespace kwarcyt {

// Captions and labels: 11 px sans.
QFont CaptionFont();
// The editor, the program list and every value label: 13 px fixed-width.
QFont ValueFont(bool bold = false);
// The logo line: 13 px serif, bold italic.
QFont LogoFont();

}  // namespace kwarcyt
