#include "calyxon/eq/BandResponse.h"

#include <cmath>
#include <numbers>

namespace calyxon {

void ComputeFineCurve(EqDesign& design, std::int16_t n, double Fc, const Coefficients& a,
                      const Coefficients& b) {
  // f0 only places the points; outside the buildable range the band is a pass-through anyway.
  const double f0 = (Fc > 21 && Fc < 22050) ? Fc : 22;
  auto& fine = design.FineCurve[n];
  for (int i = 0; i <= 300; ++i) {
    const double f = i <= 150 ? std::pow(10.0, std::log10(f0 - 19) * i / 150) + 19
                              : f0 + std::pow(10.0, std::log10(22050 - f0) * (i - 150) / 150);
    const double w = 2 * std::numbers::pi * f / 44100;
    fine[i] = {f, SectionLevel(a, b, std::cos(w), std::sin(w))};
  }
}

void SumBandResponses(EqDesign& design) {
  for (int i = 0; i < design.GridCount; ++i) {
    double sum = design.BandResponse[0][i];
    for (int b = 1; b < kBandCount; ++b) sum += design.BandResponse[b][i];
    design.BandSumCurve[i] = sum;
  }
}

void ComputeBandResponse(EqDesign& design, std::int16_t n, double Fc, double BW, double Gain) {
  Coefficients& a = design.BandA[n];
  Coefficients& b = design.BandB[n];
  DesignBand(Fc, BW, Gain, a, b);
  GridCurve& row = design.BandResponse[n];
  for (int i = 0; i < design.GridCount; ++i) row[i] = GridLevel(design, a, b, i);
  ComputeFineCurve(design, n, Fc, a, b);
}

}  // namespace calyxon
