// The two response plots: the frame with its level and frequency lines and moving level
// labels, and the full redraw of every curve, in the order that stacks them.
#include <cmath>

#include "calyxon/ui/BandColours.h"
#include "calyxon/ui/DesignerForm.h"
#include "eqshared/PlotDrawing.h"

namespace calyxon {

namespace {

constexpr std::array<int, 5> kLabelLevels = {10, 5, 0, -5, -10};

// Tops of the level labels of a plot: each centred on the grid line of its level.
void MoveLevelLabels(const std::array<forms::Label*, 5>& labels, const forms::Image& plot,
                     const eqshared::EqGrid& levels) {
  for (int i = 0; i < 5; ++i)
    labels[i]->setTop(eqshared::LevelLabelTop(kLabelLevels[i], plot.top(), plot.height(), levels));
}

}  // namespace

void TForm1::DrawResponsePlots() {
  forms::Canvas& upper = Image1->canvas();
  forms::Canvas& lower = Image2->canvas();
  for (forms::Canvas* plot : {&upper, &lower})
    eqshared::DrawPlotRectangle(*plot, forms::clBlack, 1);
  if (Design.GridCount == 0) BuildFrequencyGrid();

  const double e = eqshared::PlotMargin(Design);
  MoveLevelLabels(UpperLevelLabels, *Image1, Design);
  MoveLevelLabels(LowerLevelLabels, *Image2, Design);
  for (int L = -4; L <= 4; ++L) {
    if (!(-e < L && L < e)) continue;
    for (forms::Canvas* plot : {&upper, &lower})
      eqshared::DrawLevelLine(*plot, Design, L, forms::clLime, forms::psSolid, 1);
  }
  for (forms::Canvas* plot : {&upper, &lower})
    eqshared::DrawCoarseLevelLines(*plot, Design, forms::clLime);
  for (forms::Canvas* plot : {&upper, &lower})
    eqshared::DrawFrequencyLines(*plot, Design, forms::clLime);
  for (forms::Image* frame : {Image3, Image4})
    eqshared::DrawPlotRectangle(frame->canvas(), forms::clBlue, 20);
}

void TForm1::RedrawCurves() {
  Image1->repaint();
  setDoubleBuffered(true);
  DrawResponsePlots();

  forms::Canvas& upper = Image1->canvas();
  eqshared::DrawGridCurve(upper, Design, Design.TargetCurve, forms::clBlue, forms::psSolid, 4);
  eqshared::DrawGridCurve(upper, Design, Design.SourceCurve, forms::clGreen, forms::psSolid, 4);
  eqshared::DrawGridCurve(upper, Design, Design.ResidualCurve, forms::clRed, forms::psSolid, 2);

  forms::Canvas& lower = Image2->canvas();
  for (int n = 0; n < kBandCount; ++n) {
    if (Design.BandGain[n] == 0) continue;
    eqshared::DrawBandCurve(lower, Design, Design.FineCurve[n], BandColours[n], forms::psSolid, 2);
  }

  for (int i = 0; i < Design.GridCount; ++i)
    Design.TotalCurve[i] = Design.BandSumCurve[i] + Design.SourceCurve[i];
  eqshared::DrawGridCurve(upper, Design, Design.TotalCurve, forms::clAqua, forms::psSolid, 2);
  CurvesDrawnOnce = 1;
}

}  // namespace calyxon
