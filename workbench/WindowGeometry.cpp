#include "WindowGeometry.h"

namespace kwarcyt {

QSize InitialWindowSize(int screenWidth) {
  switch (screenWidth) {
    case 640:
      return {630, 460};
    case 800:
      return {700, 500};
    case 848:
      return {700, 460};
    case 1024:
      return {800, 600};
    default:
      return {900, 700};
  }
}

}  // namespace kwarcyt
