#include <gtest/gtest.h>

#include <cmath>

#include "calyxon/eq/BandClearing.h"
#include "calyxon/eq/FrequencyGrid.h"

namespace calyxon {
namespace {

TEST(CalyxonFrequencyGrid, HoldsTheSegmentEndsAndIsStrictlyIncreasingInWholeHertz) {
  EqDesign design;
  design.PlotReference = 3;
  design.PlotMax = 9;
  design.TargetCurve[659] = 4;
  BuildFrequencyGrid(design);
  EXPECT_EQ(design.GridCount, 660);
  EXPECT_EQ(design.PlotReference, 0);
  EXPECT_EQ(design.PlotMax, 20);
  EXPECT_EQ(design.PlotMin, -20);
  EXPECT_EQ(design.TargetCurve[659], 0);
  const struct {
    int index;
    double hz;
  } points[] = {{0, 20},      {80, 100},    {81, 101},    {305, 800},   {306, 807},
                {330, 1000},  {331, 1009},  {425, 2400},  {426, 2422},  {524, 6000},
                {525, 6055},  {580, 10000}, {581, 10102}, {620, 15000}, {621, 15148},
                {653, 20741}, {654, 20946}, {655, 21153}, {659, 22000}};
  for (const auto& p : points) EXPECT_EQ(design.GridFrequency[p.index], p.hz) << p.index;
  for (int i = 1; i < 660; ++i) {
    ASSERT_GT(design.GridFrequency[i], design.GridFrequency[i - 1]) << i;
    ASSERT_EQ(design.GridFrequency[i], std::floor(design.GridFrequency[i]));
  }
}

TEST(CalyxonFrequencyGrid, NearestGridIndexTakesTheLowerOfEqualDistances) {
  EqDesign design;
  EXPECT_EQ(NearestGridIndex(design, 1000), 0);  // no grid yet
  BuildFrequencyGrid(design);
  const struct {
    double hz;
    int index;
  } cases[] = {{21000, 654}, {100.5, 80}, {5, 0},     {-3, 0},      {20, 0},
               {1000, 330},  {60, 40},    {1e6, 659}, {22000, 659}, {803.5, 305}};
  for (const auto& c : cases) EXPECT_EQ(NearestGridIndex(design, c.hz), c.index) << c.hz;
}

TEST(CalyxonCosSinTable, IsFilledWithCosineThenSineByWholeHertz) {
  const EqDesign design;
  EXPECT_EQ(design.CosSinTable[0], 1.0);
  EXPECT_EQ(design.CosSinTable[22050], 0.0);
  EXPECT_NEAR(design.CosSinTable[11025], 0.0, 1e-15);
  EXPECT_NEAR(design.CosSinTable[22050 + 11025], 1.0, 1e-15);
  EXPECT_NEAR(design.CosSinTable[22050 + 22049], std::sin(2 * M_PI * 22049 / 44100), 1e-15);
}

TEST(CalyxonBandClearing, AllBandsOrOnlyTheFittedOnes) {
  EqDesign design;
  for (int n = 0; n < kBandCount; ++n) {
    design.BandFc[n] = 500;
    design.BandBw[n] = 100;
    design.BandGain[n] = 3;
    design.BandResponse[n][kGridCapacity - 1] = 1;
  }
  design.BandSumCurve[kGridCapacity - 1] = 5;
  design.TotalCurve[7] = 5;

  ClearAutoBands(design);
  for (int n = 0; n < kBandCount; ++n) {
    const bool cleared = n < kAutoBandCount;
    EXPECT_EQ(design.BandFc[n], cleared ? 20 : 500) << n;
    EXPECT_EQ(design.BandBw[n], cleared ? 0 : 100) << n;
    EXPECT_EQ(design.BandGain[n], cleared ? 0 : 3) << n;
    EXPECT_EQ(design.BandResponse[n][kGridCapacity - 1], cleared ? 0 : 1) << n;
  }
  EXPECT_EQ(design.BandSumCurve[kGridCapacity - 1], 5);

  ClearAllBands(design);
  for (int n = 0; n < kBandCount; ++n) {
    EXPECT_EQ(design.BandFc[n], 20);
    EXPECT_EQ(design.BandGain[n], 0);
    EXPECT_EQ(design.BandResponse[n][kGridCapacity - 1], 0);
  }
  EXPECT_EQ(design.BandSumCurve[kGridCapacity - 1], 0);
  EXPECT_EQ(design.TotalCurve[7], 0);
}

}  // namespace
}  // namespace calyxon
