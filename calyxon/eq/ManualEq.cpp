#include "calyxon/eq/ManualEq.h"

#include <algorithm>
#include <cmath>

#include "calyxon/eq/BandDesign.h"
#include "calyxon/eq/BandResponse.h"
#include "calyxon/eq/FrequencyGrid.h"

namespace calyxon {

namespace {

struct ClampCheck {
  double scale;  // the value is compared after this factor (kHz to Hz for Fc)
  double upper, lower;
  double writtenUpper, writtenLower;
};

ClampCheck ChecksOf(ManualField field) {
  switch (field) {
    case ManualField::Fc:
      return {1000, 20000, 20, 20, 0.02};
    case ManualField::Q:
      return {1, kHighShelfQ, kLowShelfQ, kHighShelfQ, kLowShelfQ};
    case ManualField::Gain:
      break;
  }
  return {1, 20, -20, 20, -20};
}

}  // namespace

double BandwidthForQ(double Fc, double Q) {
  if (Q == kLowShelfQ) return 0;
  if (Q == kHighShelfQ) return kHighShelfBw;
  return Fc / Q;
}

std::optional<double> ClampedValue(ManualField field, int check, double value) {
  const ClampCheck c = ChecksOf(field);
  const double v = value * c.scale;
  if (check == 0 && v > c.upper) return c.writtenUpper;
  if (check == 1 && v < c.lower) return c.writtenLower;
  return std::nullopt;
}

void ApplyManualBands(EqDesign& design, const ManualBands& bands) {
  for (int k = 0; k < kManualBandCount; ++k) {
    const int b = kFirstManualBand + k;
    double v = bands[k].Fc * 1000;
    if (k == 1) v = std::trunc(v);
    design.BandFc[b] = design.GridFrequency[NearestGridIndex(design, v)];
    design.BandBw[b] = BandwidthForQ(design.BandFc[b], bands[k].Q);
    design.BandGain[b] = bands[k].Gain;
  }
  const int count = design.GridCount;
  for (int b = kFirstManualBand; b < kBandCount; ++b) {
    if (design.BandFc[b] != 0 && design.BandGain[b] != 0)
      ComputeBandResponse(design, static_cast<std::int16_t>(b), design.BandFc[b], design.BandBw[b],
                          design.BandGain[b]);
    else
      std::fill(design.BandResponse[b].begin(), design.BandResponse[b].begin() + count, 0.0);
  }
  SumBandResponses(design);
  for (int i = 0; i < count; ++i) {
    design.ErrorCurve[i] = design.TargetCurve[i] - (design.BandSumCurve[i] + design.SourceCurve[i]);
    design.ResidualCurve[i] = design.ErrorCurve[i];
  }
}

ManualBarPositions BarPositionsFor(const EqDesign& design, const ManualBand& band,
                                   bool truncateFc) {
  ManualBarPositions p;
  const double hz = band.Fc * 1000;
  p.Fc = NearestGridIndex(design, truncateFc ? std::trunc(hz) : hz);
  p.Bw = band.Q == kLowShelfQ ? 0 : band.Q == kHighShelfQ ? 20000 : static_cast<int>(band.Q * 100);
  p.Gain = static_cast<int>(band.Gain * 100);
  return p;
}

double FcFromBar(const EqDesign& design, int position) {
  return design.GridFrequency[std::clamp(position, 0, kGridCapacity - 1)] * 0.001;
}

double StepFromBar(int position) {
  return position * 0.01;
}

char16_t FilterEditKey(char16_t key, char16_t decimalSeparator) {
  const bool passes = (key >= u'0' && key <= u'9') || key == u'.' || key == u'-' || key == 8 ||
                      key == 13 || key == decimalSeparator;
  return passes ? key : 0;
}

ManualBand ManualBandFromDesign(const EqDesign& design, int b) {
  const double Bw = design.BandBw[b];
  ManualBand band;
  band.Fc = design.GridFrequency[NearestGridIndex(design, design.BandFc[b])] * 0.001;
  band.Q = Bw == 0 ? kLowShelfQ : Bw == kHighShelfBw ? kHighShelfQ : design.BandFc[b] / Bw;
  // A quotient beyond any number would give the edit a text that no read takes back ("INF");
  // the edit's limits make it 200 or 0 in any case.
  if (std::isinf(band.Q)) band.Q = band.Q > 0 ? kHighShelfQ : kLowShelfQ;
  band.Gain = design.BandGain[b];
  return band;
}

}  // namespace calyxon
