// The manual bands' arithmetic: the edits' limits, the band values and bar positions an apply
// and a click compute, what the bars and a project load write back, and the recomputed curves.
#include <gtest/gtest.h>

#include "calyxon/eq/BandResponse.h"
#include "calyxon/eq/FrequencyGrid.h"
#include "calyxon/eq/ManualEq.h"
#include "runtime/FloatText.h"

namespace calyxon {
namespace {

class ManualBandsTest : public ::testing::Test {
 protected:
  void SetUp() override { BuildFrequencyGrid(design); }

  EqDesign design;
};

// The value an edit holds after both checks, each on what the one before left.
double Clamped(ManualField field, double value) {
  for (int check = 0; check < kClampChecks; ++check) {
    if (const auto written = ClampedValue(field, check, value)) value = *written;
  }
  return value;
}

TEST_F(ManualBandsTest, ClampHoldsEachFieldWithinItsLimits) {
  const struct {
    ManualField field;
    double value, clamped;
  } rows[] = {
      {ManualField::Fc, 25, 20},        {ManualField::Fc, 20.0001, 20},
      {ManualField::Fc, 20, 20},        {ManualField::Fc, 0.01, 0.02},
      {ManualField::Fc, -3, 0.02},      {ManualField::Fc, 0.0207, 0.0207},
      {ManualField::Q, 250, 200},       {ManualField::Q, -1, 0},
      {ManualField::Q, 199.99, 199.99}, {ManualField::Gain, 30, 20},
      {ManualField::Gain, -30, -20},    {ManualField::Gain, -20, -20},
  };
  for (const auto& row : rows) EXPECT_EQ(Clamped(row.field, row.value), row.clamped) << row.value;
}

TEST_F(ManualBandsTest, ApplySnapsToTheGridAndOnlyBandTwoTruncatesTheHertz) {
  ManualBands bands = {{{0.0207, 1, 3},    // 20.7 Hz snaps up to 21
                        {0.0207, 1, 3},    // truncated to 20 Hz first
                        {1.003, 2, -4.5},  // 1003 Hz snaps to 1000
                        {0.06, 0, 6},      // low shelf
                        {15, 200, -6},     // high shelf
                        {1, 199.99, 1}}};  // a peak all the same
  ApplyManualBands(design, bands);
  const struct {
    double Fc, Bw, Gain;
  } rows[] = {{21, 21, 3}, {20, 20, 3},        {1000, 500, -4.5},
              {60, 0, 6},  {15000, 22050, -6}, {1000, 1000 / 199.99, 1}};
  for (int k = 0; k < kManualBandCount; ++k) {
    EXPECT_EQ(design.BandFc[kFirstManualBand + k], rows[k].Fc) << k;
    EXPECT_EQ(design.BandBw[kFirstManualBand + k], rows[k].Bw) << k;
    EXPECT_EQ(design.BandGain[kFirstManualBand + k], rows[k].Gain) << k;
  }
}

TEST_F(ManualBandsTest, BarPositionsAreTruncatedHundredths) {
  const struct {
    ManualBand band;
    bool truncateFc;
    ManualBarPositions bars;
  } rows[] = {
      {{0.06, 1, 0}, false, {40, 100, 0}},
      {{0.0207, 2.3, -3.5}, false, {1, 229, -350}},  // 2.3 x 100 is 229.99999999999997
      {{0.0207, 0.707, 0.29}, true, {0, 70, 28}},    // RadioButton1Click: 20 Hz
      {{1, 0, 20}, false, {330, 0, 2000}},
      {{22, 200, -20}, false, {659, 20000, -2000}},
      {{1, 199.99, -0.001}, false, {330, 19999, 0}},
  };
  for (const auto& row : rows) {
    const ManualBarPositions bars = BarPositionsFor(design, row.band, row.truncateFc);
    EXPECT_EQ(bars.Fc, row.bars.Fc) << row.band.Fc;
    EXPECT_EQ(bars.Bw, row.bars.Bw) << row.band.Q;
    EXPECT_EQ(bars.Gain, row.bars.Gain) << row.band.Gain;
  }
}

TEST_F(ManualBandsTest, BarsAndProjectLoadsWriteTheirValuesAsPlainDecimals) {
  const struct {
    double value;
    const char* text;
  } written[] = {
      {StepFromBar(229), "2.29"}, {StepFromBar(7071), "70.71"},    {StepFromBar(-350), "-3.5"},
      {StepFromBar(0), "0"},      {FcFromBar(design, 40), "0.06"}, {FcFromBar(design, 659), "22"},
  };
  for (const auto& w : written) EXPECT_EQ(runtime::FloatToStr(w.value), w.text);

  const struct {
    double Fc, Bw, Gain;
    const char *fc, *q, *gain;
  } bands[] = {
      {1000, 400, -3.5, "1", "2.5", "-3.5"}, {1000, 1000 / 0.707, 2, "1", "0.707", "2"},
      {60, 0, 0, "0.06", "0", "0"},          {15000, 22050, 12.25, "15", "200", "12.25"},
      {1003, 100, 1, "1", "10.03", "1"},  // the Fc shown is the grid's, Q from the stored Fc
  };
  for (const auto& b : bands) {
    design.BandFc[27] = b.Fc;
    design.BandBw[27] = b.Bw;
    design.BandGain[27] = b.Gain;
    const ManualBand band = ManualBandFromDesign(design, 27);
    EXPECT_EQ(runtime::FloatToStr(band.Fc), b.fc) << b.Fc;
    EXPECT_EQ(runtime::FloatToStr(band.Q), b.q) << b.Bw;
    EXPECT_EQ(runtime::FloatToStr(band.Gain), b.gain) << b.Gain;
  }
}

TEST_F(ManualBandsTest, ApplySumsAllBandsAndLeavesGainZeroBandsFlat) {
  for (int i = 0; i < design.GridCount; ++i) {
    design.TargetCurve[i] = 3;
    design.SourceCurve[i] = 1;
  }
  ComputeBandResponse(design, 4, 500, 250, 2);  // a fitted band counts in the sum
  design.BandResponse[30][100] = 9;             // left from an earlier apply
  ManualBands bands{};
  bands[0] = {1, 2.5, 6};
  bands[4] = {2, 0, 0};  // gain 0: zero response
  ApplyManualBands(design, bands);

  EXPECT_NEAR(design.BandResponse[26][NearestGridIndex(design, 1000)], 6, 1e-9);
  for (int i = 0; i < design.GridCount; ++i) {
    ASSERT_EQ(design.BandResponse[30][i], 0) << i;
    const double sum = design.BandResponse[4][i] + design.BandResponse[26][i];
    ASSERT_NEAR(design.BandSumCurve[i], sum, 1e-12) << i;
    ASSERT_EQ(design.ErrorCurve[i], 3 - (design.BandSumCurve[i] + 1)) << i;
    ASSERT_EQ(design.ResidualCurve[i], design.ErrorCurve[i]) << i;
  }
}

}  // namespace
}  // namespace calyxon
