// Why LowerBound never exceeds the exact cost S (u = 2^-53):
//
// 1. The bound forms r_i = (Nr^2 + Ni^2) / (Dr^2 + Di^2) with the operations of SectionLevel in
//    the same order (a0 = 1, so a0 * q = q and 2 * a0 * c * s = (2 * c) * s bit for bit; the
//    build allows no fused multiply-add), so r_i has the bits the exact level uses:
//    row_i = fl(10 * log10(r_i)).
// 2. For a positive normal r = 2^e * m with m in [sqrt(1/2), sqrt(2)], ln r = e ln 2 + 2 atanh(t)
//    with t = (m - 1) / (m + 1), |t| < 0.1716. The bound sums atanh's series up to t^9 / 9; the
//    terms left out are below 2 |t|^11 / 11 / (1 - t^2) < 7.2e-10, that is 3.2e-9 dB. Rounding
//    in that evaluation (|e| <= 1024) adds less than 1e-12 dB; row_i differs from
//    10 log10(r_i) by less than 6e-10 dB even with a log10 1024 ulps off (|log10 r_i| < 512,
//    where an ulp is at most 2^-44) and with the final multiplication's rounding. So the
//    bound's level A_i is within 4e-9 < kSlack = 1e-8 dB of row_i.
// 3. The exact term is t_i = |fl(E_i - row_i)| >= (1 - u) (|E_i - A_i| - kSlack), and the
//    bound's term a_i = |fl(E_i - A_i)| is at most (1 + u) |E_i - A_i|, so
//    t_i >= (1 - 2u) a_i - kSlack. (|E_i| < 1e300: no overflow; subnormal results are exact.)
// 4. All terms are >= 0. The exact sum S of the N <= 22050 terms in grid order is at least
//    (1 - u)^(N-1) times the sum of any of them (so a bound that stops early is still a bound,
//    and an exact evaluation stops early only once its partial sum, hence S, reached best). The
//    bound's sum B of n of the terms a_i, in any order, is at most (1 + u)^(n-1) times their sum.
//    Hence S >= B (1 - 2 * 22050 u) - n kSlack, and 2 * 22050 u < 4.9e-12.
// 5. The bound returns fl(fl(B * (1 - 2^-36)) - fl(n * kSlack)). Its three roundings cost less
//    than B * 2.1u + n kSlack * u^2; the margin 2^-36 - 4.9e-12 > 9e-12 covers them whenever
//    the result is positive (then B > n kSlack, far above n kSlack u^2 / 9e-12), and a result
//    <= 0 is no bound at all on an S >= 0. So the returned value is at most S.
// A lane whose r_i is 0, subnormal, infinite or not a number gets no bound (-infinity): the
// exact evaluation decides.
#include "calyxon/eq/AutoTuneScoring.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numeric>

#include "calyxon/eq/BandResponse.h"

namespace calyxon {

namespace {

constexpr double kSlack = 1e-8;                       // dB per point, see 2.
constexpr double kSumShrink = 1 - 1.0 / (1ll << 36);  // see 4. and 5.
constexpr double kErrorLimit = 1e300;                 // see 3.
constexpr int kPointsPerCheck = 64;                   // between two early-exit checks
constexpr double kNoBound = -std::numeric_limits<double>::infinity();
// Lanes kept: from kLaneMasks + 8 - k, the first k of eight.
alignas(64) constexpr std::uint64_t kLaneMasks[16] = {
    ~0ull, ~0ull, ~0ull, ~0ull, ~0ull, ~0ull, ~0ull, ~0ull, 0, 0, 0, 0, 0, 0, 0, 0};

double Shrunk(double B, int points) {
  return B * kSumShrink - points * kSlack;
}

// The bound over W points at a time. Each chunk of points is done in two passes (ratios, then
// levels and sums), which keeps the chains of dependent operations short enough for the
// processor to overlap many points.
template <int W>
struct Lanes;
template <>
struct Lanes<4> {
  typedef double V __attribute__((vector_size(32)));
  typedef std::uint64_t U __attribute__((vector_size(32)));
};
template <>
struct Lanes<8> {
  typedef double V __attribute__((vector_size(64)));
  typedef std::uint64_t U __attribute__((vector_size(64)));
};

// One candidate's bound over count points, stopping once it reaches best.
struct BoundCall {
  const BoundPoints& in;
  int count;
  const Coefficients &a, &b;
  double best;
};

template <int W>
__attribute__((always_inline)) inline double BoundLanes(const BoundCall& call) {
  const auto& [in, count, a, b, best] = call;
  using V = typename Lanes<W>::V;
  using U = typename Lanes<W>::U;
  constexpr int kGroupsPerCheck = kPointsPerCheck / W;
  const V zero = {};
  V b0, b1, b2, twoB0, a1, a2;  // every lane the coefficient itself, -0 included
  for (int k = 0; k < W; ++k) {
    b0[k] = b[0], b1[k] = b[1], b2[k] = b[2], twoB0[k] = 2 * b[0], a1[k] = a[1], a2[k] = a[2];
  }
  // r = 2^e * m with m in [sqrt(1/2), sqrt(2)): the exponent of r * sqrt(2), read from the bits.
  const U toSqrt2 = (U){} + 0x00095F619980C433ull;  // bits of 1 less those of sqrt(1/2)
  const U sqrtHalf = (U){} + 0x3FE6A09E667F3BCDull;
  const U mantissa = (U){} + 0x000FFFFFFFFFFFFFull;
  const U bias = (U){} + 0x4330000000000000ull;  // 2^52: exponent bits into a double
  const U magnitude = (U){} + 0x7FFFFFFFFFFFFFFFull;
  // A positive normal r: neither bits - 2^52 nor bits + 2^52 has the top bit set.
  const U smallestNormal = (U){} + 0x0010000000000000ull;
  const V expOffset = zero + (4503599627370496.0 + 1023.0), unit = zero + 1;
  const V tenLog10Of2 = zero + 3.0102999566398120, twentyOverLn10 = zero + 8.6858896380650365;
  const V c3 = zero + 1.0 / 3, c5 = zero + 1.0 / 5, c7 = zero + 1.0 / 7, c9 = zero + 1.0 / 9;

  // The last group's lanes beyond the last point count for nothing.
  const int groups = (count + W - 1) / W, lastLanes = count - W * (groups - 1);
  U keepLast, keepAll;
  std::memcpy(&keepLast, kLaneMasks + 8 - lastLanes, sizeof keepLast);
  std::memcpy(&keepAll, kLaneMasks, sizeof keepAll);
  V sum = zero;
  U unusable = (U){};
  V ratio[kGroupsPerCheck];
  for (int first = 0; first < groups; first += kGroupsPerCheck) {
    const int chunk = std::min(kGroupsPerCheck, groups - first);
    for (int j = 0; j < chunk; ++j) {
      const int i = W * (first + j);
      V c, s, q, w;
      std::memcpy(&c, in.c.data() + i, sizeof c);
      std::memcpy(&s, in.s.data() + i, sizeof s);
      std::memcpy(&q, in.ccss.data() + i, sizeof q);
      std::memcpy(&w, in.twoCs.data() + i, sizeof w);
      const V Nr = b1 * c + b2 + b0 * q;
      const V Ni = b1 * s + twoB0 * c * s;
      const V Dr = a1 * c + a2 + q;
      const V Di = a1 * s + w;
      const V r = (Nr * Nr + Ni * Ni) / (Dr * Dr + Di * Di);
      const U keep = first + j == groups - 1 ? keepLast : keepAll;
      unusable |= (((U)r - smallestNormal) | ((U)r + smallestNormal)) & keep;
      ratio[j] = r;
    }
    for (int j = 0; j < chunk; ++j) {
      V E;
      std::memcpy(&E, in.error.data() + W * (first + j), sizeof E);
      const U keep = first + j == groups - 1 ? keepLast : keepAll;
      const U bits = (U)ratio[j] + toSqrt2;
      const V e = (V)((bits >> 52) | bias) - expOffset;
      const V m = (V)((bits & mantissa) + sqrtHalf);
      const V t = (m - unit) / (m + unit);
      const V t2 = t * t, t4 = t2 * t2;
      const V series = (unit + c3 * t2) + t4 * ((c5 + c7 * t2) + c9 * t4);
      const V level = e * tenLog10Of2 + t * series * twentyOverLn10;
      sum += (V)((U)(E - level) & magnitude & keep);
    }
    std::uint64_t any = 0;
    double B = 0;
    for (int k = 0; k < W; ++k) any |= unusable[k], B += sum[k];
    if (any >> 63) return kNoBound;
    const double bound = Shrunk(B, std::min(count, W * (first + chunk)));
    if (bound >= best || first + chunk == groups) return bound;
  }
  return 0;  // no point: the bound of an empty sum
}

// One entry per instruction set; every one gives a valid bound, the widest is the fastest.
__attribute__((target("avx512f"))) double BoundAvx512(const BoundCall& call) {
  return BoundLanes<8>(call);
}
__attribute__((target("avx2"))) double BoundAvx2(const BoundCall& call) {
  return BoundLanes<4>(call);
}
double BoundBaseline(const BoundCall& call) {
  return BoundLanes<4>(call);
}

using BoundFunction = double (*)(const BoundCall&);

BoundFunction Function(BoundKernel kernel) {
  switch (kernel) {
    case BoundKernel::Avx512:
      return BoundAvx512;
    case BoundKernel::Avx2:
      return BoundAvx2;
    case BoundKernel::Baseline:
      break;
  }
  return BoundBaseline;
}

}  // namespace

bool CandidateScorer::Matches(const EqDesign& design) const {
  if (std::clamp<int>(design.GridCount, 0, kGridCapacity) != count_) return false;
  for (int i = 0; i < count_; ++i) {
    const int k = static_cast<int>(design.GridFrequency[i]);
    if (design.GridFrequency[i] != frequency_[i] || design.CosSinTable[k] != c_[i] ||
        design.CosSinTable[kGridCapacity + k] != s_[i] ||
        std::memcmp(&design.ErrorCurve[i], &error_[i], sizeof(double)) != 0)
      return false;
  }
  return true;
}

void CandidateScorer::Read(const EqDesign& design) {
  if (Matches(design)) return;
  count_ = std::clamp<int>(design.GridCount, 0, kGridCapacity);
  for (auto* v : {&frequency_, &c_, &s_, &error_}) v->assign(count_, 0.0);
  boundable_ = true;
  for (int i = 0; i < count_; ++i) {
    const int k = static_cast<int>(design.GridFrequency[i]);
    frequency_[i] = design.GridFrequency[i];
    c_[i] = design.CosSinTable[k];
    s_[i] = design.CosSinTable[kGridCapacity + k];
    error_[i] = design.ErrorCurve[i];
    if (!(std::fabs(error_[i]) < kErrorLimit)) boundable_ = false;
  }
  // The bound takes the points with the largest error first: its partial sums then reach the
  // best so far sooner.
  std::vector<int> order(count_);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](int x, int y) { return std::fabs(error_[x]) > std::fabs(error_[y]); });
  const int padded = (count_ + 7) / 8 * 8;
  for (auto* v : {&bound_.c, &bound_.s, &bound_.ccss, &bound_.twoCs, &bound_.error})
    v->assign(padded, 0.0);
  for (int j = 0; j < count_; ++j) {
    const double c = c_[order[j]], s = s_[order[j]];
    bound_.c[j] = c;
    bound_.s[j] = s;
    bound_.ccss[j] = c * c - s * s;
    bound_.twoCs[j] = 2 * c * s;
    bound_.error[j] = error_[order[j]];
  }
}

std::vector<BoundKernel> AvailableBoundKernels() {
  std::vector<BoundKernel> kernels;
  if (__builtin_cpu_supports("avx512f")) kernels.push_back(BoundKernel::Avx512);
  if (__builtin_cpu_supports("avx2")) kernels.push_back(BoundKernel::Avx2);
  kernels.push_back(BoundKernel::Baseline);
  return kernels;
}

CandidateScorer::CandidateScorer() : kernel_(AvailableBoundKernels().front()) {}

bool CandidateScorer::ExactBeats(const Coefficients& a, const Coefficients& b, double best,
                                 double& cost) const {
  double sum = 0;
  for (int i = 0; i < count_; ++i) {
    sum += std::fabs(error_[i] - SectionLevel(a, b, c_[i], s_[i]));
    if (!(sum < best)) return false;
  }
  cost = sum;
  return sum < best;
}

double CandidateScorer::LowerBound(const Coefficients& a, const Coefficients& b,
                                   double best) const {
  if (a[0] != 1 || !boundable_) return kNoBound;
  return Function(kernel_)({bound_, count_, a, b, best});
}

}  // namespace calyxon
