// The two plots as drawn on their pictures: where a level and a frequency land, what lies
// over what, the band colours, the moving labels, and the redraw left to the 2-second timer.
#include "DesignerFixture.h"
#include "calyxon/eq/BandResponse.h"
#include "calyxon/ui/BandColours.h"

namespace calyxon {
namespace {

using Plots = DesignerTest;

forms::TColor Pixel(forms::Image* image, int x, int y) {
  return image->canvas().pixel(x, y);
}

void Fill(GridCurve& curve, double level, int count) {
  std::fill(curve.begin(), curve.begin() + count, level);
}

TEST_F(Plots, LevelsAndFrequenciesLandOnTheirPixelsInDrawingOrder) {
  const int G = design->GridCount;
  Fill(design->TargetCurve, 10, G);   // y 81
  Fill(design->SourceCurve, -10, G);  // y 191, under the total
  Fill(design->ResidualCurve, 0, G);  // y 136, over the grid lines
  Fill(design->BandSumCurve, 0, G);   // total = source
  ComputeBandResponse(*design, 5, 1000, 300, 10);
  design->BandGain[5] = 10;
  form->RedrawCurves();

  // 1 kHz is column 283 of the upper plot.
  EXPECT_EQ(Pixel(form->Image1, 283, 81), forms::clBlue);
  EXPECT_EQ(Pixel(form->Image1, 283, 136), forms::clRed);
  EXPECT_EQ(Pixel(form->Image1, 283, 191), forms::clAqua);
  EXPECT_EQ(Pixel(form->Image1, 283, 30), forms::clLime);  // the 1 kHz line
  EXPECT_EQ(Pixel(form->Image1, 284, 30), forms::clBlack);
  EXPECT_EQ(Pixel(form->Image1, 300, 109), forms::clLime);  // the +5 dB line
  // The band of +10 dB at 1 kHz in its colour (system colour 3, resolved).
  EXPECT_EQ(Pixel(form->Image2, 283, 81), forms::colorToRgb(BandColours[5]));
  EXPECT_EQ(Pixel(form->Image2, 150, 70), forms::clBlack);
  // The frames show an 8-pixel blue rim around the plots above them.
  EXPECT_EQ(Pixel(form->Image3, 4, 4), forms::clBlue);
  EXPECT_EQ(Pixel(form->Image4, 524, 284), forms::clBlue);

  const int upper[] = {93, 121, 148, 175, 203};
  const int lower[] = {395, 423, 450, 477, 505};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(form->UpperLevelLabels[i]->top(), upper[i]) << i;
    EXPECT_EQ(form->LowerLevelLabels[i]->top(), lower[i]) << i;
  }
  EXPECT_EQ(form->CurvesDrawnOnce, 1);
  for (int i = 0; i < G; ++i) ASSERT_EQ(design->TotalCurve[i], -10);
}

TEST_F(Plots, BandsWithoutGainAreNotDrawn) {
  ComputeBandResponse(*design, 4, 1000, 300, 10);
  design->BandGain[4] = 0;  // a gain of 0 is off, whatever the band's curve
  form->RedrawCurves();
  const forms::TColor colour = forms::colorToRgb(BandColours[4]);
  for (int y = 0; y < form->Image2->height(); ++y)
    ASSERT_NE(Pixel(form->Image2, 300, y), colour) << y;
}

// Band 24's colour is the 3-D dark shadow, which must not vanish on the black plot.
TEST_F(Plots, Band24IsDrawnInDarkGreyThatShowsOnTheBlackPlot) {
  ComputeBandResponse(*design, 24, 1000, 300, 10);
  design->BandGain[24] = 10;
  form->RedrawCurves();
  const forms::TColor darkGrey = forms::rgb(64, 64, 64);
  EXPECT_EQ(Pixel(form->Image2, 283, 81), darkGrey);     // the peak, +10 dB at 1 kHz
  for (int x = 0; x < form->Image2->width() - 8; ++x) {  // the curve runs across the plot
    int shown = 0;
    for (int y = 0; y < form->Image2->height(); ++y) shown += Pixel(form->Image2, x, y) == darkGrey;
    ASSERT_GT(shown, 0) << "column " << x;
  }
}

TEST_F(Plots, ChangesReachThePlotsOnlyAtTheTimersTick) {
  form->Timer2->fire();
  ASSERT_EQ(Pixel(form->Image1, 300, 70), forms::clBlack);
  Fill(design->TargetCurve, 12, design->GridCount);  // y 70
  design->RedrawRequested = 1;
  EXPECT_EQ(Pixel(form->Image1, 300, 70), forms::clBlack);
  form->Timer2->fire();
  EXPECT_EQ(Pixel(form->Image1, 300, 70), forms::clBlue);
  EXPECT_EQ(design->RedrawRequested, 0);
  EXPECT_EQ(form->Timer2->interval(), 2000);
  EXPECT_TRUE(form->Timer2->enabled());
}

}  // namespace
}  // namespace calyxon
