// Where the response plots put frequencies and levels.
#include <gtest/gtest.h>

#include <cmath>

#include "eqshared/PlotMapping.h"

namespace eqshared {
namespace {

TEST(EqPlotMapping, FrequenciesOnA513PixelWidePlot) {
  const struct {
    double hz;
    int x;
  } cases[] = {{20, 0},      {100, 116},   {1000, 283}, {10000, 449},
               {20000, 499}, {22000, 506}, {24000, 513}};
  for (const auto& c : cases) EXPECT_EQ(PlotX(c.hz, 513), c.x) << c.hz;
}

TEST(EqPlotMapping, LevelsOnA273PixelHighPlot) {
  EqGrid standard;  // reference 0, +20, -20: e = 25
  EqGrid shifted;
  shifted.PlotReference = 3;
  shifted.PlotMax = 23;
  shifted.PlotMin = -17;
  EqGrid wide;
  wide.PlotMax = 30;  // e = 35
  const struct {
    const char* name;
    const EqGrid& levels;
    double dB;
    int y;
  } cases[] = {
      {"top edge", standard, 25, 0},
      {"0 dB", standard, 0, 136},
      {"bottom edge", standard, -25, 273},
      {"above the plot", standard, 30, -27},
      {"reference drawn as 0 dB", shifted, 3, 136},
      {"wider margin", wide, 35, 0},
      {"wider margin, 10 dB", wide, 10, 97},
      {"10 dB", standard, 10, 81},
      {"not a number", standard, NAN, -1000000},
      {"huge", standard, -1e300, 1000000},
  };
  EXPECT_EQ(PlotMargin(standard), 25);
  EXPECT_EQ(PlotMargin(wide), 35);
  for (const auto& c : cases) EXPECT_EQ(PlotY(c.dB, 273, c.levels), c.y) << c.name;
}

TEST(EqPlotMapping, LevelLabelsSitOnTheirLinesAndLimitsBeyondAnyPlotHoldThemOffIt) {
  EqGrid standard;
  EqGrid beyond;  // as a project may hold them
  beyond.PlotMax = beyond.PlotMin = beyond.PlotReference = 1e300;
  EqGrid opposite;  // e overflows: every position is not a number
  opposite.PlotMax = 1.7e308;
  opposite.PlotReference = -1.7e308;
  const struct {
    const char* name;
    const EqGrid& levels;
    double L;
    int top;
  } cases[] = {
      {"10 dB beside the upper plot", standard, 10, 93},
      {"-10 dB beside the upper plot", standard, -10, 203},
      {"all limits 1e300", beyond, 10, 1000000},
      {"e not a number", opposite, -10, -1000000},
  };
  for (const auto& c : cases) EXPECT_EQ(LevelLabelTop(c.L, 18, 273, c.levels), c.top) << c.name;
  EXPECT_EQ(LevelLabelTop(0, 320, 273, standard), 450);
}

}  // namespace
}  // namespace eqshared
