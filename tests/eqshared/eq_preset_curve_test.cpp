// EQ preset curve files: the capsule name, the points on the page's grid, the failures, and the
// files shipped beside the receiver program.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <fstream>
#include <set>
#include <string>

#include "common/CommaLocale.h"
#include "eqshared/CurveFile.h"
#include "eqshared/EqPresetCurve.h"

namespace eqshared {
namespace {

class EqPresetCurveTest : public ::testing::Test {
 protected:
  void SetUp() override { BuildFrequencyGrid(grid); }
  std::string File(const std::string& text) {
    const std::string path = ::testing::TempDir() + "eq_preset_" + std::to_string(files++);
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  double At(double hz) {
    const int i = NearestGridIndex(grid, hz);
    EXPECT_EQ(grid.GridFrequency[i], hz) << "not on the grid";
    return curve[i];
  }

  EqGrid grid;
  GridCurve curve = GridCurve(kGridCapacity, 0.0);
  int files = 0;
};

TEST_F(EqPresetCurveTest, TheCapsuleNameShowsUnderscoresAsBlanks) {
  const std::string points = "\n100,1\n1000,0\n";
  const struct {
    std::string text;
    std::string name;
  } cases[] = {
      {"Three_Word_Name" + points, "Three Word Name"},
      {"NoUnderscores" + points, "NoUnderscores"},
      {"\n\t  _Edge_" + points, " Edge "},
      // A longer name keeps 31 characters, never half of one; the points still follow.
      {std::string(40, 'N') + points, std::string(31, 'N')},
      {std::string(30, 'N') + "\xC3\xA9" + points, std::string(30, 'N')},
  };
  for (const auto& c : cases) {
    const EqPresetLoad load = LoadEqPresetCurve(File(c.text), grid, curve);
    EXPECT_EQ(load.capsuleName, c.name) << c.text;
    EXPECT_TRUE(load.loaded()) << c.text;
    EXPECT_EQ(load.pointCount, 2) << c.text;
  }
}

TEST_F(EqPresetCurveTest, LevelsAreShownRelativeTo1kHz) {
  grid.PlotReference = 3;
  grid.PlotMax = 9;
  grid.PlotMin = -1;
  const EqPresetLoad load =
      LoadEqPresetCurve(File("VX_Test\n20,5\n900,5\n1000,3\n1100,5\n22000,5\n"), grid, curve);
  ASSERT_TRUE(load.loaded());
  EXPECT_EQ(load.pointCount, 5);
  for (double hz : {20.0, 100.0, 800.0, 2400.0, 10000.0, 22000.0}) EXPECT_EQ(At(hz), 2) << hz;
  EXPECT_EQ(At(1000), 0);
  EXPECT_EQ(grid.PlotReference, 0);
  EXPECT_EQ(grid.PlotMax, 20);
  EXPECT_EQ(grid.PlotMin, -20);

  // No point below 1001 Hz: the levels stay as read, whatever reference the page held.
  grid.PlotReference = 7;
  ASSERT_TRUE(LoadEqPresetCurve(File("VX_Test\n2000,4\n4000,4\n"), grid, curve).loaded());
  EXPECT_EQ(At(1000), 4);
}

TEST_F(EqPresetCurveTest, FrequenciesBelow20HzAreTakenAsRead) {
  ASSERT_TRUE(LoadEqPresetCurve(File("VX_Test\n10,8\n200,2\n1000,0\n"), grid, curve).loaded());
  // On the line from (10 Hz, 8 dB) to (200 Hz, 2 dB), not from 20 Hz.
  EXPECT_NEAR(At(20), 8 - 6 * std::log10(2.0) / std::log10(20.0), 1e-12);
  EXPECT_NEAR(At(100), 8 - 6 * std::log10(10.0) / std::log10(20.0), 1e-12);
}

TEST_F(EqPresetCurveTest, FilesWithoutACurveChangeNothing) {
  curve[5] = 1.25;
  grid.PlotMax = 9;
  const struct {
    std::string path;
    EqPresetStatus status;
    const char* name;
    int points;
  } cases[] = {
      {::testing::TempDir() + "missing/EQ3.dat", EqPresetStatus::OpenFailed, "", 0},
      {File(""), EqPresetStatus::Unusable, "", 0},
      {File("VX_Test\n"), EqPresetStatus::Unusable, "VX Test", 0},
      {File("VX_Test\n1000,3\n"), EqPresetStatus::Unusable, "VX Test", 1},
      {File("VX_Test\n1000,3\n2000;4\n"), EqPresetStatus::Unusable, "VX Test", 1},
  };
  for (const auto& c : cases) {
    const EqPresetLoad load = LoadEqPresetCurve(c.path, grid, curve);
    EXPECT_EQ(load.status, c.status) << c.path;
    EXPECT_EQ(load.capsuleName, c.name) << c.path;
    EXPECT_EQ(load.pointCount, c.points) << c.path;
  }
  EXPECT_EQ(curve[5], 1.25);
  EXPECT_EQ(grid.PlotMax, 9);
}

TEST(EqPresetFileName, PresetsZeroToEightHaveFiles) {
  EXPECT_EQ(EqPresetFileName(0), "EQ0.dat");
  EXPECT_EQ(EqPresetFileName(8), "EQ8.dat");
  EXPECT_EQ(EqPresetFileName(9), "");  // "User Define"
  EXPECT_EQ(EqPresetFileName(-1), "");
  EXPECT_EQ(EqPresetFileName(10), "");
}

TEST(EqCurveFile, NumbersUseADotWhateverTheLocale) {
  const std::string path = ::testing::TempDir() + "eq_preset_locale.dat";
  std::ofstream(path) << "VX_Test\n20.5,-1.25\n1000.5,0.75\n";
  const CommaLocale locale(CommaLocale::RuntimeSeparator::Untouched);
  if (!locale.active()) GTEST_SKIP() << "no locale with a decimal comma could be made here";
  const auto reading = ReadCurveFile(path, {.capsuleName = true});
  ASSERT_TRUE(reading);
  EXPECT_EQ(reading->points.F, (std::vector<double>{20.5, 1000.5}));
  EXPECT_EQ(reading->points.L, (std::vector<double>{-1.25, 0.75}));
  EXPECT_EQ(std::localeconv()->decimal_point, std::string(","));  // the program's locale stays
}

TEST(EqShippedPresetCurves, EachGivesANamedFiniteCurveNormalisedAt1kHz) {
  EqGrid grid;
  BuildFrequencyGrid(grid);
  std::set<std::string> names;
  for (int n = 0; n < kEqPresetFileCount; ++n) {
    const std::string path = std::string(ORSEK_BIN_DIR) + "/" + EqPresetFileName(n);
    GridCurve curve(kGridCapacity, NAN);
    const EqPresetLoad load = LoadEqPresetCurve(path, grid, curve);
    ASSERT_TRUE(load.loaded()) << path;
    EXPECT_FALSE(load.capsuleName.empty()) << path;
    EXPECT_EQ(load.capsuleName.find('_'), std::string::npos) << path;
    names.insert(load.capsuleName);
    EXPECT_NEAR(curve[NearestGridIndex(grid, 1000)], 0, 1e-12) << path;
    for (int i = 0; i < grid.GridCount; ++i) {
      ASSERT_TRUE(std::isfinite(curve[i])) << path << " at " << grid.GridFrequency[i];
      ASSERT_LE(std::fabs(curve[i]), 25) << path << " at " << grid.GridFrequency[i];  // on the plot
    }
  }
  EXPECT_EQ(names.size(), static_cast<std::size_t>(kEqPresetFileCount));
}

}  // namespace
}  // namespace eqshared
