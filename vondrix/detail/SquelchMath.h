// The squelch as the detail windows show it: the threshold as a line in the 155-pixel
// pictures, the first model's SQ bar and dB text, the second model's LED column, and the
// rule of the "Up" button. Plain C++, no widgets.
#pragma once

#include <QString>
#include <string>

namespace vondrix {

// The receiver's threshold t (raw RF units) on one antenna's calibration pair.
struct SquelchThresholdView {
  float db = 0;      // t on the pair's dB scale, single precision (0 for an equal pair)
  int y = 0;         // 155 - trunc(2.5 * dB), unbounded: a threshold off the scale is off
                     // the picture
  int barWidth = 0;  // b = trunc(dB * 4.3): b when b > 1, at most 210; otherwise 0
  QString text;      // dB with one decimal and at most 3 significant digits + "dB"
};
SquelchThresholdView SquelchThreshold(int threshold, int low, int high);

// The SQ bar's width for a threshold of db.
int SquelchBarWidth(float db);

// Whether "Up" may raise the level: the level text below the maximum text, compared
// character by character (the numeric order for two upper-case hex digits).
bool SquelchMayRise(const std::string& level, const std::string& max);

// SQ LEDs lit for a level: two per level from 1 to 5; none at 0, above 5 or for a level
// that is no number.
int SquelchLedsLit(int level);

}  // namespace vondrix
