// One band of the equaliser as a second-order section at 44.1 kHz.
//
// The kind of band follows from BW alone: BW exactly 0 is a low shelf with corner Fc, BW exactly
// 22050 a high shelf with corner Fc, any other BW a peak at Fc with Q = Fc / BW. Gain exactly 0
// makes any band a pass-through. Boost (Gain > 0) and cut (Gain < 0) are the Zoelzer shelving and
// peak designs; a cut is the exact inverse of the boost of the same |Gain|.
//
// Every formula is evaluated in the order it is written (V*K^2 as V*(K*K), sums from the first
// term on); the fitting's choices depend on the last bits.
//
// Out of range: a band whose Fc is not inside (0, 22050) Hz or whose Fc, BW or Gain is not finite
// cannot be built at 44.1 kHz and is designed as a pass-through (b = a = 1, 0, 0).
#pragma once

#include <array>

namespace calyxon {

using Coefficients = std::array<double, 3>;

// The BW that makes a band a high shelf; also the top of the Fc range (half of 44.1 kHz).
inline constexpr double kHighShelfBw = 22050;

// True when (Fc, BW, Gain) can be designed; otherwise DesignBand gives a pass-through.
bool BandInRange(double Fc, double BW, double Gain);

// The section for one band: a = (1, a1, a2), b = (b0, b1, b2).
void DesignBand(double Fc, double BW, double Gain, Coefficients& a, Coefficients& b);

// The case selection and formulas behind DesignBand, from K = tan(pi * Fc / 44100),
// V = 10^(0.05 * |Gain|) and Q = Fc / BW (Q unused for shelves). Gain 0 and the range check are
// the caller's. The coefficient table calls it with K, V and Q rounded to single precision.
void DesignSection(double K, double V, double Q, double BW, double Gain, Coefficients& a,
                   Coefficients& b);

}  // namespace calyxon
