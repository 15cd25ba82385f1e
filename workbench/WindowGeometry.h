// The main window's size, chosen by the width of the screen when it is first shown.
#pragma once

#include <QSize>

namespace kwarcyt {

inline constexpr QSize kMinimumWindowSize{630, 460};
// The client area the controls' positions are laid out for.
inline constexpr QSize kDesignClientSize{738, 492};

QSize InitialWindowSize(int screenWidth);

}  // namespace kwarcyt
