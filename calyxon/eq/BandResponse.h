// A band's level in dB, on the grid and on its own 301-point fine curve.
//
// On the grid the section is evaluated at the whole-hertz frequency k = trunc(grid frequency)
// with cosine and sine read from CosSinTable, which keeps the fitting's many thousand
// evaluations cheap; the fine curve (for the band plot) uses exact cos and sin of
// w = 2 * pi * f / 44100. The level is 10 * log10(|N|^2 / |D|^2).
#pragma once

#include <cmath>
#include <cstdint>

#include "calyxon/eq/BandDesign.h"
#include "calyxon/eq/EqDesign.h"

namespace calyxon {

// Designs band n (0..31) into BandA[n] and BandB[n], fills BandResponse[n] over the first
// GridCount points and FineCurve[n]. The fine curve runs from 20 Hz through f0 (point 150) up to
// 22050 Hz (point 300), with f0 = Fc when 21 < Fc < 22050, else 22.
void ComputeBandResponse(EqDesign& design, std::int16_t n, double Fc, double BW, double Gain);

// BandSumCurve := BandResponse[0] + BandResponse[1] + ... + BandResponse[31], point by point over
// the first GridCount points.
void SumBandResponses(EqDesign& design);

// FineCurve[n] for the section (a, b) designed at Fc.
void ComputeFineCurve(EqDesign& design, std::int16_t n, double Fc, const Coefficients& a,
                      const Coefficients& b);

// Level in dB of section (a, b) at the angle whose cosine is c and sine is s.
inline double SectionLevel(const Coefficients& a, const Coefficients& b, double c, double s) {
  const double Nr = b[1] * c + b[2] + b[0] * (c * c - s * s);
  const double Ni = b[1] * s + 2 * b[0] * c * s;
  const double Dr = a[1] * c + a[2] + a[0] * (c * c - s * s);
  const double Di = a[1] * s + 2 * a[0] * c * s;
  return 10 * std::log10((Nr * Nr + Ni * Ni) / (Dr * Dr + Di * Di));
}

// Level of section (a, b) at grid point i, from CosSinTable. Shared by ComputeBandResponse and
// the fitting, so that both give the same bits.
inline double GridLevel(const EqDesign& design, const Coefficients& a, const Coefficients& b,
                        int i) {
  const int k = static_cast<int>(design.GridFrequency[i]);
  return SectionLevel(a, b, design.CosSinTable[k], design.CosSinTable[kGridCapacity + k]);
}

}  // namespace calyxon
