// How far from 0 dB the designer's curves may reach, so that every curve it computes stays a
// finite number that a project holds and loads again.
//
// The inputs, TargetCurve, SourceCurve and the 32 BandResponse rows, lie strictly within
// +-kMaxLevel: a measurement whose curve on the grid passes it is not loaded, and a project
// that holds such a level is refused. The curves computed from them are sums of at most 35 of
// those inputs (ErrorCurve: the target, the source and 32 band responses; ResidualCurve: the
// error less one band response; BandSumCurve: 32 responses; TotalCurve: those and the source),
// so they stay below 35 x kMaxLevel, which lies far within +-kMaxSumLevel, their own bound.
#pragma once

namespace calyxon {

inline constexpr double kMaxLevel = 1e300;
inline constexpr double kMaxSumLevel = 1e303;
static_assert(35 * kMaxLevel < kMaxSumLevel);

// Whether level lies strictly within +-bound (false for NaN).
inline bool WithinLevelBound(double level, double bound) {
  return level > -bound && level < bound;
}

}  // namespace calyxon
