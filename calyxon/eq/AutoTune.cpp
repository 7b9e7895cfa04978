// The fitting loop. Only the kept band is visible between two candidates, so a candidate is
// scored without its fine curve, and its score stops as soon as the partial sum of absolute
// errors reaches the best so far (a sum of non-negative terms never decreases, so such a
// candidate could not be kept). The kept band's response, fine curve and the band sum are
// rebuilt only when the kept band changes, or when something outside the loop changed them
// while the observer was asked. The results equal those of the plain loop bit for bit.
#include "calyxon/eq/AutoTune.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "calyxon/eq/BandResponse.h"

namespace calyxon {

namespace {

// What the loop last wrote of band n, to see whether the design still shows it.
class KeptBandView {
 public:
  explicit KeptBandView(std::int16_t n) : n_(n) {}

  void Record(const EqDesign& d) {
    count_ = d.GridCount;
    Fc_ = d.BandFc[n_];
    BW_ = d.BandBw[n_];
    Gain_ = d.BandGain[n_];
    a_ = d.BandA[n_];
    b_ = d.BandB[n_];
    row_.assign(d.BandResponse[n_].begin(), d.BandResponse[n_].begin() + count_);
    sum_.assign(d.BandSumCurve.begin(), d.BandSumCurve.begin() + count_);
    fine_ = d.FineCurve[n_];
    recorded_ = true;
  }

  bool StillShown(const EqDesign& d) const {
    if (!recorded_ || d.GridCount != count_) return false;
    if (!Same(d.BandFc[n_], Fc_) || !Same(d.BandBw[n_], BW_) || !Same(d.BandGain[n_], Gain_))
      return false;
    if (!SameArray(d.BandA[n_].data(), a_.data(), 3) ||
        !SameArray(d.BandB[n_].data(), b_.data(), 3))
      return false;
    if (!SameArray(d.BandResponse[n_].data(), row_.data(), count_) ||
        !SameArray(d.BandSumCurve.data(), sum_.data(), count_))
      return false;
    for (int i = 0; i < kFinePointCount; ++i) {
      if (!Same(d.FineCurve[n_][i].frequency, fine_[i].frequency) ||
          !Same(d.FineCurve[n_][i].level, fine_[i].level))
        return false;
    }
    return true;
  }

 private:
  // Bitwise equality: a NaN left in place is unchanged.
  static bool Same(double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; }
  static bool SameArray(const double* x, const double* y, int count) {
    return std::memcmp(x, y, sizeof(double) * count) == 0;
  }

  std::int16_t n_;
  bool recorded_ = false;
  int count_ = 0;
  double Fc_ = 0, BW_ = 0, Gain_ = 0;
  Coefficients a_{}, b_{};
  std::vector<double> row_, sum_;
  std::array<FinePoint, kFinePointCount> fine_{};
};

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

AutoTuneResult RunAutoTune(EqDesign& design, AutoTuneObserver& observer) {
  std::vector<double> row(kGridCapacity, 0.0);
  while (design.AutoTuneBand < kAutoBandCount) {
    const std::int16_t n = design.AutoTuneBand;
    if (!CurvesUsableForFit(design)) return {AutoTuneOutcome::Refused, kCalibrationRefusedStatus};
    observer.BandStarted(n);
    const BandSearch r = BandSearchRanges(design, n);
    double best = 0;
    for (int i = 0; i < design.GridCount; ++i) best += std::fabs(design.ErrorCurve[i]);
    for (int i = 0; i < design.GridCount; ++i) design.ResidualCurve[i] = design.ErrorCurve[i];
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

    for (int i = 0; i < design.GridCount; ++i) design.ErrorCurve[i] -= design.BandResponse[n][i];
    const int progress = AutoTuneProgress(n);
    observer.BandFinished(n, progress, CalibratingStatusText(n, progress));
    design.AutoTuneBand = static_cast<std::int16_t>(n + 1);
  }
  return {};
}

}  // namespace calyxon
