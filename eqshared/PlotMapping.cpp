#include "eqshared/PlotMapping.h"

#include <algorithm>
#include <cmath>

namespace eqshared {

namespace {

// Far outside any picture, and a conversion to int that is always defined.
int Pixel(double position) {
  constexpr double kFar = 1e6;
  if (!(position > -kFar)) return static_cast<int>(-kFar);
  if (!(position < kFar)) return static_cast<int>(kFar);
  return static_cast<int>(position);
}

}  // namespace

double PlotMargin(const EqGrid& levels) {
  return std::max(std::fabs(levels.PlotMax - levels.PlotReference),
                  std::fabs(levels.PlotMin - levels.PlotReference)) +
         5;
}

int PlotX(double f, int width) {
  return Pixel((std::log10(f) - std::log10(20.0)) / (std::log10(24000.0) - std::log10(20.0)) *
               width);
}

int PlotY(double v, int height, const EqGrid& levels) {
  const double e = PlotMargin(levels);
  return Pixel(height - (v - levels.PlotReference + e) / (2 * e) * height);
}

int LevelLabelTop(double L, int plotTop, int height, const EqGrid& levels) {
  const double e = PlotMargin(levels);
  return Pixel(plotTop + height * (e - L + levels.PlotReference) / (2 * e) - 6);
}

}  // namespace eqshared
