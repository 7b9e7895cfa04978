// Curve files and the band list: their lines and levels.
#include <gtest/gtest.h>

#include <regex>

#include "calyxon/files/SmallOutputs.h"
#include "common/CommaLocale.h"
#include "tests/calyxon/DesignerState.h"
#include "tests/calyxon/FileText.h"

namespace calyxon {
namespace {

using testing::DesignerState;

TEST(CalyxonCurveFile, HoldsTheCountThenOneLinePerGridPoint) {
  DesignerState state;
  state.edits[0] = {"1", "2", "6"};
  state.edits[3] = {"6", "0", "-4"};
  state.Apply();
  for (int i = 0; i < 660; ++i) {
    state.design.TargetCurve[i] = 0.25 * i;
    state.design.SourceCurve[i] = -1;
  }
  state.design.BandResponse[3][330] = 1.5;  // a fitted band counts in the sum, not in "Manual"
  state.design.BandSumCurve[330] += 1.5;

  const std::regex form(R"( -?[0-9]+\.[0-9]{6},-?[0-9]+\.[0-9]{6})");
  const int i1k = 330;
  const double manual1k = state.design.BandResponse[26][i1k] + state.design.BandResponse[29][i1k];
  const struct {
    CurveFileKind kind;
    double level1k;
  } kinds[] = {
      {CurveFileKind::Target, 82.5},
      {CurveFileKind::TargetPlusManualEq, manual1k + 1.5 - 1},
      {CurveFileKind::ManualEq, manual1k},
  };
  for (const auto& k : kinds) {
    const std::vector<std::string> lines = testing::CrLfLines(CurveFileText(state.design, k.kind));
    ASSERT_EQ(lines.size(), 661u);
    EXPECT_EQ(lines[0], "660");
    for (std::size_t n = 1; n < lines.size(); ++n) {
      ASSERT_TRUE(std::regex_match(lines[n], form)) << n << ": " << lines[n];
    }
    EXPECT_EQ(lines[1].substr(0, 11), " 20.000000,");
    char expected[64];
    std::snprintf(expected, sizeof expected, " 1000.000000,%f", k.level1k);
    EXPECT_EQ(lines[1 + i1k], expected);
  }
  EXPECT_EQ(testing::CrLfLines(CurveFileText(state.design, CurveFileKind::Target))[660],
            " 22000.000000,164.750000");
}

TEST(CalyxonBandList, HoldsThirtyTwoLinesOfThreeValuesEachFollowedByABlank) {
  DesignerState state;
  state.design.BandFc[0] = 1234.5;
  state.design.BandBw[0] = 22050;
  state.design.BandGain[0] = -0.125;
  const auto check = [&] {
    const std::vector<std::string> lines = testing::CrLfLines(BandListText(state.design));
    ASSERT_EQ(lines.size(), 32u);
    EXPECT_EQ(lines[0], "1234.500000 22050.000000 -0.125000 ");
    EXPECT_EQ(lines[1], "20.000000 0.000000 0.000000 ");
    EXPECT_EQ(lines[26], "60.000000 60.000000 0.000000 ");  // Preset EQ: 60 Hz, Q 1
    EXPECT_EQ(lines[31], "15000.000000 15000.000000 0.000000 ");
  };
  check();
  const CommaLocale comma;  // numbers keep their "." all the same
  if (comma.active()) {
    SCOPED_TRACE("decimal comma");
    check();
  }
}

}  // namespace
}  // namespace calyxon
