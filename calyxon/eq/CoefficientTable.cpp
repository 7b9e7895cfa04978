#include "calyxon/eq/CoefficientTable.h"

#include <cmath>

#include "calyxon/eq/BandDesign.h"

namespace calyxon {

namespace {
constexpr double kQ229One = 536870912.0;  // 2^29
}  // namespace

CoefficientTableResult BuildCoefficientTable(EqDesign& design) {
  CoefficientTableResult result;
  for (int j = 0; j < kBandCount; ++j) {
    const float Fc = design.DownloadFc[j];
    const float BW = design.DownloadBw[j];
    const float G = design.DownloadGain[j];
    std::array<float, 5> stored{1.0f, 0.0f, 0.0f, 0.0f, 0.0f};
    if (G != 0 && BandInRange(Fc, BW, G)) {
      const float K = static_cast<float>(std::tan(3.1415927 * Fc / 44100));
      const float V = static_cast<float>(std::pow(10.0, 0.05 * std::fabs(static_cast<double>(G))));
      const float Q = BW != 0 ? static_cast<float>(static_cast<double>(Fc) / BW) : 0.0f;
      Coefficients a, b;
      DesignSection(K, V, Q, BW, G, a, b);
      stored = {static_cast<float>(b[0]), static_cast<float>(b[1]), static_cast<float>(b[2]),
                static_cast<float>(-a[1]), static_cast<float>(-a[2])};
    }
    bool bandSaturated = false;
    for (int k = 0; k < 5; ++k) {
      bool saturated = false;
      design.DownloadCoefficients[j][k] =
          SaturatedQ229(kQ229One * static_cast<double>(stored[k]), saturated);
      if (saturated) ++result.saturatedCount;
      bandSaturated = bandSaturated || saturated;
    }
    if (bandSaturated) result.saturatedBands |= 1u << j;
  }
  return result;
}

std::string SaturationStatusText(const CoefficientTableResult& result) {
  if (result.saturatedCount == 0) return {};
  return "Coefficients Out Of Range In" + SaturatedBandList(result.saturatedBands) +
         " Saturated !!\n";
}

std::string SaturatedBandList(std::uint32_t bands) {
  std::string text = " Band";
  for (int j = 0; j < kBandCount; ++j) {
    if (bands & (1u << j)) text += " " + std::to_string(j + 1);
  }
  return text;
}

void ByteToHex(char* out, std::uint8_t byte) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  out[0] = kDigits[byte >> 4];
  out[1] = kDigits[byte & 0x0F];
}

}  // namespace calyxon
