// The EQ frequency grid: 660 whole-hertz frequencies from 20 Hz to 22 kHz on which every curve of
// the designer lives. Points 0..80 are 20..100 Hz in steps of 1 Hz; then seven log-spaced
// segments with about 250 points per decade end exactly on 800, 1000, 2400, 6000, 10000, 15000
// and 22000 Hz (indices 305, 330, 425, 524, 580, 620, 659).
#pragma once

#include "calyxon/eq/EqDesign.h"

namespace calyxon {

inline constexpr int kGridPoints = 660;

// Builds GridFrequency and sets GridCount to 660; resets PlotReference to 0 dB, PlotMax to +20 dB,
// PlotMin to -20 dB and the first 660 entries of TargetCurve to 0.
void BuildFrequencyGrid(EqDesign& design);

// Index of the grid point nearest to x Hz: the first of equal distances (a value halfway between
// two points gives the lower index); below 20 Hz gives 0, above 22 kHz gives 659. 0 while the
// grid is empty.
int NearestGridIndex(const EqDesign& design, double x);

}  // namespace calyxon
