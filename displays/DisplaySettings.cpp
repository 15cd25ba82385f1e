#include "DisplaySettings.h"

#include <algorithm>

namespace kwarcyt {

// Values outside the offered choices select the nearest one rather than no choice at all.
int ChoiceFromBase(int base) {
  return std::clamp(base / DisplaySettings::kBaseStep, 0, DisplaySettings::kBaseChoices - 1);
}

int ChoiceFromRate(int rate) {
  return std::clamp(rate / DisplaySettings::kRateStep - 1, 0, DisplaySettings::kRateChoices - 1);
}

}  // namespace kwarcyt
