// The pieces of the fitting around its loop: search ranges, error peak, texts.
#include <cmath>
#include <cstdio>

#include "calyxon/eq/AutoTune.h"
#include "calyxon/eq/FrequencyGrid.h"

namespace calyxon {

double FindErrorPeak(const EqDesign& design, double& lo, double& hi) {
  const GridCurve& E = design.ErrorCurve;
  const int end = NearestGridIndex(design, 21000);
  int peak = 0;
  for (int k = 1; k < end; ++k) {
    if (std::fabs(E[k]) > std::fabs(E[peak])) peak = k;
  }
  const double P = E[peak];
  int j = peak;
  while (E[j] * P >= 0 && j > 0) --j;
  lo = design.GridFrequency[j];
  if (lo < 20) lo = 20;
  int i = peak;
  while (E[i] * P >= 0 && i < design.GridCount - 1) ++i;
  hi = design.GridFrequency[i];
  if (lo == hi) hi = hi * 2;
  if (hi > 21000) hi = 21000;
  return P;
}

BandSearch BandSearchRanges(const EqDesign& design, std::int16_t n) {
  BandSearch r;
  if (n == 0) {
    const double T0 = design.TargetCurve[0];
    r.Fc = {20, 100, 4};
    r.BW = {0, 0, 1};
    r.Gain = {T0 - 10, T0 + 10, 0.2};
  } else if (n == 1) {
    const double T659 = design.TargetCurve[design.GridCount - 1];
    r.Fc = {10000, 20000, 500};
    r.BW = {22050, 22050, 1};
    r.Gain = {T659 - 10, T659 + 10, 0.2};
  } else {
    double lo = 0, hi = 0;
    const double P = FindErrorPeak(design, lo, hi);
    const bool fast = design.AutoTuneMode == 1;
    const double part = fast ? 0.1 : 0.05;
    r.Fc = {lo, hi, std::ceil(hi - lo) * 0.1};
    r.BW = {part * (hi - lo), hi - lo, part * (hi - lo)};
    r.Gain = {P - 2, P, fast ? 0.2 : 0.05};
  }
  return r;
}

// Why every loop of a band advances and ends, on the grid of BuildFrequencyGrid and with levels
// within kFitLevelLimit = 1e12 dB (a level of 1e16 dB would stall the gain loop: there
// 1e16 + 0.2 == 1e16):
// - Fc: bands 0 and 1 run 20..100 by 4 and 10000..20000 by 500. A peak band runs lo..hi by
//   ceil(hi - lo) * 0.1, with lo and hi whole grid frequencies and 20 <= lo < hi <= 21000 (lo
//   lies at or below the peak, whose index is below 654, at most 20741 Hz; hi at or above it,
//   doubled when equal, capped at 21000), so the step is at least 0.1 while doubles below 2^15
//   are 2^-37 apart.
// - BW: one value for the shelves; a peak's runs up to hi - lo by (0.05 or 0.1) * (hi - lo),
//   at least 0.05, below 2^15.
// - Gain: from T - 10 to T + 10 by 0.2 (shelves, T a target level) or from P - 2 to P by 0.05 or
//   0.2 (peaks, P an error level), so |Gain| < 1e12 + 10.2 < 2^40, where doubles are at most
//   2^-12 apart: each addition advances Gain by the step less at most 2^-13, so a shelf's gain
//   loop ends within 101 additions and a peak's within 41.
bool CurvesUsableForFit(const EqDesign& design) {
  if (design.GridCount <= 0) return false;
  auto usable = [](double level) { return std::fabs(level) <= kFitLevelLimit; };  // NaN: false
  for (int i = 0; i < design.GridCount; ++i) {
    if (!usable(design.TargetCurve[i]) || !usable(design.ErrorCurve[i])) return false;
  }
  return true;
}

AutoTuneCandidate ShownCandidate(const EqDesign& design, std::int16_t n, double Fc, double BW,
                                 double Gain) {
  AutoTuneCandidate c;
  c.band = n;
  c.Fc = Fc;
  c.BW = BW;
  c.Gain = Gain;
  c.shownFc = design.BandFc[n] * 0.001;
  if (design.BandBw[n] != 0)
    c.shownQ = std::floor(design.BandFc[n] / design.BandBw[n] * 100 + 0.5) * 0.01;
  c.shownGain = std::floor(design.BandGain[n] * 100 + 0.5) * 0.01;
  return c;
}

double StartBand(EqDesign& design, std::int16_t n, AutoTuneObserver& observer) {
  observer.BandStarted(n);
  double best = 0;
  for (int i = 0; i < design.GridCount; ++i) best += std::fabs(design.ErrorCurve[i]);
  for (int i = 0; i < design.GridCount; ++i) design.ResidualCurve[i] = design.ErrorCurve[i];
  return best;
}

void FinishBand(EqDesign& design, std::int16_t n, AutoTuneObserver& observer) {
  for (int i = 0; i < design.GridCount; ++i) design.ErrorCurve[i] -= design.BandResponse[n][i];
  const int progress = AutoTuneProgress(n);
  observer.BandFinished(n, progress, CalibratingStatusText(n, progress));
  design.AutoTuneBand = static_cast<std::int16_t>(n + 1);
}

int AutoTuneProgress(std::int16_t band) {
  return (band + 1) * 100 / kAutoBandCount;
}

std::string CalibratingStatusText(std::int16_t band, int progress) {
  char text[64];
  std::snprintf(text, sizeof text, "Calibrating, Filter %2d (%3d%%)", band + 2, progress);
  return text;
}

}  // namespace calyxon
