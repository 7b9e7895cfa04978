// Scoring the fitting's candidates: the cost of a band against ErrorCurve, exactly and fast.
//
// The cost of a candidate section (a, b) is the sum, in grid order, of |ErrorCurve[i] -
// level_i|, level_i being the band's level at grid point i exactly as ComputeBandResponse
// writes it. The fit keeps a candidate only when its cost is strictly below the best so far, so
// most candidates lose. LowerBound gives, at a fraction of the cost, a value proven never to
// exceed the exact cost; a candidate whose bound is not below the best cannot win and needs no
// exact evaluation. Only the few others are evaluated exactly with the C library's log10 in the
// plain order, so the fit keeps the same candidates, bit for bit, as a loop that evaluates every
// candidate exactly.
#pragma once

#include <vector>

#include "calyxon/eq/BandDesign.h"
#include "calyxon/eq/EqDesign.h"

namespace calyxon {

// The grid points as the bound reads them, largest |ErrorCurve| first, padded with zeros to whole
// groups of eight: cosine, sine, c*c - s*s, 2*c*s, ErrorCurve.
struct BoundPoints {
  std::vector<double> c, s, ccss, twoCs, error;
};

// The instruction sets the bound can be computed with; all give a valid bound.
enum class BoundKernel { Avx512, Avx2, Baseline };

// Those this processor runs, widest (fastest) first.
std::vector<BoundKernel> AvailableBoundKernels();

class CandidateScorer {
 public:
  // Uses the fastest bound kernel of this processor.
  CandidateScorer();

  // Takes the grid, its cosine and sine terms (CosSinTable) and ErrorCurve from design. Call it
  // again whenever any of them may have changed: it costs a comparison when none did. The
  // scorer keeps no reference to design.
  void Read(const EqDesign& design);

  int count() const { return count_; }

  // The exact cost, summed in grid order and abandoned as soon as the partial sum reaches best
  // (the terms are never negative, so the sum cannot come back below it). True, with cost, when
  // the cost is below best; false otherwise, and whenever the cost is not a number.
  bool ExactBeats(const Coefficients& a, const Coefficients& b, double best, double& cost) const;

  // A value never above the exact cost. It may stop early, as soon as what it has summed
  // already reaches best; pass +infinity for the bound over the whole grid. -infinity when no
  // bound can be given (a level that is not a finite, normal number's logarithm, or a0 != 1).
  double LowerBound(const Coefficients& a, const Coefficients& b, double best) const;

  // Chooses the bound kernel (for tests: each must give a valid bound); one of
  // AvailableBoundKernels().
  void UseBoundKernel(BoundKernel kernel) { kernel_ = kernel; }

  // ExactBeats, skipped when LowerBound already shows that the cost cannot be below best.
  bool Beats(const Coefficients& a, const Coefficients& b, double best, double& cost) const {
    return LowerBound(a, b, best) < best && ExactBeats(a, b, best, cost);
  }

 private:
  BoundKernel kernel_;
  int count_ = 0;
  bool boundable_ = true;  // every ErrorCurve value small enough for the bound's arithmetic
  // True when design holds the grid, terms and ErrorCurve last read.
  bool Matches(const EqDesign& design) const;

  // Per grid point, in grid order: frequency, cosine, sine, ErrorCurve.
  std::vector<double> frequency_, c_, s_, error_;
  BoundPoints bound_;
};

}  // namespace calyxon
