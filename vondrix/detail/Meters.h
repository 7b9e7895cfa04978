// What the second model's window shows for one status reply: how many LEDs of its RF, AF
// and battery columns light (counted from the bottom) and where the direction pie points.
// Plain arithmetic, no widgets.
#pragma once

#include <optional>

namespace vondrix {

inline constexpr int kRfLeds = 14;
inline constexpr int kAfLeds = 10;
inline constexpr int kBatteryLeds = 9;

// RF LEDs for a raw reading on antenna A's pair: the level in whole dB (truncated), turned
// into microvolts (10^(dB / 20), single precision), lights one LED for each of the
// thresholds 2, 5, 8, 10, 20, 40, 60, 80, 100, 120, 200, 350, 550 and 750 uV it reaches.
int RfLedCount(int raw, int calLowA, int calHighA);
// AF level 0..6 lights 0, 2, 4, 6, 8, 9 or 10 LEDs; any other value none.
int AfLedCount(int af);
// Battery level 0..5 lights 0, 1, 3, 5, 7 or 9 LEDs; any other value none.
int BatteryLedCount(int battery);

// The pie's wedge for an antenna or direction code (degrees, counter-clockwise from three
// o'clock); nothing for a code without a wedge, which leaves the pie as it is.
struct PieAngles {
  int start = 0;
  int end = 0;
};
std::optional<PieAngles> DirectionPieAngles(int code);

}  // namespace vondrix
