// The fitting loop as it was before the lower-bound filter: early exit on the partial sum,
// the kept band rebuilt only when it changed, every candidate reported. Kept only to be
// measured beside the plain loop and the current one.
#include "PreviousAutoTune.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "calyxon/eq/AutoTuneKeptBand.h"
#include "calyxon/eq/BandResponse.h"

namespace calyxon::bench {

namespace {

// Cosine and sine terms of the grid points, read once per band instead of once per candidate.
// a0 is 1 in every design, so a0 * (c*c - s*s) is cc_ss and 2*a0*c*s is (2*c)*s, bit for bit.
struct GridAngles {
  void Read(const EqDesign& d) {
    count = d.GridCount;
    c.resize(count), s.resize(count), cc_ss.resize(count), two_cs.resize(count);
    for (int i = 0; i < count; ++i) {
      const int k = static_cast<int>(d.GridFrequency[i]);
      c[i] = d.CosSinTable[k];
      s[i] = d.CosSinTable[kGridCapacity + k];
      cc_ss[i] = c[i] * c[i] - s[i] * s[i];
      two_cs[i] = 2 * c[i] * s[i];
    }
  }
  int count = 0;
  std::vector<double> c, s, cc_ss, two_cs;
};

// Scores section (a, b) against ErrorCurve into row (the same bits as GridLevel); false as soon
// as it cannot beat best.
bool Beats(const EqDesign& d, const GridAngles& g, const Coefficients& a, const Coefficients& b,
           double best, double* row, double& cost) {
  const double* E = d.ErrorCurve.data();
  const double twoB0 = 2 * b[0];
  double sum = 0;
  for (int i = 0; i < g.count; ++i) {
    const double c = g.c[i], s = g.s[i];
    const double Nr = b[1] * c + b[2] + b[0] * g.cc_ss[i];
    const double Ni = b[1] * s + twoB0 * c * s;
    const double Dr = a[1] * c + a[2] + g.cc_ss[i];
    const double Di = a[1] * s + g.two_cs[i];
    row[i] = 10 * std::log10((Nr * Nr + Ni * Ni) / (Dr * Dr + Di * Di));
    sum += std::fabs(E[i] - row[i]);
    if (!(sum < best)) return false;
  }
  cost = sum;
  return sum < best;
}

}  // namespace

AutoTuneResult RunAutoTunePrevious(EqDesign& design, AutoTuneObserver& observer) {
  std::vector<double> row(kGridCapacity, 0.0);
  while (design.AutoTuneBand < kAutoBandCount) {
    const std::int16_t n = design.AutoTuneBand;
    if (!CurvesUsableForFit(design)) return {AutoTuneOutcome::Refused, kCalibrationRefusedStatus};
    double best = StartBand(design, n, observer);
    const BandSearch r = BandSearchRanges(design, n);
    KeptBandView kept(n);
    GridAngles angles;
    angles.Read(design);

    for (double Fc = r.Fc.start; Fc <= r.Fc.end; Fc += r.Fc.step) {
      for (double BW = r.BW.start; BW <= r.BW.end; BW += r.BW.step) {
        for (double Gain = r.Gain.start; Gain < r.Gain.end; Gain += r.Gain.step) {
          Coefficients a, b;
          DesignBand(Fc, BW, Gain, a, b);
          double cost = 0;
          if (angles.count != design.GridCount) angles.Read(design);
          if (Beats(design, angles, a, b, best, row.data(), cost)) {
            best = cost;
            design.BandFc[n] = Fc;
            design.BandBw[n] = BW;
            design.BandGain[n] = Gain;
            for (int i = 0; i < design.GridCount; ++i)
              design.ResidualCurve[i] = design.ErrorCurve[i] - row[i];
            design.BandA[n] = a;
            design.BandB[n] = b;
            std::copy(row.begin(), row.begin() + design.GridCount, design.BandResponse[n].begin());
            ComputeFineCurve(design, n, Fc, a, b);
            SumBandResponses(design);
            kept.Record(design);
          } else if (!kept.StillShown(design)) {
            ComputeBandResponse(design, n, design.BandFc[n], design.BandBw[n], design.BandGain[n]);
            SumBandResponses(design);
            kept.Record(design);
          }
          observer.CandidateTried(ShownCandidate(design, n, Fc, BW, Gain));
          if (observer.StopRequested()) return {AutoTuneOutcome::Stopped, {}};
        }
      }
      design.RedrawRequested = 1;
    }

    FinishBand(design, n, observer);
  }
  return {};
}

}  // namespace calyxon::bench
