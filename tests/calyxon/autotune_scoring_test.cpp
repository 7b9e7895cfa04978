// The fitting's candidate scoring: the lower bound never exceeds the exact cost, on every
// instruction set this processor runs, and the filtered decision equals the exact one, ties
// included.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "calyxon/eq/AutoTuneScoring.h"
#include "calyxon/eq/BandResponse.h"
#include "calyxon/eq/FrequencyGrid.h"

namespace calyxon {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Error curves of the shapes the fit meets, and some it should never meet.
void RandomErrorCurve(std::mt19937_64& random, EqDesign& design) {
  std::uniform_real_distribution<double> unit(0, 1);
  const int shape = static_cast<int>(unit(random) * 5);
  for (int i = 0; i < design.GridCount; ++i) design.ErrorCurve[i] = 0;
  if (shape == 0) return;  // no error left
  if (shape == 4) {        // noise, up to enormous levels
    const double scale = std::pow(10.0, unit(random) * 8 - 2);
    for (int i = 0; i < design.GridCount; ++i)
      design.ErrorCurve[i] = (unit(random) * 2 - 1) * scale;
    return;
  }
  // A few smooth bumps in log frequency, as residual errors are.
  const int bumps = 1 + static_cast<int>(unit(random) * 6);
  for (int b = 0; b < bumps; ++b) {
    const double centre = 1.3 + unit(random) * 3, width = 0.02 + unit(random) * 0.5;
    const double height = (unit(random) * 2 - 1) * (shape == 3 ? 40 : 12);
    for (int i = 0; i < design.GridCount; ++i) {
      const double x = (std::log10(design.GridFrequency[i]) - centre) / width;
      design.ErrorCurve[i] += height * std::exp(-x * x);
    }
  }
}

struct Candidate {
  double Fc, BW, Gain;
};

Candidate RandomCandidate(std::mt19937_64& random) {
  std::uniform_real_distribution<double> unit(0, 1);
  Candidate c;
  c.Fc = 15 * std::pow(1400.0, unit(random));  // 15 Hz .. 21 kHz
  const double kind = unit(random);
  c.BW = kind < 0.15 ? 0 : kind < 0.3 ? 22050 : c.Fc * std::pow(10.0, unit(random) * 3 - 2);
  const double gain = unit(random);
  c.Gain = gain < 0.05   ? 0
           : gain < 0.1  ? (unit(random) - 0.5) * 1e-9
           : gain < 0.15 ? (unit(random) * 2 - 1) * 300
                         : (unit(random) * 2 - 1) * 40;
  return c;
}

// Millions of random candidates (a section against an error curve): the bound of every kernel
// is never above the exact cost, whether it runs to the end or stops early, and stays within its
// slack of it; the filtered decision keeps a candidate exactly when its exact cost is below the
// best: one whose cost equals the best is refused, one whose cost is the next double below the
// best is kept with that cost. Each section's levels are computed once and scored against
// several curves, which keeps the test short.
TEST(CandidateScorer, BoundNeverExceedsTheExactCostAndTheDecisionStaysExact) {
  auto design = std::make_unique<EqDesign>();
  BuildFrequencyGrid(*design);
  std::mt19937_64 random(20260514);
  std::uniform_real_distribution<double> unit(0, 1);
  const std::vector<BoundKernel> kernels = AvailableBoundKernels();
  constexpr int kRounds = 60, kCurves = 8, kSectionsPerRound = 5000;
  std::vector<CandidateScorer> scorers(kCurves);
  std::vector<GridCurve> curves(kCurves);
  std::vector<double> row(kGridCapacity);
  long compared = 0, unbounded = 0, ties = 0;
  for (int round = 0; round < kRounds; ++round) {
    // Mostly the whole grid; sometimes a short one, whose last lanes hold no point.
    design->GridCount = unit(random) < 0.8 ? kGridPoints : 1 + static_cast<int>(unit(random) * 40);
    for (int k = 0; k < kCurves; ++k) {
      RandomErrorCurve(random, *design);
      curves[k] = design->ErrorCurve;
      scorers[k].Read(*design);
    }
    for (int section = 0; section < kSectionsPerRound; ++section) {
      const Candidate c = RandomCandidate(random);
      Coefficients a, b;
      DesignBand(c.Fc, c.BW, c.Gain, a, b);
      for (int i = 0; i < design->GridCount; ++i) row[i] = GridLevel(*design, a, b, i);
      for (int k = 0; k < kCurves; ++k) {
        double cost = 0;  // the exact cost, in grid order
        for (int i = 0; i < design->GridCount; ++i) cost += std::fabs(curves[k][i] - row[i]);
        if (!std::isfinite(cost)) continue;
        ++compared;
        CandidateScorer& scorer = scorers[k];
        const auto where = [&] {
          return ::testing::Message() << c.Fc << " Hz " << c.BW << " Hz " << c.Gain << " dB, round "
                                      << round << " curve " << k;
        };
        for (std::size_t n = 0; n < kernels.size(); ++n) {
          if (n > 0 && section % 4 != 0) continue;  // the slower kernels on a quarter
          scorer.UseBoundKernel(kernels[n]);
          const double bound = scorer.LowerBound(a, b, kInf);
          ASSERT_LE(bound, cost) << where();
          if (bound == -kInf) {
            ++unbounded;
          } else {
            ASSERT_GE(bound, cost - scorer.count() * 1.5e-8 - cost * 1e-10) << where();
          }
          ASSERT_LE(scorer.LowerBound(a, b, cost * unit(random) * 1.5), cost) << where();
        }
        if ((section * kCurves + k) % 61 == 0) {
          ++ties;
          scorer.UseBoundKernel(kernels.front());
          double tied = -1, next = -1;
          ASSERT_FALSE(scorer.Beats(a, b, cost, tied)) << where();
          ASSERT_TRUE(scorer.Beats(a, b, std::nextafter(cost, kInf), next)) << where();
          ASSERT_EQ(std::memcmp(&next, &cost, sizeof cost), 0) << where();
        }
      }
    }
  }
  EXPECT_GT(compared, 2'000'000);
  EXPECT_GT(ties, 30'000);
  // Only gains far beyond any fit (300 dB) reach ratios too small or large for a bound.
  EXPECT_LT(unbounded, compared / 50);
}

// A ratio that is no positive normal number (here 0: the cut of a band reaching -infinity) gets
// no bound, so the exact evaluation decides; an empty grid has the empty sum.
TEST(CandidateScorer, GivesNoBoundWhereItCannotProveOne) {
  auto design = std::make_unique<EqDesign>();
  BuildFrequencyGrid(*design);
  CandidateScorer scorer;
  scorer.Read(*design);
  const Coefficients a{1, 0, 0}, zero{0, 0, 0}, scaled{2, 0, 0};
  EXPECT_EQ(scorer.LowerBound(a, zero, kInf), -kInf);
  EXPECT_EQ(scorer.LowerBound(scaled, a, kInf), -kInf);  // a0 != 1
  design->ErrorCurve[7] = kInf;
  scorer.Read(*design);
  EXPECT_EQ(scorer.LowerBound(a, a, kInf), -kInf);
  design->GridCount = 0;
  scorer.Read(*design);
  EXPECT_EQ(scorer.LowerBound(a, a, kInf), 0);
}

}  // namespace
}  // namespace calyxon
