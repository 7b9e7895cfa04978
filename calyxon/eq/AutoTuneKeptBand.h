// What the fitting loop last wrote of the band it fits, to see whether the design still shows
// it after the observer was called: Record after writing band n's values, response, fine curve
// and the band sum; StillShown is true while all of them (and GridCount) hold the same bits.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "calyxon/eq/BandDesign.h"
#include "calyxon/eq/EqDesign.h"

namespace calyxon {

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

}  // namespace calyxon
