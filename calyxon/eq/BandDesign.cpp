#include "calyxon/eq/BandDesign.h"

#include <cmath>
#include <numbers>

namespace calyxon {

bool BandInRange(double Fc, double BW, double Gain) {
  return std::isfinite(Fc) && std::isfinite(BW) && std::isfinite(Gain) && Fc > 0 &&
         Fc < kHighShelfBw;
}

void DesignSection(double K, double V, double Q, double BW, double Gain, Coefficients& a,
                   Coefficients& b) {
  const double s = std::sqrt(2.0);
  const double t = std::sqrt(2 * V);
  a[0] = 1;
  if (Gain > 0) {
    if (BW == 0) {  // low shelf, boost
      const double D = 1 + s * K + K * K;
      b[0] = (1 + t * K + V * (K * K)) / D;
      b[1] = 2 * (V * (K * K) - 1) / D;
      b[2] = (1 - t * K + V * (K * K)) / D;
      a[1] = 2 * (K * K - 1) / D;
      a[2] = (1 - s * K + K * K) / D;
    } else if (BW == kHighShelfBw) {  // high shelf, boost
      const double D = 1 + s * K + K * K;
      b[0] = (V + t * K + K * K) / D;
      b[1] = 2 * (K * K - V) / D;
      b[2] = (V - t * K + K * K) / D;
      a[1] = 2 * (K * K - 1) / D;
      a[2] = (1 - s * K + K * K) / D;
    } else {  // peak, boost
      const double D = 1 + K / Q + K * K;
      b[0] = (1 + V * K / Q + K * K) / D;
      b[1] = 2 * (K * K - 1) / D;
      b[2] = (1 - V * K / Q + K * K) / D;
      a[1] = 2 * (K * K - 1) / D;
      a[2] = (1 - K / Q + K * K) / D;
    }
  } else {
    if (BW == 0) {  // low shelf, cut
      const double D = 1 + t * K + V * (K * K);
      b[0] = (1 + s * K + K * K) / D;
      b[1] = 2 * (K * K - 1) / D;
      b[2] = (1 - s * K + K * K) / D;
      a[1] = 2 * (V * (K * K) - 1) / D;
      a[2] = (1 - t * K + V * (K * K)) / D;
    } else if (BW == kHighShelfBw) {  // high shelf, cut
      const double D = V + t * K + K * K;
      const double r = std::sqrt(2 / V);
      const double Da = 1 + r * K + K * K / V;
      b[0] = (1 + s * K + K * K) / D;
      b[1] = 2 * (K * K - 1) / D;
      b[2] = (1 - s * K + K * K) / D;
      a[1] = 2 * (K * K / V - 1) / Da;
      a[2] = (1 - r * K + K * K / V) / Da;
    } else {  // peak, cut
      const double D = 1 + V * K / Q + K * K;
      b[0] = (1 + K / Q + K * K) / D;
      b[1] = 2 * (K * K - 1) / D;
      b[2] = (1 - K / Q + K * K) / D;
      a[1] = 2 * (K * K - 1) / D;
      a[2] = (1 - V * K / Q + K * K) / D;
    }
  }
}

void DesignBand(double Fc, double BW, double Gain, Coefficients& a, Coefficients& b) {
  const double K = std::tan(std::numbers::pi * Fc / 44100);
  const double V = std::pow(10.0, 0.05 * std::fabs(Gain));
  const double Q = BW != 0 ? Fc / BW : 0.0;
  if (Gain == 0 || !BandInRange(Fc, BW, Gain)) {
    b = {1, 0, 0};
    a = {1, 0, 0};
    return;
  }
  DesignSection(K, V, Q, BW, Gain, a, b);
}

}  // namespace calyxon
