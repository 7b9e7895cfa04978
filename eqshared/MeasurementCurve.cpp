#include "eqshared/MeasurementCurve.h"

#include <cmath>
#include <cstddef>

namespace eqshared {

namespace {

// Level at log-frequency x on the line through (x0, y0) and (x1, y1), written as the
// interpolation between the two: y0 + (y1 - y0) * (x - x0) / (x1 - x0).
double OnLine(double y0, double y1, double x, double x0, double x1) {
  return y0 + (y1 - y0) * (x - x0) / (x1 - x0);
}

}  // namespace

double ReferenceLevel(const MeasurementPoints& points, double start) {
  double reference = start;
  for (std::size_t i = 0; i < points.F.size(); ++i) {
    if (points.F[i] - 1000 < 1) reference = points.L[i];
  }
  return reference;
}

bool ResampleOntoGrid(const EqGrid& grid, MeasurementPoints& points, double reference,
                      GridCurve& curve) {
  const std::vector<double>& F = points.F;
  std::vector<double>& L = points.L;
  const std::size_t N = F.size();
  if (N < 2 || L.size() != N) return false;
  for (double& level : L) level = level - reference;

  // Low-end anchor.
  double aF = 0, aL = 0;
  if (F[0] < 100) {
    double sumF = 0, sumL = 0;
    std::size_t count = 0;
    while (count < N && F[count] < 100) {
      sumF += std::log10(F[count]);
      sumL += L[count];
      ++count;
    }
    aF = sumF / count;
    aL = sumL / count;
  } else {
    aF = std::log10(F[1]);
    aL = L[1];
  }
  const double logF0 = std::log10(F[0]);
  bool flatLowEnd = false;
  if (logF0 == aF) {  // the anchor coincides with the first point: take the next frequency
    std::size_t m = 1;
    while (m < N && F[m] == F[0]) ++m;
    if (m < N) {
      aF = std::log10(F[m]);
      aL = L[m];
    } else {
      flatLowEnd = true;
    }
  }

  // Line beyond the last point: through the last point and the last earlier point of another
  // frequency.
  std::size_t last = N - 1, before = N - 2;
  while (before > 0 && F[before] == F[last]) --before;
  const bool flatHighEnd = F[before] == F[last];

  GridCurve result(curve.begin(), curve.end());
  int s = 0;
  if (F[0] > grid.GridFrequency[0]) {
    for (; s < grid.GridCount && grid.GridFrequency[s] <= F[0]; ++s) {
      const double g = grid.GridFrequency[s];
      result[s] = flatLowEnd ? L[0] : aL + (std::log10(g) - aF) * (L[0] - aL) / (logF0 - aF);
    }
  }
  for (; s < grid.GridCount; ++s) {
    const double g = grid.GridFrequency[s];
    std::size_t j = 0;
    while (j + 1 < N && !(F[j] <= g && g <= F[j + 1] && F[j] != F[j + 1])) ++j;
    if (j + 1 < N) {
      result[s] = OnLine(L[j], L[j + 1], std::log10(g), std::log10(F[j]), std::log10(F[j + 1]));
    } else {
      result[s] = flatHighEnd ? L[last]
                              : OnLine(L[before], L[last], std::log10(g), std::log10(F[before]),
                                       std::log10(F[last]));
    }
    if (!std::isfinite(result[s])) return false;
  }
  for (int i = 0; i < s; ++i) {
    if (!std::isfinite(result[i])) return false;
  }
  curve.swap(result);
  return true;
}

}  // namespace eqshared
