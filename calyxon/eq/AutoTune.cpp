// The fitting loop. Candidates are scored by CandidateScorer: a proven lower bound rejects the
// many that cannot win, the rest are scored exactly in the plain order. The kept band's
// response, fine curve, the band sum and the residual are written to the design only when the
// observer is about to see it (a report, or the band's end), and only when they would change:
// between two reports nothing else runs, so the observer sees exactly what a loop writing them
// after every candidate would show. After a report the scorer reads the design again, since the
// observer may have changed it.
#include "calyxon/eq/AutoTune.h"

#include "calyxon/eq/AutoTuneKeptBand.h"
#include "calyxon/eq/AutoTuneScoring.h"
#include "calyxon/eq/BandResponse.h"

namespace calyxon {

namespace {

// What the design still lacks of band n's search since the observer last saw it.
struct Pending {
  bool candidateTried = false;  // band n and the band sum are to show the kept values
  bool kept = false;            // and ResidualCurve the residual of a newly kept candidate
};

// Brings the design to what it shows after a candidate: band n built from its kept values, the
// band sum, and the residual of the candidate kept since the last time. Skipped when nothing
// was kept and the design still shows what was last written: the result would be the same.
void Publish(EqDesign& design, std::int16_t n, Pending& pending, KeptBandView& view) {
  if (pending.kept || !view.StillShown(design)) {
    ComputeBandResponse(design, n, design.BandFc[n], design.BandBw[n], design.BandGain[n]);
    if (pending.kept) {
      for (int i = 0; i < design.GridCount; ++i)
        design.ResidualCurve[i] = design.ErrorCurve[i] - design.BandResponse[n][i];
    }
    SumBandResponses(design);
    view.Record(design);
  }
  pending = {};
}

}  // namespace

AutoTuneResult RunAutoTune(EqDesign& design, AutoTuneObserver& observer) {
  CandidateScorer scorer;
  while (design.AutoTuneBand < kAutoBandCount) {
    const std::int16_t n = design.AutoTuneBand;
    if (!CurvesUsableForFit(design)) return {AutoTuneOutcome::Refused, kCalibrationRefusedStatus};
    double best = StartBand(design, n, observer);
    const BandSearch r = BandSearchRanges(design, n);
    scorer.Read(design);
    Pending pending;
    KeptBandView view(n);

    for (double Fc = r.Fc.start; Fc <= r.Fc.end; Fc += r.Fc.step) {
      for (double BW = r.BW.start; BW <= r.BW.end; BW += r.BW.step) {
        for (double Gain = r.Gain.start; Gain < r.Gain.end; Gain += r.Gain.step) {
          Coefficients a, b;
          DesignBand(Fc, BW, Gain, a, b);
          double cost = 0;
          if (scorer.Beats(a, b, best, cost)) {
            best = cost;
            design.BandFc[n] = Fc;
            design.BandBw[n] = BW;
            design.BandGain[n] = Gain;
            pending.kept = true;
          }
          pending.candidateTried = true;
          if (observer.ReportWanted()) {
            Publish(design, n, pending, view);
            observer.CandidateTried(ShownCandidate(design, n, Fc, BW, Gain));
            if (observer.StopRequested()) return {AutoTuneOutcome::Stopped, {}};
            scorer.Read(design);
          }
        }
      }
      design.RedrawRequested = 1;
    }

    if (pending.candidateTried) Publish(design, n, pending, view);
    FinishBand(design, n, observer);
  }
  return {};
}

}  // namespace calyxon
