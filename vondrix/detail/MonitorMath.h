// Where the RF monitor plots a raw RF reading on its 155-pixel-high picture. Plain
// arithmetic, no widgets.
//
// The height in pixels is trunc(2.5 * (raw - (low - 6 / k)) * k) with k = 34 / (high - low)
// held in single precision (RfSlope) and the rest in extended precision, evaluated in that
// order: the factor 2.5 goes on before k, unlike the frequency tuning's plot position. An
// equal calibration pair has no scale and plots every reading at 0 dB.
#pragma once

#include "vondrix/detail/PictureScale.h"

namespace vondrix {

// Where a trace starts and where no signal lies: the row above the pictures' bottom.
inline constexpr int kMonitorBaseline = kPictureHeight - 1;
inline constexpr int kMonitorTop = 5;  // the highest row a sample reaches

// The height of a raw reading on the pair's scale, in pixels.
int MonitorPixels(int raw, int low, int high);

// The row of a sample of that height: 155 - pixels, never above kMonitorTop; the baseline
// for a height of 1 or less.
int MonitorY(int pixels);

}  // namespace vondrix
