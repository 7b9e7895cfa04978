#include "calyxon/eq/ManualBands.h"

#include <algorithm>
#include <cmath>

#include "calyxon/eq/BandResponse.h"
#include "runtime/FloatText.h"

namespace calyxon {

namespace {

// One field's limits: the edit's value times scale is held within [low, high].
struct ClampRule {
  double scale, low, high;
  const char* lowText;
  const char* highText;
};

const ClampRule& RuleFor(ManualField field) {
  static const ClampRule kRules[] = {
      {1000, 20, 20000, "0.02", "20"},  // Fc: kHz edit, limits in Hz
      {1, 0, kHighShelfQ, "0", "200"},  // Q
      {1, -20, 20, "-20", "20"},        // gain, dB
  };
  return kRules[static_cast<int>(field)];
}

int QBarPosition(double Q) {
  if (Q == 0) return 0;
  if (Q == kHighShelfQ) return kQBarMax;
  return static_cast<int>(Q * 100);
}

}  // namespace

double EditValue(const QString& text) {
  return static_cast<double>(runtime::StrToFloat(text));
}

QString ClampedEditText(ManualField field, const QString& text) {
  const ClampRule& rule = RuleFor(field);
  QString result = text;
  if (EditValue(result) * rule.scale > rule.high) result = rule.highText;
  if (EditValue(result) * rule.scale < rule.low) result = rule.lowText;
  return result;
}

double BandwidthForQ(double Fc, double Q) {
  if (Q == 0) return 0;
  if (Q == kHighShelfQ) return kHighShelfBw;
  return Fc / Q;
}

ManualBandValues ManualBandFromEdits(const eqshared::EqGrid& grid, int k,
                                     const ManualBandTexts& texts) {
  double hz = EditValue(texts.Fc) * 1000;
  if (k == 2) hz = std::trunc(hz);
  ManualBandValues band;
  band.Fc = grid.GridFrequency[eqshared::NearestGridIndex(grid, hz)];
  band.Bw = BandwidthForQ(band.Fc, EditValue(texts.Q));
  band.Gain = EditValue(texts.Gain);
  return band;
}

void RecomputeManualBands(EqDesign& design,
                          const std::array<ManualBandValues, kManualBandCount>& bands) {
  for (int k = 0; k < kManualBandCount; ++k) {
    const int b = kFirstManualBand + k;
    design.BandFc[b] = bands[k].Fc;
    design.BandBw[b] = bands[k].Bw;
    design.BandGain[b] = bands[k].Gain;
  }
  for (int b = kFirstManualBand; b < kBandCount; ++b) {
    if (design.BandFc[b] != 0 && design.BandGain[b] != 0) {
      ComputeBandResponse(design, static_cast<std::int16_t>(b), design.BandFc[b], design.BandBw[b],
                          design.BandGain[b]);
    } else {
      std::fill_n(design.BandResponse[b].begin(), design.GridCount, 0.0);
    }
  }
  SumBandResponses(design);
  for (int i = 0; i < design.GridCount; ++i) {
    design.ErrorCurve[i] = design.TargetCurve[i] - (design.BandSumCurve[i] + design.SourceCurve[i]);
    design.ResidualCurve[i] = design.ErrorCurve[i];
  }
}

BarPositions BarPositionsFromEdits(const eqshared::EqGrid& grid, const ManualBandTexts& texts,
                                   bool truncateHz) {
  double hz = EditValue(texts.Fc) * 1000;
  if (truncateHz) hz = std::trunc(hz);
  BarPositions bars;
  bars.Fc = eqshared::NearestGridIndex(grid, hz);
  bars.Bw = QBarPosition(EditValue(texts.Q));
  bars.Gain = static_cast<int>(EditValue(texts.Gain) * 100);
  return bars;
}

QString FcTextFromBar(const eqshared::EqGrid& grid, int position) {
  return runtime::FloatToStr(grid.GridFrequency[std::clamp(position, 0, kGridCapacity - 1)] *
                             0.001);
}

QString StepTextFromBar(int position) {
  return runtime::FloatToStr(position * 0.01);
}

QString GridKhzText(const eqshared::EqGrid& grid, double hz) {
  return FcTextFromBar(grid, eqshared::NearestGridIndex(grid, hz));
}

ManualBandTexts ManualBandTextsFromBand(const EqDesign& design, int b) {
  const double Bw = design.BandBw[b];
  ManualBandTexts texts;
  texts.Fc = GridKhzText(design, design.BandFc[b]);
  texts.Q = Bw == 0              ? QStringLiteral("0")
            : Bw == kHighShelfBw ? QStringLiteral("200")
                                 : runtime::FloatToStr(design.BandFc[b] / Bw);
  texts.Gain = runtime::FloatToStr(design.BandGain[b]);
  return texts;
}

}  // namespace calyxon
