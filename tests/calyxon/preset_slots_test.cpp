// Preset slots: filling a slot from a project, the slot's design, its Q2.29 values and the
// program file of "DW" lines.
#include <gtest/gtest.h>

#include <cmath>

#include "calyxon/files/PicFile.h"
#include "calyxon/files/ProjectFile.h"
#include "tests/calyxon/DesignerState.h"
#include "tests/calyxon/FileText.h"

namespace calyxon {
namespace {

using testing::DesignerState;

std::string TempPath(const std::string& name) {
  return ::testing::TempDir() + "preset_slots_" + name;
}

TEST(PresetSlots, TenSlotsOfGainZeroExportOneAndZerosInEveryBand) {
  PresetSlots presets;
  for (int s = 0; s < kSlotCount; ++s) DesignSlot(presets, s);
  const std::string path = TempPath("flat.log");
  EXPECT_EQ(ExportPicFile(presets, QString::fromStdString(path)), "");
  EXPECT_EQ(presets.SlotCoefficients[9][31], (CoefficientRow{536870912, 0, 0, 0, 0}));

  const std::string bytes = testing::ReadBytes(path);
  ASSERT_EQ(bytes.size(), 35200u);
  std::string band = "DW 0x0020\r\n";
  for (int n = 0; n < 9; ++n) band += "DW 0x0000\r\n";
  for (std::size_t at = 0; at < bytes.size(); at += band.size()) {
    ASSERT_EQ(bytes.compare(at, band.size(), band), 0) << "at byte " << at;
  }
}

TEST(PresetSlots, EachValueGivesItsUpperWordThenItsLowerWordLowByteFirst) {
  const struct {
    std::int32_t value;
    const char* lines;
  } rows[] = {
      {536870912, "DW 0x0020\r\nDW 0x0000\r\n"},   // 1.0
      {-536870912, "DW 0x00E0\r\nDW 0x0000\r\n"},  // -1.0
      {-268435456, "DW 0x00F0\r\nDW 0x0000\r\n"},  // -0.5
      {0x12345678, "DW 0x3412\r\nDW 0x7856\r\n"},  // d3 d4 d1 d2, d7 d8 d5 d6
      {-1, "DW 0xFFFF\r\nDW 0xFFFF\r\n"},         {0x7FFFFFFF, "DW 0xFF7F\r\nDW 0xFFFF\r\n"},
  };
  for (const auto& row : rows) {
    PresetSlots presets;
    presets.SlotCoefficients[0][0][0] = row.value;
    EXPECT_EQ(PicFileText(presets).substr(0, 22), row.lines) << row.value;
  }
  PresetSlots presets;
  presets.SlotCoefficients[3][7][4] = 0x0A0B0C0D;
  const std::string text = PicFileText(presets);
  const std::size_t line = ((3 * 32 + 7) * 5 + 4) * 2;
  EXPECT_EQ(text.substr(line * 11, 22), "DW 0x0B0A\r\nDW 0x0D0C\r\n");
}

TEST(PresetSlots, CoefficientsAreTruncatedTowardZeroAndSaturatedOutsideQ229) {
  PresetSlots presets;
  presets.SlotFc[2][5] = 1000;  // a peak: values well inside the range
  presets.SlotBw[2][5] = 300;
  presets.SlotGain[2][5] = -6;
  presets.SlotFc[7][0] = 1000;  // high shelf +20 dB: b0 near 9.3, b1 near -18
  presets.SlotBw[7][0] = 22050;
  presets.SlotGain[7][0] = 20;
  presets.SlotFc[7][31] = 15000;  // low shelf +20 dB with a high corner
  presets.SlotGain[7][31] = 20;
  presets.SlotA[0][1] = {1, -3.9999999999, 4};
  for (const int s : {2, 7}) DesignSlot(presets, s);
  const SlotSaturation saturation = ComputeSlotCoefficients(presets);

  const Coefficients& a = presets.SlotA[2][5];
  const Coefficients& b = presets.SlotB[2][5];
  const double values[5] = {b[0], b[1], b[2], -a[1], -a[2]};
  for (int k = 0; k < 5; ++k) {
    const long double exact = 536870912.0L * values[k];
    EXPECT_EQ(presets.SlotCoefficients[2][5][k], static_cast<std::int32_t>(std::trunc(exact))) << k;
    EXPECT_LT(std::fabs(presets.SlotCoefficients[2][5][k]), std::fabs(exact) + 1e-9) << k;
  }
  // -a1 = 3.9999999999 fits; -a2 = -4 is the lowest value that does.
  EXPECT_EQ(presets.SlotCoefficients[0][1][3], 2147483647);
  EXPECT_EQ(presets.SlotCoefficients[0][1][4], -2147483647 - 1);
  EXPECT_EQ(presets.SlotCoefficients[7][0][0], 2147483647);
  EXPECT_EQ(presets.SlotCoefficients[7][0][1], -2147483647 - 1);
  EXPECT_EQ(saturation.bands[7], 1u | (1u << 31));
  EXPECT_EQ(SlotSaturationStatusText(saturation),
            "Coefficients Out Of Range In EQ7 Band 1 32 Saturated !!\n");

  presets.SlotA[4][9] = {1, 4, 0};
  presets.SlotB[4][9] = {std::nan(""), 0, 0};
  const SlotSaturation more = ComputeSlotCoefficients(presets);
  EXPECT_EQ(presets.SlotCoefficients[4][9][0], 0);
  EXPECT_EQ(presets.SlotCoefficients[4][9][3], -2147483647 - 1);  // -4 exactly fits
  const std::string path = TempPath("saturated.log");
  EXPECT_EQ(ExportPicFile(presets, QString::fromStdString(path)),
            "Coefficients Out Of Range In EQ4 Band 10, EQ7 Band 1 32 Saturated !!\n");
  EXPECT_EQ(more.count, saturation.count + 1);
  EXPECT_EQ(testing::ReadBytes(path).size(), 35200u);  // written all the same
}

TEST(PresetSlots, ASlotTakesTheFinalBandTableOfACompleteProjectOnly) {
  DesignerState state;
  state.edits[2] = {"1", "2.5", "-3.5"};
  state.Apply();
  state.design.BandFc[0] = 12;  // as stored: the slot takes no 20 Hz floor
  std::string text = WriteProjectText(state.ToProject()).bytes;
  const std::string complete = TempPath("complete.prj");
  testing::WriteBytes(complete, text);

  PresetSlots presets;
  ASSERT_TRUE(ReadProjectIntoSlot(presets, 4, complete).loaded());
  EXPECT_EQ(presets.SlotFc[4], state.design.BandFc);
  EXPECT_EQ(presets.SlotBw[4][28], 400);
  EXPECT_EQ(presets.SlotGain[4][28], -3.5);
  DesignSlot(presets, 4);
  EXPECT_EQ(presets.SlotB[4][28], state.design.BandB[28]);
  EXPECT_EQ(presets.SlotA[4][28], state.design.BandA[28]);

  // Without its last line the project is incomplete: the slot keeps what it held.
  text.resize(text.rfind("\r\n", text.size() - 3) + 2);
  const std::string cut = TempPath("cut.prj");
  testing::WriteBytes(cut, text);
  const PresetSlots before = presets;
  EXPECT_EQ(ReadProjectIntoSlot(presets, 4, cut).status, ProjectReadStatus::Refused);
  EXPECT_EQ(ReadProjectIntoSlot(presets, 5, TempPath("missing.prj")).status,
            ProjectReadStatus::OpenFailed);
  EXPECT_EQ(presets.SlotFc, before.SlotFc);
  EXPECT_EQ(presets.SlotGain, before.SlotGain);
}

TEST(PresetSlots, AnExportThatCannotBeSavedSaysWhy) {
  PresetSlots presets;
  const std::string path = TempPath("no such folder/a.log");
  EXPECT_EQ(
      ExportPicFile(presets, QString::fromStdString(path)),
      QString::fromStdString("File:" + path + " Save Failed (No such file or directory)  !!! \n"));
}

}  // namespace
}  // namespace calyxon
