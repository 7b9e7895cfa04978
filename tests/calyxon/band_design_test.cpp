// Band sections measured by their response: gain where the band acts, flat far away.
#include <gtest/gtest.h>

#include <cmath>

#include "calyxon/eq/BandResponse.h"
#include "calyxon/eq/FrequencyGrid.h"

namespace calyxon {
namespace {

struct Band {
  double Fc, BW, Gain;
};

class CalyxonBandDesignTest : public ::testing::Test {
 protected:
  void SetUp() override { BuildFrequencyGrid(design); }
  double At(int n, double hz) { return design.BandResponse[n][NearestGridIndex(design, hz)]; }
  EqDesign design;
};

TEST_F(CalyxonBandDesignTest, GainZeroIsPassThroughForEveryKind) {
  for (const Band band : {Band{1000, 300, 0}, Band{100, 0, 0}, Band{8000, 22050, 0}, Band{15, 0, 0},
                          Band{20000, 22049, 0}}) {
    ComputeBandResponse(design, 3, band.Fc, band.BW, band.Gain);
    EXPECT_EQ(design.BandA[3], (Coefficients{1, 0, 0}));
    EXPECT_EQ(design.BandB[3], (Coefficients{1, 0, 0}));
    for (int i = 0; i < design.GridCount; ++i) ASSERT_EQ(design.BandResponse[3][i], 0.0);
    for (const FinePoint& p : design.FineCurve[3]) ASSERT_EQ(p.level, 0.0);
  }
}

TEST_F(CalyxonBandDesignTest, PeakReadsItsGainAtFcAndIsFlatFarAway) {
  for (double G : {6.0, -6.0, 12.5, -0.4}) {
    ComputeBandResponse(design, 0, 1000, 300, G);
    EXPECT_NEAR(At(0, 1000), G, 1e-9) << G;
    EXPECT_NEAR(At(0, 20), 0, 0.01) << G;
    EXPECT_NEAR(At(0, 20000), 0, 0.05) << G;
  }
}

TEST_F(CalyxonBandDesignTest, ShelvesActAtTheirEndOnly) {
  // BW 0: low shelf, gain at the low end; 22050: high shelf, gain at the top; 22049: a peak.
  ComputeBandResponse(design, 0, 100, 0, 9);
  EXPECT_NEAR(At(0, 20), 9, 0.3);
  EXPECT_NEAR(At(0, 10000), 0, 0.01);
  ComputeBandResponse(design, 1, 5000, 22050, -9);
  EXPECT_NEAR(At(1, 22000), -9, 0.3);
  EXPECT_NEAR(At(1, 100), 0, 0.01);
  ComputeBandResponse(design, 2, 15000, 22049, 9);
  EXPECT_NEAR(At(2, 15000), 9, 0.01);  // Q = 15000 / 22049: wide, but a peak
  EXPECT_LT(At(2, 22000), 8);
}

TEST_F(CalyxonBandDesignTest, CutIsTheBoostNegated) {
  for (const Band band : {Band{1000, 300, 7.3}, Band{60, 0, 11}, Band{12000, 22050, 4.2},
                          Band{15, 0, 15}, Band{3000, 2500, 19.9}}) {
    ComputeBandResponse(design, 0, band.Fc, band.BW, band.Gain);
    ComputeBandResponse(design, 1, band.Fc, band.BW, -band.Gain);
    for (int i = 0; i < design.GridCount; ++i)
      ASSERT_NEAR(design.BandResponse[0][i], -design.BandResponse[1][i], 1e-9) << band.Fc;
    for (int i = 0; i < kFinePointCount; ++i)
      ASSERT_NEAR(design.FineCurve[0][i].level, -design.FineCurve[1][i].level, 1e-9);
  }
}

TEST_F(CalyxonBandDesignTest, FineCurveRunsFrom20HzThroughFcTo22050Hz) {
  const struct {
    double Fc, point150;
  } cases[] = {{15, 22}, {21, 22}, {1000, 1000}, {21000, 21000}};
  for (const auto& c : cases) {
    ComputeBandResponse(design, 7, c.Fc, c.Fc / 2, 3);
    EXPECT_NEAR(design.FineCurve[7][0].frequency, 20, 1e-9);
    EXPECT_NEAR(design.FineCurve[7][150].frequency, c.point150, 1e-9);
    EXPECT_NEAR(design.FineCurve[7][300].frequency, 22050, 1e-9);
    for (int i = 1; i < kFinePointCount; ++i)
      ASSERT_GT(design.FineCurve[7][i].frequency, design.FineCurve[7][i - 1].frequency);
  }
  ComputeBandResponse(design, 7, 1000, 300, 6);
  EXPECT_NEAR(design.FineCurve[7][150].level, 6, 1e-9);  // exact cos and sin at Fc
}

TEST_F(CalyxonBandDesignTest, UnbuildableBandIsPassThroughWithoutNaN) {
  for (const Band band : {Band{22050, 300, 6}, Band{30000, 0, 6}, Band{0, 300, 6}, Band{-5, 300, 6},
                          Band{1000, 300, NAN}}) {
    ComputeBandResponse(design, 4, band.Fc, band.BW, band.Gain);
    for (int i = 0; i < design.GridCount; ++i) ASSERT_EQ(design.BandResponse[4][i], 0.0);
    for (const FinePoint& p : design.FineCurve[4]) ASSERT_TRUE(std::isfinite(p.frequency));
  }
}

}  // namespace
}  // namespace calyxon
