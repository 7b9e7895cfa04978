#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calyxon/eq/BandDesign.h"
#include "calyxon/eq/CoefficientTable.h"

namespace calyxon {
namespace {

TEST(CalyxonCoefficientTable, GainZeroRowIsOneAndZeros) {
  EqDesign design;
  design.DownloadFc.fill(1000);
  design.DownloadBw.fill(300);
  const CoefficientTableResult result = BuildCoefficientTable(design);
  EXPECT_EQ(result.saturatedCount, 0);
  for (const auto& row : design.DownloadCoefficients)
    EXPECT_EQ(row, (std::array<std::int32_t, 5>{536870912, 0, 0, 0, 0}));
  EXPECT_EQ(SaturationStatusText(result), "");
}

TEST(CalyxonCoefficientTable, SinglePrecisionDesignTruncatedTowardZero) {
  EqDesign design;
  const struct {
    float Fc, BW, Gain;
  } bands[] = {{1000, 300, 6}, {1000, 300, -6},   {60, 0, 8},
               {60, 0, -8},    {12000, 22050, 5}, {12000, 22050, -5}};
  for (int j = 0; j < 6; ++j) {
    design.DownloadFc[j] = bands[j].Fc;
    design.DownloadBw[j] = bands[j].BW;
    design.DownloadGain[j] = bands[j].Gain;
  }
  EXPECT_EQ(BuildCoefficientTable(design).saturatedCount, 0);
  for (int j = 0; j < 6; ++j) {
    Coefficients a, b;
    DesignBand(bands[j].Fc, bands[j].BW, bands[j].Gain, a, b);
    const double expected[5] = {b[0], b[1], b[2], -a[1], -a[2]};
    for (int k = 0; k < 5; ++k) {
      const double exact = expected[k] * 536870912.0;
      EXPECT_NEAR(design.DownloadCoefficients[j][k], exact, 536870912.0 * 1e-6) << j << k;
    }
  }
}

TEST(CalyxonCoefficientTable, OutOfRangeCoefficientsSaturateAndAreReported) {
  EqDesign design;
  design.DownloadFc[2] = 1000;  // high shelf +20 dB: b0 near 9.3, b1 near -18
  design.DownloadBw[2] = 22050;
  design.DownloadGain[2] = 20;
  const CoefficientTableResult result = BuildCoefficientTable(design);
  EXPECT_EQ(design.DownloadCoefficients[2][0], 2147483647);
  EXPECT_EQ(design.DownloadCoefficients[2][1], -2147483647 - 1);
  EXPECT_GE(result.saturatedCount, 2);
  EXPECT_EQ(result.saturatedBands, 1u << 2);
  EXPECT_EQ(SaturationStatusText(result), "Coefficients Out Of Range In Band 3 Saturated !!\n");
}

TEST(CalyxonByteToHex, WritesTwoUpperCaseDigits) {
  const struct {
    std::uint8_t byte;
    const char* text;
  } cases[] = {{10, "0A"}, {255, "FF"}, {0, "00"}, {0x9B, "9B"}};
  for (const auto& c : cases) {
    char out[3] = {'x', 'x', 'z'};
    ByteToHex(out, c.byte);
    EXPECT_EQ(std::string(out, 2), c.text);
    EXPECT_EQ(out[2], 'z');  // no terminator written
  }
}

}  // namespace
}  // namespace calyxon
