// The manual bands' arithmetic: the edits' limits, the band values and bar positions an apply
// and a click compute, the texts the bars and a project load write, and the recomputed curves.
#include <gtest/gtest.h>
#include <QStringList>

#include "calyxon/eq/BandResponse.h"
#include "calyxon/eq/FrequencyGrid.h"
#include "calyxon/eq/ManualBands.h"
#include "runtime/Convert.h"
#include "runtime/FloatText.h"

namespace calyxon {
namespace {

class ManualBandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    runtime::setDecimalSeparator(u'.');
    BuildFrequencyGrid(design);
  }
  void TearDown() override { runtime::setDecimalSeparator(u'.'); }

  EqDesign design;
};

TEST_F(ManualBandsTest, ClampRewritesTextsOutsideTheLimits) {
  const struct {
    ManualField field;
    const char* text;
    const char* clamped;
  } rows[] = {
      {ManualField::Fc, "25", "20"},        {ManualField::Fc, "20.0001", "20"},
      {ManualField::Fc, "20", "20"},        {ManualField::Fc, "0.01", "0.02"},
      {ManualField::Fc, "-3", "0.02"},      {ManualField::Fc, "0.0207", "0.0207"},
      {ManualField::Q, "250", "200"},       {ManualField::Q, "-1", "0"},
      {ManualField::Q, "199.99", "199.99"}, {ManualField::Q, "0.707", "0.707"},
      {ManualField::Gain, "30", "20"},      {ManualField::Gain, "-30", "-20"},
      {ManualField::Gain, "-20", "-20"},    {ManualField::Gain, " 7.5 ", " 7.5 "},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ClampedEditText(row.field, row.text), row.clamped) << row.text;
  }
}

TEST_F(ManualBandsTest, ATextThatIsNotANumberFailsWithTheRunTimeMessage) {
  for (const char* text : {"1..2", "", "-", ".", "1,5", "0x10"}) {
    try {
      ClampedEditText(ManualField::Gain, text);
      ADD_FAILURE() << text << " was taken";
    } catch (const runtime::ConversionError& e) {
      EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
  }
}

TEST_F(ManualBandsTest, ApplyValuesSnapToTheGridAndOnlyBandTwoTruncatesTheHertz) {
  const struct {
    int band;
    ManualBandTexts texts;
    double Fc, Bw, Gain;
  } rows[] = {
      {1, {"0.0207", "1", "3"}, 21, 21, 3},  // 20.7 Hz snaps up to 21
      {2, {"0.0207", "1", "3"}, 20, 20, 3},  // truncated to 20 Hz first
      {3, {"1.003", "2", "-4.5"}, 1000, 500, -4.5},
      {4, {"0.06", "0", "6"}, 60, 0, 6},           // low shelf
      {5, {"15", "200", "-6"}, 15000, 22050, -6},  // high shelf
      {6, {"1", "199.99", "1"}, 1000, 1000 / 199.99, 1},
  };
  for (const auto& row : rows) {
    const ManualBandValues band = ManualBandFromEdits(design, row.band, row.texts);
    EXPECT_EQ(band.Fc, row.Fc) << row.band;
    EXPECT_EQ(band.Bw, row.Bw) << row.band;
    EXPECT_EQ(band.Gain, row.Gain) << row.band;
  }
}

TEST_F(ManualBandsTest, BarPositionsAreTruncatedHundredths) {
  const struct {
    ManualBandTexts texts;
    bool truncateHz;
    BarPositions bars;
  } rows[] = {
      {{"0.06", "1", "0"}, false, {40, 100, 0}},
      {{"0.0207", "2.3", "-3.5"}, false, {1, 229, -350}},  // Q 2.3 x 100 is 229.99999...
      {{"0.0207", "0.707", "0.29"}, true, {0, 70, 28}},    // RadioButton1Click: 20 Hz
      {{"1", "0", "20"}, false, {330, 0, 2000}},
      {{"22", "200", "-20"}, false, {659, 20000, -2000}},
      {{"1", "199.99", "-0.001"}, false, {330, 19999, 0}},
  };
  for (const auto& row : rows) {
    const BarPositions bars = BarPositionsFromEdits(design, row.texts, row.truncateHz);
    EXPECT_EQ(bars.Fc, row.bars.Fc) << row.texts.Fc.toStdString();
    EXPECT_EQ(bars.Bw, row.bars.Bw) << row.texts.Q.toStdString();
    EXPECT_EQ(bars.Gain, row.bars.Gain) << row.texts.Gain.toStdString();
  }
}

TEST_F(ManualBandsTest, TextsWrittenByBarsPresetAndProjectLoad) {
  EXPECT_EQ(StepTextFromBar(229), "2.29");
  EXPECT_EQ(StepTextFromBar(7071), "70.71");
  EXPECT_EQ(StepTextFromBar(-350), "-3.5");
  EXPECT_EQ(StepTextFromBar(0), "0");
  EXPECT_EQ(FcTextFromBar(design, 40), "0.06");
  EXPECT_EQ(FcTextFromBar(design, 659), "22");

  QStringList preset;
  for (double hz : kPresetEqFrequencies) preset << GridKhzText(design, hz);
  EXPECT_EQ(preset, (QStringList{"0.06", "0.2", "0.8", "2.4", "6", "15"}));

  const struct {
    double Fc, Bw, Gain;
    ManualBandTexts texts;
  } bands[] = {
      {1000, 400, -3.5, {"1", "2.5", "-3.5"}}, {1000, 1000 / 0.707, 2, {"1", "0.707", "2"}},
      {60, 0, 0, {"0.06", "0", "0"}},          {15000, 22050, 12.25, {"15", "200", "12.25"}},
      {1003, 100, 1, {"1", "10.03", "1"}},  // the Fc shown is the grid's, Q from the stored Fc
  };
  for (const auto& band : bands) {
    design.BandFc[27] = band.Fc;
    design.BandBw[27] = band.Bw;
    design.BandGain[27] = band.Gain;
    const ManualBandTexts texts = ManualBandTextsFromBand(design, 27);
    EXPECT_EQ(texts.Fc, band.texts.Fc) << band.Fc;
    EXPECT_EQ(texts.Q, band.texts.Q) << band.Bw;
    EXPECT_EQ(texts.Gain, band.texts.Gain) << band.Gain;
  }
}

TEST_F(ManualBandsTest, RecomputeSumsAllBandsAndLeavesGainZeroBandsFlat) {
  for (int i = 0; i < design.GridCount; ++i) {
    design.TargetCurve[i] = 3;
    design.SourceCurve[i] = 1;
  }
  ComputeBandResponse(design, 4, 500, 250, 2);  // a fitted band counts in the sum
  design.BandResponse[30][100] = 9;             // left from an earlier apply
  std::array<ManualBandValues, kManualBandCount> bands{};
  bands[0] = {1000, 400, 6};
  bands[4] = {2000, 0, 0};  // gain 0: zero response
  RecomputeManualBands(design, bands);

  EXPECT_EQ(design.BandFc[26], 1000);
  EXPECT_EQ(design.BandBw[26], 400);
  EXPECT_EQ(design.BandGain[26], 6);
  EXPECT_EQ(design.BandFc[30], 2000);
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
