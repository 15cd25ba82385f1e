#include "ZoomSteps.h"

#include <algorithm>

namespace kwarcyt {

namespace {

std::size_t StepIndex(int zoom) {
  const auto* step = std::find(kZoomLadder.begin(), kZoomLadder.end(), zoom);
  if (step == kZoomLadder.end()) step = std::find(kZoomLadder.begin(), kZoomLadder.end(), 0);
  return static_cast<std::size_t>(step - kZoomLadder.begin());
}

}  // namespace

bool IsZoomStep(int zoom) {
  return std::find(kZoomLadder.begin(), kZoomLadder.end(), zoom) != kZoomLadder.end();
}

int LargerZoom(int zoom) {
  return kZoomLadder[std::min(StepIndex(zoom) + 1, kZoomLadder.size() - 1)];
}

int SmallerZoom(int zoom) {
  const std::size_t index = StepIndex(zoom);
  return kZoomLadder[index == 0 ? 0 : index - 1];
}

}  // namespace kwarcyt
