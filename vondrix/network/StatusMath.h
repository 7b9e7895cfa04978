// The arithmetic that turns status replies into what the panels show. Integer divisions
// truncate toward zero and are taken in the order written, as the receivers' levels have
// always been shown.
#pragma once

#include <string>

namespace vondrix {

// First model, RF bar of one antenna (range 0..100):
//   s - ((low * 34) / (high - low)) * 100 / 60 + 10.
// A calibration pair of two equal values has no slope; the offset term is then 0.
int RfBarQ5V(int s, int low, int high);
// Second model, RF bar (range 0..150): s - (low * 20) / (high - low) when s > low, else 0.
int RfBarZ3K(int s, int low, int high);
// First model, AF bar (range 0..127): c = 0 below 86, v - 85 up to 214, 214 above;
// trunc(c * log10(130) / log10(c + 2)).
int AfBarQ5V(int v);

// First model's battery display for the code v.
struct BatteryView {
  std::string text;  // "100%", "80%", "40%", "10%" or "OFF"
  bool off = false;  // "OFF": lamp 1 hidden, lamp 2 red, the status line made visible
};
BatteryView BatteryQ5V(int v);

// Second model's antenna letter for the antenna code: "B" 45, "A" 135, "D" otherwise.
std::string AntennaLetterZ3K(int code);

}  // namespace vondrix
