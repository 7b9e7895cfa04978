// Measurement files: reading, reference level, resampling, loading into the design.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <string>

#include "calyxon/eq/BandClearing.h"
#include "calyxon/eq/BandResponse.h"
#include "calyxon/eq/FrequencyGrid.h"
#include "calyxon/files/CurveLoading.h"
#include "calyxon/files/MicResponseFile.h"

namespace calyxon {
namespace {

// Level on the straight line in log-frequency through two points.
double Line(double f0, double l0, double f1, double l1, double f) {
  return l0 + (l1 - l0) * (std::log10(f) - std::log10(f0)) / (std::log10(f1) - std::log10(f0));
}

class CalyxonMeasurementTest : public ::testing::Test {
 protected:
  void SetUp() override {
    BuildFrequencyGrid(*design);
    ClearAllBands(*design);
  }
  std::string File(const std::string& text) {
    const std::string path = ::testing::TempDir() + "calyxon_mic_" + std::to_string(files++);
    std::ofstream(path) << text;
    return path;
  }
  // Curve values at grid frequencies (callers name frequencies that lie on the grid).
  double SourceAt(double hz) { return design->SourceCurve[Index(hz)]; }
  double TargetAt(double hz) { return design->TargetCurve[Index(hz)]; }
  int Index(double hz) {
    const int i = NearestGridIndex(*design, hz);
    EXPECT_EQ(design->GridFrequency[i], hz) << "not on the grid";
    return i;
  }

  std::unique_ptr<EqDesign> design = std::make_unique<EqDesign>();
  int files = 0;
};

TEST_F(CalyxonMeasurementTest, ReadingStopsAtTheFirstPointThatDoesNotMatch) {
  const struct {
    const char* text;
    std::size_t points;
  } cases[] = {
      {"100,1\n1000,0\n2000,3\nfoo\n3000,9\n", 3},
      {"  100,\n 1\r\n\t1000,0\r\n", 2},  // white space before each number, CR LF
      {"100,1\n1000 ,0\n", 1},            // no blank before the comma
      {"100,1\n1000;0\n", 1},
      {"100,1\n0,4\n2000,3\n", 1},  // no place on a log axis
      {"100,1\nnan,4\n", 1},
      {"", 0},
  };
  for (const auto& c : cases) {
    const auto reading = ReadMicResponseFile(File(c.text), false);
    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->points.F.size(), c.points) << c.text;
  }
  EXPECT_FALSE(ReadMicResponseFile(::testing::TempDir() + "no/such/file.dat", false));

  const auto raised = ReadMicResponseFile(File("5,1\n19.5,2\n20,3\n0,4\n"), true);
  EXPECT_EQ(raised->points.F, (std::vector<double>{20, 20, 20, 20}));
}

TEST_F(CalyxonMeasurementTest, ReadingKeepsAtMost22050Points) {
  std::string text;
  for (int i = 0; i < 22051; ++i) text += std::to_string(20 + i) + ",0\n";
  const auto reading = ReadMicResponseFile(File(text), false);
  EXPECT_EQ(reading->points.F.size(), 22050u);
  EXPECT_TRUE(reading->truncated);
  const CurveLoadResult result = LoadSourceCurve(*design, File(text));
  EXPECT_TRUE(result.loaded());
  EXPECT_TRUE(result.truncated);
  EXPECT_EQ(design->SourcePointCount, 22050);
}

TEST_F(CalyxonMeasurementTest, ReferenceIsTheLastPointBelow1001Hz) {
  MeasurementPoints points{{100, 995, 1000.5, 1001, 5000}, {5, -1, -2, -3, 0}};
  EXPECT_EQ(ReferenceLevel(points, 0), -2);
  EXPECT_EQ(ReferenceLevel({{1001, 2000}, {4, 5}}, 0), 0);
  EXPECT_EQ(ReferenceLevel({{1001, 2000}, {4, 5}}, 7.5), 7.5);

  ASSERT_TRUE(
      LoadSourceCurve(*design, File("100,5\n995,-1\n1000.5,-2\n1001,-3\n6000,0\n")).loaded());
  EXPECT_NEAR(SourceAt(100), 7, 1e-9);  // a grid point at a measured point takes its level
  EXPECT_NEAR(SourceAt(6000), 2, 1e-9);
}

TEST_F(CalyxonMeasurementTest, LowEndFollowsTheAnchorLine) {
  // Leading points below 100 Hz: the anchor is their mean log-frequency and mean level.
  ASSERT_TRUE(LoadSourceCurve(*design, File("40,1\n60,2\n80,6\n200,0\n1000,0\n")).loaded());
  const double aF = (std::log10(40.0) + std::log10(60.0) + std::log10(80.0)) / 3;
  for (double g : {20.0, 30.0, 40.0}) {
    const double expected = 3 + (std::log10(g) - aF) * (1 - 3) / (std::log10(40.0) - aF);
    EXPECT_NEAR(SourceAt(g), expected, 1e-9) << g;
  }
  // First point at or above 100 Hz: the line through the first two points.
  ASSERT_TRUE(LoadSourceCurve(*design, File("150,4\n300,2\n1000,0\n")).loaded());
  for (double g : {20.0, 57.0, 100.0, 150.0})
    EXPECT_NEAR(SourceAt(g), Line(150, 4, 300, 2, g), 1e-9) << g;
  // A target starting at or below 20 Hz has no anchor line.
  ASSERT_TRUE(LoadTargetCurve(*design, File("10,8\n200,2\n1000,0\n")).loaded());
  EXPECT_NEAR(TargetAt(20), 8, 1e-9);
  EXPECT_NEAR(TargetAt(100), Line(20, 8, 200, 2, 100), 1e-9);
}

TEST_F(CalyxonMeasurementTest, BetweenAndBeyondThePointsStraightInLogFrequency) {
  ASSERT_TRUE(LoadSourceCurve(*design, File("20,0\n1000,0\n5000,2\n10000,4\n")).loaded());
  EXPECT_NEAR(SourceAt(6000), Line(5000, 2, 10000, 4, 6000), 1e-9);
  EXPECT_NEAR(SourceAt(10000), 4, 1e-9);
  EXPECT_NEAR(SourceAt(15000), 4 + 2 * std::log10(1.5) / std::log10(2.0), 1e-9);
  EXPECT_NEAR(SourceAt(22000), 4 + 2 * std::log10(2.2) / std::log10(2.0), 1e-9);
}

TEST_F(CalyxonMeasurementTest, PointsSharingAFrequencyGiveNoNaN) {
  const struct {
    const char* text;
    double at20, at100, at22000;
  } cases[] = {
      // Two target points below 20 Hz become one frequency: the later one counts.
      {"10,1\n15,2\n200,2\n1000,0\n", 2, 2, NAN},
      // Equal points at the top: the end line takes the last earlier other frequency.
      {"20,0\n1000,0\n10000,4\n10000,5\n", 0, 0, NAN},
      // One frequency below 100 Hz only: the low end follows the first two frequencies.
      {"50,3\n50,3\n150,1\n1000,0\n", NAN, NAN, NAN},
      // Everything at one frequency: flat.
      {"1000,1\n1000,1\n", 0, 0, 0},
  };
  for (const auto& c : cases) {
    const CurveLoadResult result = LoadTargetCurve(*design, File(c.text));
    ASSERT_TRUE(result.loaded()) << c.text;
    for (int i = 0; i < design->GridCount; ++i) ASSERT_TRUE(std::isfinite(design->TargetCurve[i]));
    if (!std::isnan(c.at20)) {
      EXPECT_NEAR(TargetAt(20), c.at20, 1e-9) << c.text;
    }
    if (!std::isnan(c.at100)) {
      EXPECT_NEAR(TargetAt(100), c.at100, 1e-9) << c.text;
    }
    if (!std::isnan(c.at22000)) {
      EXPECT_NEAR(TargetAt(22000), c.at22000, 1e-9) << c.text;
    }
  }
  ASSERT_TRUE(LoadTargetCurve(*design, File("20,0\n1000,0\n10000,4\n10000,5\n")).loaded());
  EXPECT_NEAR(TargetAt(15000), Line(1000, 0, 10000, 5, 15000), 1e-9);
  ASSERT_TRUE(LoadTargetCurve(*design, File("50,3\n50,3\n150,1\n1000,0\n")).loaded());
  EXPECT_NEAR(TargetAt(20), Line(50, 3, 150, 1, 20), 1e-9);
}

TEST_F(CalyxonMeasurementTest, TargetLoadRebuildsTheErrorWithTheManualBandsOnly) {
  ASSERT_TRUE(LoadSourceCurve(*design, CALYXON_FIXTURES "/source.dat").loaded());
  ComputeBandResponse(*design, 4, 1000, 300, 5);  // a fitted band: cleared by the load
  design->BandFc[28] = 3000;
  design->BandBw[28] = 900;
  design->BandGain[28] = -4;
  ComputeBandResponse(*design, 28, 3000, 900, -4);  // a manual band: stays in the error
  design->PlotReference = 3;
  design->PlotMax = 7;

  const CurveLoadResult result = LoadTargetCurve(*design, CALYXON_FIXTURES "/target.dat");
  ASSERT_TRUE(result.loaded());
  EXPECT_EQ(result.pointCount, 41);
  EXPECT_EQ(design->LastPointCount, 41);
  EXPECT_EQ(design->TargetLoaded, 1);
  EXPECT_TRUE(SourceLoadAllowed(*design));
  EXPECT_EQ(design->PlotReference, 0);
  EXPECT_EQ(design->PlotMax, 20);
  EXPECT_EQ(design->PlotMin, -20);
  EXPECT_EQ(design->BandGain[4], 0);
  EXPECT_EQ(design->BandResponse[4][330], 0);
  for (int i = 0; i < design->GridCount; ++i) {
    const double expected =
        design->TargetCurve[i] - design->BandResponse[28][i] - design->SourceCurve[i];
    ASSERT_NEAR(design->ErrorCurve[i], expected, 1e-12);
    ASSERT_EQ(design->ResidualCurve[i], design->ErrorCurve[i]);
  }

  design->PlotMax = 7;
  ASSERT_TRUE(LoadSourceCurve(*design, File("20,1\n1000,0\n20000,-1\n")).loaded());
  EXPECT_EQ(design->PlotMax, 7);  // a source leaves the plot levels
  EXPECT_EQ(design->BandGain[28], -4);
  for (int i = 0; i < design->GridCount; ++i)
    ASSERT_EQ(design->ErrorCurve[i], design->TargetCurve[i] - design->SourceCurve[i]);
}

// A level beyond what a curve may hold, as read or on the grid once set to 0 dB at 1 kHz, is
// refused like a file without a curve, and the status text says where it is.
TEST_F(CalyxonMeasurementTest, FailedLoadsChangeNothingAndSaySo) {
  design->TargetCurve[5] = 1.25;
  const std::string beyond = ", beyond the +-1e+300 dB of a curve";
  const struct {
    std::string path;
    CurveLoadStatus status;
    std::string targetText, sourceText;
  } cases[] = {
      {::testing::TempDir() + "missing/x.dat", CurveLoadStatus::OpenFailed,
       "Target File:x Open Failed  !!! \n", "Mic File:x Load Failed  !!! \n"},
      {File(""), CurveLoadStatus::Unusable, "Target File:x Load Failed  !!! \n",
       "Mic File:x Load Failed  !!! \n"},
      {File("1000,3\n"), CurveLoadStatus::Unusable, "Target File:x Load Failed  !!! \n",
       "Mic File:x Load Failed  !!! \n"},
      {File("1000,3\n2000,x\n"), CurveLoadStatus::Unusable, "Target File:x Load Failed  !!! \n",
       "Mic File:x Load Failed  !!! \n"},
      {File("20,0\n1000,0\n8000,1e301\n20000,0\n"), CurveLoadStatus::Unusable,
       "Target File:x Load Failed: its point 3 (8000 Hz) has the level 1e+301 dB" + beyond +
           "  !!! \n",
       "Mic File:x Load Failed: its point 3 (8000 Hz) has the level 1e+301 dB" + beyond +
           "  !!! \n"},
      {File("20,-9e299\n1000,9e299\n20000,9e299\n"), CurveLoadStatus::Unusable,
       "Target File:x Load Failed: its curve reaches -1.8e+300 dB at 20 Hz on the grid" + beyond +
           "  !!! \n",
       "Mic File:x Load Failed: its curve reaches -1.8e+300 dB at 20 Hz on the grid" + beyond +
           "  !!! \n"},
  };
  for (const auto& c : cases) {
    const CurveLoadResult target = LoadTargetCurve(*design, c.path);
    EXPECT_EQ(target.status, c.status) << c.path;
    EXPECT_EQ(TargetLoadStatusText(target, "x"), c.targetText);
    const CurveLoadResult source = LoadSourceCurve(*design, c.path);
    EXPECT_FALSE(source.loaded());
    EXPECT_EQ(SourceLoadStatusText(source, "x"), c.sourceText);
  }
  EXPECT_EQ(design->TargetLoaded, 0);
  EXPECT_FALSE(SourceLoadAllowed(*design));
  EXPECT_EQ(design->TargetCurve[5], 1.25);
  EXPECT_EQ(design->LastPointCount, 0);
  CurveLoadResult loaded;
  loaded.status = CurveLoadStatus::Loaded;
  EXPECT_EQ(TargetLoadStatusText(loaded, "x"), "");
}

}  // namespace
}  // namespace calyxon
