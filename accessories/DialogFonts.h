// Fonts of the accessory windows. The first family of each is the one the windows were designed
// with; the others are metric-compatible stand-ins found on Linux desktops.
#pragma once

#include <QFont>

namespace kwarcyt {

QFont DialogFont(int pixels);
QFont FixedPitchFont(int pixels);
QFont SerifFont(int pixels);

}  // namespace kwarcyt
