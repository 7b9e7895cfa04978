// Where a response plot puts a frequency and a level: a logarithmic frequency axis from 20 Hz
// (column 0) to 24 kHz (column W, one past the right edge) and a level axis that spans
// PlotReference - e (row H) to PlotReference + e (row 0), with the margin
// e = max(|PlotMax - PlotReference|, |PlotMin - PlotReference|) + 5 dB (25 dB with the levels
// that the programs set). W and H are the plot picture's width and height.
//
// Positions truncate toward zero. Values far outside the picture (or not numbers) are held
// a million pixels outside it, where drawing clips them.
#pragma once

#include "eqshared/EqGrid.h"

namespace eqshared {

// One point of a curve given by its own frequencies.
struct FinePoint {
  double frequency = 0;  // Hz
  double level = 0;      // dB
};

// The margin e in dB.
double PlotMargin(const EqGrid& levels);

// x(f) = trunc((log10 f - log10 20) / (log10 24000 - log10 20) * W).
int PlotX(double f, int width);

// y(v) = trunc(H - (v - PlotReference + e) / (2e) * H).
int PlotY(double v, int height, const EqGrid& levels);

// The top of the label of level L beside a plot whose picture has its top at plotTop:
// trunc(plotTop + H * (e - L + PlotReference) / (2e) - 6), centred on the level's grid line.
// Held like the other positions: limits such as 1e300 put it far off the window.
int LevelLabelTop(double L, int plotTop, int height, const EqGrid& levels);

}  // namespace eqshared
