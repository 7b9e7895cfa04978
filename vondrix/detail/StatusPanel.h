// What the first model's status panel shows for one status reply: the two RF bars with
// their colours and the antenna lamps, the deviation bar and its peak lamp, the battery
// box, and the drop counters. Plain arithmetic, no widgets; the window applies the result.
//
// Levels are whole dB on the receiver's calibration scale (RfLevel.h), truncated. A bar is
// level * 4.33 pixels (single precision), 259 at most. A bar's colour follows the level in
// microvolts, 10^(dB / 20): above 100 lime, between 10 and 100 orange, below 10 red;
// exactly 10 or 100 leaves the colour as it was.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vondrix {

enum class PanelColor { Lime, Red, White, Orange, Yellow, Aqua };

struct StatusBytes {
  int32_t StatusAf = 0, StatusRfA = 0, StatusRfB = 0, StatusBattery = 0;
};

struct Calibration {
  int32_t RfCalLowA = 0, RfCalLowB = 0, RfCalHighA = 0, RfCalHighB = 0;
};

struct RfBarView {
  int width = 0;
  std::optional<PanelColor> color;  // nothing: unchanged
};

struct StatusPanelView {
  int levA = 0, levB = 0;  // dB after the antenna alignment
  int sq = 0;              // the squelch threshold in dB (antenna A's scale)
  RfBarView barA, barB;
  std::optional<PanelColor> lampA, lampB;  // nothing: unchanged
  int deviationWidth = 0;
  PanelColor peakLamp = PanelColor::Lime;
  std::string batteryText;
  PanelColor batteryColor = PanelColor::Aqua;
};

// The panel for one status reply. squelchThreshold is the receiver's 2-digit hexadecimal
// threshold text; text that is no number counts as 1.
StatusPanelView ComputeStatusPanel(const StatusBytes& s, const Calibration& c,
                                   const std::string& squelchThreshold);

// Drop counting: one drop is one fall of an antenna from at or above the squelch level to
// below it, counted only while counting is on.
struct DropCounters {
  int32_t DropCountingOn = 0;
  int32_t AboveSquelchA = 0, AboveSquelchB = 0;
  int32_t DropCountA = 0, DropCountB = 0;
  void Clear() { AboveSquelchA = AboveSquelchB = DropCountA = DropCountB = 0; }
};

// Counts the drops of one display; returns which counters changed.
struct DropChange {
  bool a = false, b = false;
};
DropChange CountDrops(DropCounters& d, const StatusPanelView& v);

}  // namespace vondrix
