// The arithmetic of tuning and of the squelch display: frequency texts, the grid, the steps
// with their wrap, the D set fields, the marker height of a level, the threshold line.
#include <gtest/gtest.h>

#include "runtime/Convert.h"
#include "runtime/FloatText.h"
#include "vondrix/detail/SquelchMath.h"
#include "vondrix/detail/TuningMath.h"

namespace {

using namespace vondrix;

TEST(Tuning, FrequencyTextsAreWholeKhzInSinglePrecisionAndEnterSnapsDown) {
  struct Row {
    const char* text;
    float khz;
    int32_t snapped;
  } rows[] = {
      {"798.049", 798049, 798025}, {"798.025", 798025, 798025}, {"798.000", 798000, 798000},
      {"822.000", 822000, 822000}, {"821.999", 821999, 821975}, {"1,000.000", 1000000, 1000000},
      {"606.1", 606100, 606100},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(KhzOfText(r.text), r.khz) << r.text;
    EXPECT_EQ(SnapToGrid(KhzOfText(r.text)), r.snapped) << r.text;
  }
  EXPECT_THROW(KhzOfText("79..0"), runtime::ConversionError);
}

TEST(Tuning, FrequencyStepsLeaveTheBandOnlyToWrap) {
  constexpr float kStart = 798000, kStop = 822000;
  const auto down = StepDirection::Down, up = StepDirection::Up;
  struct Row {
    const char* name;
    float field;
    int step;
    StepDirection direction;
    std::optional<float> result;
  } rows[] = {
      {"down to the band start", 798025, 25, down, 798000},
      {"down from the band start wraps", 798000, 25, down, std::nullopt},
      {"up to the band stop", 821975, 25, up, 822000},
      {"up from the band stop wraps", 822000, 25, up, std::nullopt},
      {"a wide step past the stop", 821900, 125, up, std::nullopt},
      {"a wide step inside", 810000, 125, down, 809875},
  };
  for (const Row& r : rows)
    EXPECT_EQ(SteppedFrequency(r.field, r.step, r.direction, kStart, kStop), r.result) << r.name;
}

TEST(Tuning, GroupAndChannelStepsWrapAtBothEnds) {
  EXPECT_EQ(StepWrap(1, 8, StepDirection::Down), 8);
  EXPECT_EQ(StepWrap(8, 8, StepDirection::Up), 1);
  EXPECT_EQ(StepWrap(4, 8, StepDirection::Up), 5);
  EXPECT_EQ(StepWrap(4, 8, StepDirection::Down), 3);
}

TEST(Tuning, DSetFieldsInBothForms) {
  struct Row {
    const char* group;
    const char* channel;
    bool newFormat;
    const char* g;
    const char* c;
  } rows[] = {
      {"3", "C", true, "03", "0C"},
      {"A", "10", true, "0A", "10"},
      {"2", "10", false, "2", "0"},  // channel 16 goes out as "0"
      {"2", "A", false, "2", "A"},
  };
  for (const Row& r : rows) {
    const GroupChannelFields f = DSetFields(r.group, r.channel, r.newFormat);
    EXPECT_EQ(f.group, r.g);
    EXPECT_EQ(f.channel, r.c);
  }
  EXPECT_THROW(DSetFields("x", "1", true), runtime::ConversionError);
}

TEST(Tuning, ARetuneMarksTheSlotAsTunedByFrequency) {
  EXPECT_EQ(RetunedStatus("0"), "1");
  EXPECT_EQ(RetunedStatus("2"), "3");
  EXPECT_EQ(RetunedStatus("1"), "1");
  EXPECT_EQ(RetunedStatus("@"), "@");
}

TEST(Tuning, MarkerHeightOfALevel) {
  struct Row {
    int px, y;
  } rows[] = {{0, 155}, {1, 155}, {2, 153}, {149, 6}, {150, 5}, {200, 5}, {-3, 155}};
  for (const Row& r : rows) EXPECT_EQ(MarkerYOfPixels(r.px), r.y) << r.px;
  // Calibration 6..40: one raw step is one dB, 2.5 pixels.
  EXPECT_EQ(LevelPixels(20, 6, 40), 50);
  EXPECT_EQ(LevelPixels(20, 30, 30), 0);  // an equal pair has no scale: 0 dB
}

TEST(Tuning, TheFirstModelTakesTheStrongerAntennaAfterAligningTheirLowPoints) {
  const Calibration cal{6, 4, 40, 38};  // B's low point 2 below A's: B reads 2 more
  struct Row {
    const char* name;
    LevelSource source;
    int rfA, rfB, y;
  } rows[] = {
      {"A stronger", LevelSource::StrongerOfAB, 30, 20, 155 - 75},
      {"B stronger once lifted", LevelSource::StrongerOfAB, 20, 19, 155 - 57},  // 19 + 2 on B
      {"A alone", LevelSource::A, 20, 40, 155 - 50},
      {"no level on A", LevelSource::A, 0, 90, 155},
  };
  for (const Row& r : rows) EXPECT_EQ(SampleMarkerY(r.source, r.rfA, r.rfB, cal), r.y) << r.name;
  EXPECT_EQ(SampleMarkerY(LevelSource::StrongerOfAB, 50, 50, {6, 6, 6, 6}), 155);
}

TEST(Squelch, ThresholdLineBarAndText) {
  struct Row {
    int threshold, low, high;
    int y, bar;
    const char* text;
  } rows[] = {
      {6, 6, 40, 140, 25, "6.0dB"},       // one raw step per dB
      {40, 6, 40, 55, 172, "40.0dB"},     //
      {50, 6, 40, 30, 210, "50.0dB"},     // the bar's full width
      {100, 6, 40, -95, 210, "100.0dB"},  // a line above the picture
      {0, 6, 40, 155, 0, "0.0dB"},        // below the scale: no bar
      {30, 20, 20, 155, 0, "0.0dB"},      // an equal pair: 0 dB
  };
  for (const Row& r : rows) {
    const SquelchThresholdView v = SquelchThreshold(r.threshold, r.low, r.high);
    EXPECT_EQ(v.y, r.y) << r.threshold;
    EXPECT_EQ(v.barWidth, r.bar) << r.threshold;
    EXPECT_EQ(v.text, r.text) << r.threshold;
  }
  EXPECT_EQ(SquelchBarWidth(0.4f), 0);  // b = 1 shows no bar
  EXPECT_EQ(SquelchBarWidth(0.5f), 2);
}

TEST(Squelch, UpComparesTheTextsAndTheLedsShowLevelsOneToFive) {
  EXPECT_TRUE(SquelchMayRise("00", "05"));
  EXPECT_TRUE(SquelchMayRise("09", "0A"));
  EXPECT_FALSE(SquelchMayRise("05", "05"));
  EXPECT_FALSE(SquelchMayRise("0A", "05"));
  const int lit[] = {0, 2, 4, 6, 8, 10, 0, 0};
  for (int level = 0; level < 8; ++level) EXPECT_EQ(SquelchLedsLit(level), lit[level]);
  EXPECT_EQ(SquelchLedsLit(-1), 0);
}

}  // namespace
