#include "LiteralAutoTune.h"

#include <cmath>

#include "calyxon/eq/BandResponse.h"

namespace calyxon::testing {

AutoTuneResult RunAutoTuneLiteral(EqDesign& design, AutoTuneObserver& observer) {
  while (design.AutoTuneBand < kAutoBandCount) {
    const std::int16_t n = design.AutoTuneBand;
    if (!CurvesUsableForFit(design)) return {AutoTuneOutcome::Refused, kCalibrationRefusedStatus};
    observer.BandStarted(n);
    const BandSearch r = BandSearchRanges(design, n);
    double best = 0;
    for (int i = 0; i < design.GridCount; ++i) best += std::fabs(design.ErrorCurve[i]);
    for (int i = 0; i < design.GridCount; ++i) design.ResidualCurve[i] = design.ErrorCurve[i];

    for (double Fc = r.Fc.start; Fc <= r.Fc.end; Fc += r.Fc.step) {
      for (double BW = r.BW.start; BW <= r.BW.end; BW += r.BW.step) {
        for (double Gain = r.Gain.start; Gain < r.Gain.end; Gain += r.Gain.step) {
          ComputeBandResponse(design, n, Fc, BW, Gain);
          const GridCurve& row = design.BandResponse[n];
          double cost = 0;
          for (int i = 0; i < design.GridCount; ++i)
            cost += std::fabs(design.ErrorCurve[i] - row[i]);
          if (cost < best) {
            best = cost;
            design.BandFc[n] = Fc;
            design.BandBw[n] = BW;
            design.BandGain[n] = Gain;
            for (int i = 0; i < design.GridCount; ++i)
              design.ResidualCurve[i] = design.ErrorCurve[i] - row[i];
          }
          ComputeBandResponse(design, n, design.BandFc[n], design.BandBw[n], design.BandGain[n]);
          for (int i = 0; i < design.GridCount; ++i) {
            double sum = design.BandResponse[0][i];
            for (int b = 1; b < kBandCount; ++b) sum += design.BandResponse[b][i];
            design.BandSumCurve[i] = sum;
          }
          observer.CandidateTried(ShownCandidate(design, n, Fc, BW, Gain));
          if (observer.StopRequested()) return {AutoTuneOutcome::Stopped, {}};
        }
      }
      design.RedrawRequested = 1;
    }

    for (int i = 0; i < design.GridCount; ++i) design.ErrorCurve[i] -= design.BandResponse[n][i];
    const int progress = AutoTuneProgress(n);
    observer.BandFinished(n, progress, CalibratingStatusText(n, progress));
    design.AutoTuneBand = static_cast<std::int16_t>(n + 1);
  }
  return {};
}

}  // namespace calyxon::testing
