// The detail windows' arithmetic: status panel, meters, TV channels, group numbers, levels.
#include <gtest/gtest.h>

#include "runtime/Convert.h"
#include "runtime/FloatText.h"
#include "vondrix/detail/GroupNumbers.h"
#include "vondrix/detail/Meters.h"
#include "vondrix/detail/MhzText.h"
#include "vondrix/detail/RfLevel.h"
#include "vondrix/detail/StatusPanel.h"
#include "vondrix/detail/TvChannel.h"

namespace {

using namespace vondrix;

// Calibration A 10..44 and B 10..44: one raw step is one dB, raw r reads r - 4 dB.
constexpr Calibration kOneDbPerStep{10, 10, 44, 44};
std::string Hex(int v) {
  char b[8];
  std::snprintf(b, sizeof b, "%02X", v);
  return b;
}

TEST(StatusPanel, BarsLevelsAndColoursAtTheirThresholds) {
  struct Row {
    int levelDb;
    int width;
    std::optional<PanelColor> color;
  } rows[] = {
      {23, 99, PanelColor::Orange},                               // trunc(23 * 4.33)
      {19, 82, PanelColor::Red},    {20, 86, std::nullopt},       // exactly 10 uV: unchanged
      {21, 90, PanelColor::Orange}, {40, 173, std::nullopt},      // exactly 100 uV
      {41, 177, PanelColor::Lime},  {60, 259, PanelColor::Lime},  // 259.8
      {70, 259, PanelColor::Lime},  {0, 0, PanelColor::Red},
  };
  for (const Row& r : rows) {
    const int raw = r.levelDb + 4;
    const StatusPanelView v = ComputeStatusPanel({0, raw, raw, 20}, kOneDbPerStep, "00");
    EXPECT_EQ(v.levA, r.levelDb);
    EXPECT_EQ(v.barA.width, r.width) << r.levelDb;
    EXPECT_EQ(v.barA.color, r.color) << r.levelDb;
  }
  // The example of the receivers' documentation: (27 - 10) + 6 = 23 dB.
  EXPECT_EQ(ComputeStatusPanel({0, 27, 0, 0}, {10, 10, 44, 44}, "00").levA, 23);
}

TEST(StatusPanel, LampsMarkTheStrongerAntennaAboveSquelch) {
  const std::string sq = Hex(30 + 4);  // squelch at 30 dB
  struct Row {
    const char* name;
    int dbA, dbB;
    std::optional<PanelColor> lampA, lampB;
  } rows[] = {
      {"A stronger", 40, 35, PanelColor::Lime, PanelColor::White},
      {"B stronger", 35, 40, PanelColor::White, PanelColor::Lime},
      {"B below squelch", 40, 20, PanelColor::Lime, PanelColor::Red},
      {"both below", 20, 25, PanelColor::Red, PanelColor::Red},
      {"equal, above", 40, 40, std::nullopt, std::nullopt},
      {"B stronger, A below", 20, 40, PanelColor::Red, PanelColor::Lime},
  };
  for (const Row& r : rows) {
    const StatusPanelView v = ComputeStatusPanel({0, r.dbA + 4, r.dbB + 4, 0}, kOneDbPerStep, sq);
    EXPECT_EQ(v.lampA, r.lampA) << r.name;
    EXPECT_EQ(v.lampB, r.lampB) << r.name;
  }
}

TEST(StatusPanel, TheWeakerLowCalibrationIsLifted) {
  // B's low reading is 2 below A's: B's raw reading counts 2 more.
  const StatusPanelView v = ComputeStatusPanel({0, 24, 24, 0}, {10, 8, 44, 42}, "00");
  EXPECT_EQ(v.levA, 20);
  EXPECT_EQ(v.levB, 24);
  const StatusPanelView w = ComputeStatusPanel({0, 24, 24, 0}, {8, 10, 42, 44}, "00");
  EXPECT_EQ(w.levA, 24);
  EXPECT_EQ(w.levB, 20);
}

TEST(StatusPanel, DeviationAndBattery) {
  struct Dev {
    int af, width;
    PanelColor peak;
  } devs[] = {{90, 0, PanelColor::Lime},
              {91, 60, PanelColor::Lime},
              {170, 255, PanelColor::Lime},
              {171, 259, PanelColor::Red},
              {255, 259, PanelColor::Red}};
  for (const Dev& d : devs) {
    const StatusPanelView v = ComputeStatusPanel({d.af, 0, 0, 0}, kOneDbPerStep, "00");
    EXPECT_EQ(v.deviationWidth, d.width) << d.af;
    EXPECT_EQ(v.peakLamp, d.peak) << d.af;
  }
  struct Bat {
    int code;
    const char* text;
    PanelColor color;
  } bats[] = {{16, "OFF", PanelColor::Aqua},   {17, "100%", PanelColor::Lime},
              {21, "100%", PanelColor::Lime},  {22, "80%", PanelColor::Lime},
              {31, "40%", PanelColor::Yellow}, {35, "10%", PanelColor::Red},
              {36, "OFF", PanelColor::Aqua}};
  for (const Bat& b : bats) {
    const StatusPanelView v = ComputeStatusPanel({0, 0, 0, b.code}, kOneDbPerStep, "00");
    EXPECT_EQ(v.batteryText, b.text) << b.code;
    EXPECT_EQ(v.batteryColor, b.color) << b.code;
  }
}

TEST(StatusPanel, DropsCountEachFallBelowSquelchWhileCountingIsOn) {
  const std::string sq = Hex(30 + 4);
  DropCounters d;
  auto show = [&](int dbA) {
    CountDrops(d, ComputeStatusPanel({0, dbA + 4, 50, 0}, kOneDbPerStep, sq));
  };
  for (int db : {40, 20, 20, 40, 20}) show(db);
  EXPECT_EQ(d.DropCountA, 0);  // counting off: nothing, not even the flags
  EXPECT_EQ(d.AboveSquelchA, 0);
  d.DropCountingOn = 1;
  for (int db : {40, 20, 20, 40, 30, 20}) show(db);  // 30 is at the level: still above
  EXPECT_EQ(d.DropCountA, 2);
  EXPECT_EQ(d.DropCountB, 0);
}

TEST(RfLevel, AnEqualCalibrationPairReadsZeroDb) {
  EXPECT_EQ(RfDb(200, 40, 40), 0.0L);
  const StatusPanelView v = ComputeStatusPanel({0, 200, 200, 0}, {40, 40, 40, 40}, "FF");
  EXPECT_EQ(v.levA, 0);
  EXPECT_EQ(v.barA.width, 0);
  EXPECT_EQ(RfLedCount(200, 40, 40), 0);
}

TEST(Meters, RfLedsByLevelAndThresholds) {
  // One raw step per dB on 10..44 (single-precision k is exact there).
  struct Row {
    int db, leds;
  } rows[] = {{6, 0},   {7, 1},   {13, 1},  {14, 2},  {19, 3},  {20, 4},
              {26, 4},  {27, 5},  {33, 6},  {36, 7},  {39, 8},  {40, 9},
              {42, 10}, {47, 11}, {51, 12}, {55, 13}, {58, 14}, {90, 14}};
  for (const Row& r : rows) EXPECT_EQ(RfLedCount(r.db + 4, 10, 44), r.leds) << r.db;
  // Raw at the high reading of 30..90 comes out as 39 dB: eight LEDs, not nine.
  EXPECT_EQ(RfLedCount(90, 30, 90), 8);
  // Raw at the low reading: 6 dB or a hair below, no LED.
  EXPECT_EQ(RfLedCount(30, 30, 90), 0);
}

TEST(Meters, AfBatteryAndPie) {
  const int af[] = {0, 2, 4, 6, 8, 9, 10};
  for (int v = 0; v <= 6; ++v) EXPECT_EQ(AfLedCount(v), af[v]);
  EXPECT_EQ(AfLedCount(7), 0);
  EXPECT_EQ(AfLedCount(-1), 0);
  const int bt[] = {0, 1, 3, 5, 7, 9};
  for (int v = 0; v <= 5; ++v) EXPECT_EQ(BatteryLedCount(v), bt[v]);
  EXPECT_EQ(BatteryLedCount(6), 0);
  struct Pie {
    int code, start, end;
  } pies[] = {{0, 338, 22},   {9, 68, 112},  {18, 158, 202},
              {27, 248, 292}, {45, 305, 55}, {135, 125, 235}};
  for (const Pie& p : pies) {
    ASSERT_TRUE(DirectionPieAngles(p.code)) << p.code;
    EXPECT_EQ(DirectionPieAngles(p.code)->start, p.start);
    EXPECT_EQ(DirectionPieAngles(p.code)->end, p.end);
  }
  EXPECT_FALSE(DirectionPieAngles(36));
}

TEST(TvChannel, RowsByRegion) {
  struct Row {
    int region;
    float mhz;
    const char* text;
  } rows[] = {
      {1, 533.0f, "29"},  // 28.99999... rounds to 29 in single precision
      {1, 526.0f, "28"}, {1, 820.0f, "70"},   {1, 525.975f, ""}, {2, 566.0f, "25"},
      {2, 580.0f, ""},   {2, 606.0f, "25"},   {2, 910.0f, "63"}, {3, 862.0f, "70"},
      {3, 470.0f, "21"}, {3, 798.025f, "62"}, {4, 470.0f, "13"}, {4, 770.0f, "63"},
      {5, 890.0f, "84"}, {6, 806.0f, "70"},   {6, 807.0f, ""},
  };
  for (const Row& r : rows) {
    const TvChannelText t = TvChannelOf(r.mhz, r.region);
    EXPECT_FALSE(t.unchanged);
    EXPECT_EQ(t.text, r.text) << r.region << " " << r.mhz;
  }
  EXPECT_TRUE(TvChannelOf(600.0f, 0).unchanged);
  EXPECT_TRUE(TvChannelOf(600.0f, 7).unchanged);
}

TEST(GroupNumbers, ShiftedDisplayAndBoundedChannelCounts) {
  // Eight groups of 16: groups 1-4 show as 11-14, 5-8 as 16-19 with channels 17-32.
  EXPECT_EQ(ShiftedGroupChannel(8, 3, 5, 16).group, 13);
  EXPECT_EQ(ShiftedGroupChannel(8, 3, 5, 16).channel, 5);
  EXPECT_EQ(ShiftedGroupChannel(8, 4, 1, 16).group, 14);
  EXPECT_EQ(ShiftedGroupChannel(8, 5, 1, 16).group, 16);
  EXPECT_EQ(ShiftedGroupChannel(8, 5, 1, 16).channel, 17);
  CurrentReceiver c;
  c.ChannelsPerGroup[0] = 12;
  c.ChannelsPerGroup[3] = 9;
  struct Row {
    bool newTable;
    int group, count;
  } rows[] = {{true, 3, 12},  {false, 3, 9},   {false, 4, 16},  // never read
              {false, 0, 16}, {false, 17, 16}, {false, 200, 16}};
  for (const Row& r : rows) EXPECT_EQ(ChannelCountOf(c, r.newTable, r.group), r.count) << r.group;
  c.ChannelsPerGroup[0] = 0;
  EXPECT_EQ(ChannelCountOf(c, true, 1), 16);
}

TEST(MhzText, FormatsAndReadsBackThousands) {
  EXPECT_EQ(MhzText(798000.0f), "798.000");
  EXPECT_EQ(MhzTextOfCode("7C2B"), "794.675");
  EXPECT_EQ(MhzText(1234500.0f), "1,234.500");
  EXPECT_FLOAT_EQ(MhzValue("1,234.500"), 1234.5f);
  EXPECT_FLOAT_EQ(MhzValue("798.025"), 798.025f);
  EXPECT_THROW(MhzValue("79..8"), runtime::ConversionError);
  EXPECT_THROW(MhzTextOfCode("7G2B"), runtime::ConversionError);
}

}  // namespace
