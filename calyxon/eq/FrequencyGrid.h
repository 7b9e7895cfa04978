// The designer's EQ frequency grid (eqshared/EqGrid.h): 660 whole-hertz frequencies from 20 Hz
// to 22 kHz on which every curve of the designer lives.
#pragma once

#include "calyxon/eq/EqDesign.h"
#include "eqshared/EqGrid.h"

namespace calyxon {

using eqshared::kGridPoints;

// Builds GridFrequency and sets GridCount to 660; resets PlotReference to 0 dB, PlotMax to +20 dB,
// PlotMin to -20 dB and the first 660 entries of TargetCurve to 0.
void BuildFrequencyGrid(EqDesign& design);

// Index of the grid point nearest to x Hz: the first of equal distances (a value halfway between
// two points gives the lower index); below 20 Hz gives 0, above 22 kHz gives 659. 0 while the
// grid is empty.
using eqshared::NearestGridIndex;

}  // namespace calyxon
