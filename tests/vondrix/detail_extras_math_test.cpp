// The arithmetic of the RF monitor, the level readouts, the Zarn wait and the EQ preset
// buttons.
#include <gtest/gtest.h>

#include "runtime/Convert.h"
#include "runtime/FloatText.h"
#include "vondrix/detail/EqPresetStep.h"
#include "vondrix/detail/MonitorMath.h"
#include "vondrix/detail/SpectrumMath.h"
#include "vondrix/detail/ZarnPlan.h"

namespace {

using namespace vondrix;

TEST(MonitorMath, PixelsAndRowsOfRawReadings) {
  struct Row {
    const char* name;
    int raw, low, high;
    int pixels, y;
  } rows[] = {
      {"6 dB on a one-dB-a-step pair", 10, 10, 44, 15, 140},
      {"0 dB lies on the baseline", 4, 10, 44, 0, 154},
      {"1 dB, 2 pixels, one above the baseline", 5, 10, 44, 2, 153},
      {"54 dB", 58, 10, 44, 135, 20},
      {"60 dB reaches the top", 64, 10, 44, 150, 5},
      {"76 dB stays at the top", 80, 10, 44, 190, 5},
      {"below 0 dB", 0, 10, 44, -10, 154},
      // k = 34 / 60 in single precision is a hair small: the high reading makes 99, not 100.
      {"the high reading of 30..90", 90, 30, 90, 99, 56},
      {"an equal pair plots 0 dB", 200, 40, 40, 0, 154},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(MonitorPixels(r.raw, r.low, r.high), r.pixels);
    EXPECT_EQ(MonitorY(MonitorPixels(r.raw, r.low, r.high)), r.y);
  }
  EXPECT_EQ(MonitorY(1), 154);
  EXPECT_EQ(MonitorY(151), 5);
}

// The monitor's readouts and elapsed time, which it shares with the spectrum's marker.
TEST(MonitorMath, ReadoutsOfTheMonitorsRows) {
  struct Row {
    const char* name;
    int y;
    const char* dbm;
    const char* microvolts;
  } rows[] = {
      {"the baseline, 0.4 dB", 154, "-107.0dBm", "1.0uV"},
      {"11.6 dB", 126, "-95.4dBm", "3.8uV"},
      {"62 dB", 0, "-45.0dBm", "1,259.0uV"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(DbmText(r.y), r.dbm);
    EXPECT_EQ(MicrovoltText(r.y), r.microvolts);
  }
  EXPECT_EQ(ElapsedText(3725000), "01:02:05");  // 3,725 s of monitoring
  EXPECT_EQ(ElapsedText(59999), "00:00:59");
}

TEST(ZarnPlan, TheSweepRunsFromTheReceiverIntoTheMicrophone) {
  const ZarnSweep s = ZarnSweepBetween({81, 241, 90, 38}, {231, 241, 31, 40});
  EXPECT_EQ(s.y, 275);
  EXPECT_EQ(s.from, 171);
  EXPECT_EQ(s.to, 251);
  EXPECT_EQ((s.to - s.from) / kZarnStepPx + 1, 41);
}

TEST(ZarnPlan, FirmwareBelow15SendsTheYesNoChoiceFirst) {
  struct Row {
    const char* caption;
    bool old;
  } rows[] = {{"1.4A", true},  {"1.5", false}, {"1.5A", false},
              {"2.0B", false}, {"1.49", true},  // the fourth character goes, whatever it is
              {"0.9 ", true}};
  for (const char* separator : {".", ","}) {
    runtime::setDecimalSeparator(QChar::fromLatin1(separator[0]));
    for (const Row& r : rows) EXPECT_EQ(ZarnNeedsYesNoFirst(r.caption), r.old) << r.caption;
  }
  runtime::setDecimalSeparator(u'.');
  EXPECT_THROW(ZarnNeedsYesNoFirst("x.4A"), runtime::ConversionError);
  EXPECT_THROW(ZarnNeedsYesNoFirst(""), runtime::ConversionError);
}

TEST(EqPresetStep, StepsWrapAtBothEnds) {
  struct Row {
    const char* name;
    const char *index, *highest;
    int direction, n;
    const char* text;
  } rows[] = {
      {"next wraps past the highest", "09", "09", +1, 0, "00"},
      {"previous wraps below 0", "00", "09", -1, 9, "09"},
      {"next", "03", "09", +1, 4, "04"},
      {"previous", "03", "09", -1, 2, "02"},
      {"two digits past 9", "09", "12", +1, 10, "10"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const int n = SteppedEqPreset(r.index, r.highest, r.direction);
    EXPECT_EQ(n, r.n);
    EXPECT_EQ(EqPresetText(n), r.text);
  }
  EXPECT_THROW(SteppedEqPreset("", "09", +1), runtime::ConversionError);
  EXPECT_THROW(SteppedEqPreset("03", "", -1), runtime::ConversionError);
}

}  // namespace
