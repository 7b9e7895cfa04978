// The plot primitives' pixels on a plot picture of the designer's size.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "eqshared/PlotDrawing.h"
#include "forms/Image.h"

namespace eqshared {
namespace {

using forms::Canvas;
using forms::TColor;

class EqPlotDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    image.resize(513, 273);
    BuildFrequencyGrid(grid);
  }
  Canvas& canvas() { return image.canvas(); }
  TColor At(int x, int y) { return canvas().pixel(x, y); }
  // Columns of row y, or rows of column x, that hold the colour.
  std::set<int> ColumnsIn(int y, TColor color) {
    std::set<int> found;
    for (int x = 0; x < 513; ++x)
      if (At(x, y) == color) found.insert(x);
    return found;
  }
  std::set<int> RowsIn(int x, TColor color) {
    std::set<int> found;
    for (int y = 0; y < 273; ++y)
      if (At(x, y) == color) found.insert(y);
    return found;
  }
  void ExpectPen(TColor color, int width) {
    EXPECT_EQ(canvas().pen.color, color);
    EXPECT_EQ(canvas().pen.width, width);
    EXPECT_EQ(canvas().pen.style, forms::psSolid);
  }

  forms::Image image{nullptr};
  EqGrid grid;
  GridCurve flat = GridCurve(kGridCapacity, 0.0);
};

TEST_F(EqPlotDrawingTest, A0dBCurveCrossesTheMiddleRowAndLeavesThePenSet) {
  canvas().pen = {forms::clBlue, 7};
  DrawGridCurve(canvas(), grid, flat, forms::clRed, forms::psSolid, 2);
  ExpectPen(forms::clRed, 2);
  EXPECT_EQ(At(283, 136), forms::clRed);  // 1 kHz
  EXPECT_EQ(At(0, 136), forms::clRed);    // 20 Hz
  EXPECT_EQ(At(506, 136), forms::clRed);  // 22 kHz, the grid's last point
  EXPECT_EQ(At(283, 100), forms::clWhite);
  EXPECT_EQ(At(512, 136), forms::clWhite);  // nothing beyond the grid

  // A curve follows its values: +25 dB at the grid's first point is on row 0.
  GridCurve rising = flat;
  rising[0] = 25;
  DrawGridCurve(canvas(), grid, rising, forms::clLime, forms::psSolid, 1);
  EXPECT_EQ(At(0, 0), forms::clLime);
  ExpectPen(forms::clLime, 1);
}

TEST_F(EqPlotDrawingTest, NothingIsDrawnWithoutAGrid) {
  const EqGrid empty;
  const QImage before = image.canvas().target()->copy();
  DrawGridCurve(canvas(), empty, flat, forms::clRed, forms::psSolid, 2);
  ExpectPen(forms::clRed, 2);
  DrawLevelLine(canvas(), empty, 0, forms::clAqua, forms::psSolid, 3);
  ExpectPen(forms::clAqua, 3);
  DrawCoarseLevelLines(canvas(), empty, forms::clLime);
  EXPECT_EQ(*image.canvas().target(), before);
}

TEST_F(EqPlotDrawingTest, LevelLinesSpanThePlotAtTheirRows) {
  DrawLevelLine(canvas(), grid, 10, forms::clYellow, forms::psSolid, 1);
  ExpectPen(forms::clYellow, 1);
  EXPECT_EQ(ColumnsIn(81, forms::clYellow).size(), 513u);  // x(20 Hz) = 0 to x(24 kHz) = W

  // Coarse lines: -20..20 dB with the standard margin of 25 dB, -25..25 with 35 dB.
  DrawCoarseLevelLines(canvas(), grid, forms::clGreen);
  EXPECT_EQ(RowsIn(200, forms::clGreen), (std::set<int>{27, 54, 81, 109, 136, 163, 191, 218, 245}));
  ExpectPen(forms::clGreen, 1);
  grid.PlotMax = 30;
  DrawCoarseLevelLines(canvas(), grid, forms::clNavy);
  EXPECT_EQ(RowsIn(200, forms::clNavy).size(), 11u);
}

TEST_F(EqPlotDrawingTest, FrequencyLinesKeepTheWidthAndSpanTheHeight) {
  DrawPlotRectangle(canvas(), forms::clBlack, 1);
  EXPECT_EQ(RowsIn(200, forms::clBlack).size(), 273u);
  EXPECT_EQ(ColumnsIn(272, forms::clBlack).size(), 513u);

  DrawFrequencyLines(canvas(), grid, forms::cl3DLight);
  const TColor light = forms::colorToRgb(forms::cl3DLight);
  EXPECT_EQ(canvas().pen.color, forms::cl3DLight);
  EXPECT_EQ(canvas().pen.width, 1);
  std::set<int> expected;
  for (double hz :
       {30,  40,  50,   60,   70,   80,   90,   100,  200,  300,  400,  500,   600,  700,
        800, 900, 1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000, 20000})
    expected.insert(PlotX(hz, 513));
  EXPECT_EQ(ColumnsIn(0, light), expected);
  EXPECT_EQ(ColumnsIn(272, light), expected);
  EXPECT_EQ(RowsIn(PlotX(1000, 513), light).size(), 273u);

  // A wider pen stays wider.
  DrawPlotRectangle(canvas(), forms::clBlack, 1);
  canvas().pen.width = 3;
  DrawFrequencyLines(canvas(), grid, forms::clLime);
  EXPECT_EQ(canvas().pen.width, 3);
  EXPECT_GT(ColumnsIn(136, forms::clLime).size(), expected.size());
}

TEST_F(EqPlotDrawingTest, ABandPointAt0HzStandsAt1Hz) {
  const std::vector<FinePoint> band = {{0, 25}, {1000, -25}};
  DrawBandCurve(canvas(), grid, band, forms::clPurple, forms::psSolid, 1);
  ExpectPen(forms::clPurple, 1);
  // The line from (x(1 Hz), 0) = (-216, 0) to (283, 273) enters the plot near row 118.
  const std::set<int> rows = RowsIn(0, forms::clPurple);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_NEAR(*rows.begin(), 118, 1);
}

}  // namespace
}  // namespace eqshared
