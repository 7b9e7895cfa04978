// From measured points to a curve on the EQ frequency grid.
//
// A measurement is a list of (frequency in Hz, level in dB) points in file order. It is
// normalised by a reference level (the level of the last point below 1001 Hz, normally the
// 1 kHz point) and resampled onto the grid by straight lines in log-frequency:
// - below the first measured frequency (only when that lies above 20 Hz), on the line from a
//   low-end anchor through the first point; the anchor is the mean log-frequency and mean level
//   of the leading points below 100 Hz, or the second point when the first is at 100 Hz or above;
// - between two measured points, on the line through them (the first pair in file order that
//   holds the grid frequency);
// - beyond the last measured frequency, on the line through the last two points.
//
// Points that share a frequency give no line: such a pair is skipped, and an anchor or end line
// that would pass through two points of one frequency takes the next point of another frequency
// instead (flat at the outer point's level when there is none). So no curve ever holds NaN.
#pragma once

#include <vector>

#include "eqshared/EqGrid.h"

namespace eqshared {

struct MeasurementPoints {
  std::vector<double> F;  // Hz, > 0
  std::vector<double> L;  // dB
};

// The reference level: start, replaced by the level of every point whose F - 1000 < 1.
double ReferenceLevel(const MeasurementPoints& points, double start);

// Subtracts reference from every level of points, then writes the first GridCount entries of
// curve. Returns false, leaving curve untouched, when there are fewer than two points or a
// resampled value is not finite.
bool ResampleOntoGrid(const EqGrid& grid, MeasurementPoints& points, double reference,
                      GridCurve& curve);

}  // namespace eqshared
