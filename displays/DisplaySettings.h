// Where the three memory-mapped displays look and how often they redraw. The main window holds
// one record for the whole run of the program; only the settings dialog changes it.
#pragma once

namespace kwarcyt {

struct DisplaySettings {
  static constexpr int kBaseStep = 0x1000;
  static constexpr int kBaseChoices = 16;  // 0000h, 1000h, ... F000h
  static constexpr int kRateStep = 5;
  static constexpr int kRateChoices = 6;  // 5, 10, ... 30 frames per second

  int alphanumericBase = 0x1000;
  int grayscaleBase = 0x3000;
  int monochromeBase = 0x2000;
  int alphanumericRate = 25;
  int grayscaleRate = 25;
  int monochromeRate = 25;
  bool grayscaleBorder = false;
  bool monochromeBorder = false;

  void SetDefaults() { *this = DisplaySettings{}; }
  bool operator==(const DisplaySettings&) const = default;
};

// The timer interval of a display refreshed `rate` times a second, in whole milliseconds.
// A rate the dialog could never choose still gives a usable interval instead of a division by 0.
constexpr int RefreshInterval(int rate) {
  return 1000 / (rate > 0 ? rate : 1);
}

// The settings dialog offers the bases and rates as numbered choices.
constexpr int BaseFromChoice(int choice) {
  return choice * DisplaySettings::kBaseStep;
}
constexpr int RateFromChoice(int choice) {
  return DisplaySettings::kRateStep * choice + DisplaySettings::kRateStep;
}
int ChoiceFromBase(int base);
int ChoiceFromRate(int rate);

}  // namespace kwarcyt
