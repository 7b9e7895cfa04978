// The fixed-point coefficient table that the receiver download sends.
//
// BuildCoefficientTable designs every band again from the single-precision download set
// (DownloadFc, DownloadBw, DownloadGain) with the cases of BandDesign.h: K, V and Q are rounded
// to float, the arithmetic between them is double, each coefficient is rounded to float when
// stored, and the denominator is stored negated. Row j of DownloadCoefficients is then
// b0, b1, b2, -a1, -a2 in Q2.29 (value * 2^29, truncated toward zero).
//
// Q2.29 holds -4 up to just under 4. Large shelf gains give coefficients outside it; such a
// value is saturated to the nearest end (2147483647 or -2147483648; a value that is not a number
// becomes 0) and counted in the result, so that the download can say so.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "calyxon/eq/EqDesign.h"

namespace calyxon {

struct CoefficientTableResult {
  int saturatedCount = 0;            // coefficients that did not fit Q2.29
  std::uint32_t saturatedBands = 0;  // bit j set: band j has such a coefficient
};

// Recomputes all 32 rows of DownloadCoefficients.
CoefficientTableResult BuildCoefficientTable(EqDesign& design);

// Status text for a table with saturated coefficients, for example
// "Coefficients Out Of Range In Band 1 2 Saturated !!\n"; empty when nothing was saturated.
std::string SaturationStatusText(const CoefficientTableResult& result);

// trunc(product) as a Q2.29 value, product being value * 2^29 in the caller's precision. A
// value that does not fit is saturated to the nearest end, one that is not a number becomes 0;
// either sets saturated.
template <typename Real>
std::int32_t SaturatedQ229(Real product, bool& saturated) {
  using Limits = std::numeric_limits<std::int32_t>;
  const Real truncated = std::trunc(product);
  if (truncated >= Limits::min() && truncated <= Limits::max())
    return static_cast<std::int32_t>(truncated);
  saturated = true;
  if (std::isnan(truncated)) return 0;
  return truncated < 0 ? Limits::min() : Limits::max();
}

// " Band 1 2": the bands whose bit is set in bands (bit j: band j + 1), for the saturation
// status texts.
std::string SaturatedBandList(std::uint32_t bands);

// Writes the byte as two upper-case hexadecimal digits into out[0] (high nibble) and out[1];
// no terminator.
void ByteToHex(char* out, std::uint8_t byte);

}  // namespace calyxon
