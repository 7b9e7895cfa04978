#include "eqshared/EqGrid.h"

#include <cmath>

namespace eqshared {

namespace {

// Appends n points from lo (exclusive) to hi (inclusive), equally spaced in log-frequency and
// rounded to whole hertz.
void AddSegment(EqGrid& grid, int& count, double lo, double hi, int n) {
  for (int j = 1; j <= n; ++j) {
    const double f = std::pow(10.0, std::log10(lo) + (std::log10(hi) - std::log10(lo)) * j / n);
    grid.GridFrequency[count++] = std::floor(f + 0.5);
  }
}

int SegmentCount(double lo, double hi, double points, double decadeLo, double decadeHi) {
  return static_cast<int>(std::floor((std::log10(hi) - std::log10(lo)) * points /
                                     (std::log10(decadeHi) - std::log10(decadeLo))));
}

}  // namespace

void ResetPlotLevels(EqGrid& grid) {
  grid.PlotReference = 0;
  grid.PlotMax = 20;
  grid.PlotMin = -20;
}

void BuildFrequencyGrid(EqGrid& grid) {
  grid.GridCount = kGridPoints;
  ResetPlotLevels(grid);

  int count = 0;
  for (int f = 20; f <= 100; ++f) grid.GridFrequency[count++] = f;

  const int n1 = SegmentCount(100, 800, 250, 100, 1000);
  AddSegment(grid, count, 100, 800, n1);
  AddSegment(grid, count, 800, 1000, 250 - n1);
  const int n3 = SegmentCount(1000, 2400, 250, 1000, 10000);
  AddSegment(grid, count, 1000, 2400, n3);
  const int n4 = SegmentCount(2400, 6000, 250, 1000, 10000);
  AddSegment(grid, count, 2400, 6000, n4);
  AddSegment(grid, count, 6000, 10000, 250 - n3 - n4);
  const int n6 = SegmentCount(10000, 15000, kGridPoints - count, 10000, 22000);
  AddSegment(grid, count, 10000, 15000, n6);
  AddSegment(grid, count, 15000, 22000, kGridPoints - count);
}

int NearestGridIndex(const EqGrid& grid, double x) {
  int best = 0;
  for (int i = 1; i < grid.GridCount; ++i) {
    if (std::fabs(x - grid.GridFrequency[i]) < std::fabs(x - grid.GridFrequency[best])) best = i;
  }
  return best;
}

}  // namespace eqshared
