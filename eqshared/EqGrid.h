// The EQ frequency grid and the plot levels drawn over it, as plain data that the designer and
// the receiver program's EQ page each hold for themselves.
//
// The grid has 660 whole-hertz frequencies from 20 Hz to 22 kHz on which every curve lives.
// Points 0..80 are 20..100 Hz in steps of 1 Hz; then seven log-spaced segments with about 250
// points per decade end exactly on 800, 1000, 2400, 6000, 10000, 15000 and 22000 Hz (indices
// 305, 330, 425, 524, 580, 620, 659). Curves are arrays of kGridCapacity values indexed like
// GridFrequency; only the first GridCount entries carry meaning.
#pragma once

#include <cstdint>
#include <vector>

namespace eqshared {

inline constexpr int kGridCapacity = 22050;
inline constexpr int kGridPoints = 660;

using GridCurve = std::vector<double>;  // kGridCapacity values

struct EqGrid {
  // Frequencies in Hz: whole numbers, strictly increasing, 660 points once built.
  GridCurve GridFrequency = GridCurve(kGridCapacity, 0.0);
  std::int16_t GridCount = 0;  // 0 until built
  // Plot levels in dB: the reference drawn as 0 dB and the upper and lower limits.
  double PlotReference = 0, PlotMax = 20, PlotMin = -20;
};

// PlotReference := 0 dB, PlotMax := +20 dB, PlotMin := -20 dB.
void ResetPlotLevels(EqGrid& grid);

// Builds GridFrequency, sets GridCount to 660 and resets the plot levels. Callers that own a
// curve drawn over the grid reset its first 660 entries themselves.
void BuildFrequencyGrid(EqGrid& grid);

// Index of the grid point nearest to x Hz: the first of equal distances (a value halfway between
// two points gives the lower index); below 20 Hz gives 0, above 22 kHz gives 659. 0 while the
// grid is empty.
int NearestGridIndex(const EqGrid& grid, double x);

}  // namespace eqshared
