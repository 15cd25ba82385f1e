// The text sizes the zoom commands step through: each text control's own design size, and point
// sizes for reading from afar. A zoom is stored as its point size, 0 for the design sizes.
#pragma once

#include <array>

namespace kwarcyt {

inline constexpr int kDesignZoom = 0;

// In the order of size. The design size of the program's text (13 px, 9.75 pt on the 96 dpi
// screen it was drawn for) stands between 9 and 10 pt.
inline constexpr std::array<int, 15> kZoomLadder{8,  9,  kDesignZoom, 10, 11, 12, 14, 16,
                                                 18, 20, 24,          28, 32, 36, 40};

bool IsZoomStep(int zoom);
// The next step up or down the ladder; the end of the ladder stays where it is. A value not on
// the ladder counts as the design size.
int LargerZoom(int zoom);
int SmallerZoom(int zoom);

}  // namespace kwarcyt
