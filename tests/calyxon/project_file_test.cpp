// Project files: the exact lines written, the round trip, and the projects the reader refuses.
#include <gtest/gtest.h>

#include <QFile>
#include <cmath>
#include <cstdio>
#include <functional>

#include "calyxon/files/ProjectFile.h"
#include "common/CommaLocale.h"
#include "runtime/Convert.h"
#include "tests/calyxon/DesignerState.h"
#include "tests/calyxon/FileText.h"

namespace calyxon {
namespace {

using testing::DesignerState;

// value as "%f" writes it.
std::string Fixed(double value) {
  char text[400];
  std::snprintf(text, sizeof text, "%f", value);
  return text;
}

constexpr int kFreshLines = 30539;
constexpr int kGridCountLine = 4505;  // 0-based

class ProjectFileTest : public ::testing::Test {
 protected:
  std::string File(const std::string& bytes) {
    const std::string path = ::testing::TempDir() + "project_" + std::to_string(files_++) + ".prj";
    testing::WriteBytes(path, bytes);
    return path;
  }
  static std::string Text(const Project& project) {
    const ProjectText text = WriteProjectText(project);
    EXPECT_EQ(text.problem, "");
    return text.bytes;
  }

 private:
  int files_ = 0;
};

TEST_F(ProjectFileTest, SaveLoadSaveGivesTheSameBytes) {
  DesignerState state;
  state.TargetPath = "/home/op/mics/target mic.dat";
  state.SourcePath = "/home/op/" + std::string(987, 's') + ".dat";  // 1000 bytes
  state.edits = {{{"1", "2.5", "-3.5"},
                  {"0.2", "1.25", " 6 "},
                  {"2.4", "2", "0"},
                  {"6", "0", "4"},
                  {"15", "200", "-6"},
                  {"0.06", "0.5", "12.25"}}};
  state.Apply();
  state.design.BandFc[3] = 12;  // a fitted band below the grid comes back at 20 Hz
  for (int s = 0; s < kSlotCount; ++s) {
    state.presets.SlotFc[s] = state.design.BandFc;
    state.presets.SlotBw[s] = state.design.BandBw;
    state.presets.SlotGain[s].fill(s - 4.5);
    DesignSlot(state.presets, s);
  }
  ComputeSlotCoefficients(state.presets);

  const std::string first = Text(state.ToProject());
  const std::vector<std::string> lines = testing::CrLfLines(first);
  EXPECT_EQ(lines[0], "28");
  EXPECT_EQ(lines[2], "1000");
  EXPECT_EQ(
      std::vector<std::string>(lines.begin() + 4, lines.begin() + 10),
      (std::vector<std::string>{"1.000000", "400.000000", "-3.5", "0.200000", "160.000000", "6"}));
  EXPECT_EQ(lines[4 + 3 * 3 + 1], "0.000000");      // Q 0: low shelf
  EXPECT_EQ(lines[4 + 3 * 4 + 1], "22050.000000");  // Q 200: high shelf

  const ProjectReading reading = ReadProjectFile(File(first));
  ASSERT_TRUE(reading.loaded()) << reading.problem;
  DesignerState loaded;
  loaded.Restore(reading.project);
  EXPECT_EQ(loaded.edits[0].Q, "2.5");
  EXPECT_EQ(loaded.edits[1].Gain, "6");
  EXPECT_EQ(loaded.SourcePath, state.SourcePath);
  state.design.BandFc[3] = 20;
  const std::string second = Text(loaded.ToProject());
  EXPECT_EQ(second.size(), first.size());
  EXPECT_TRUE(second == Text(state.ToProject())) << "the loaded project differs";
}

TEST_F(ProjectFileTest, LfLineEndsLongPathsAndSmallGridsAreRead) {
  DesignerState state;
  state.TargetPath = std::string(4096, 't');
  const std::string crlf = Text(state.ToProject());
  std::string lf = crlf;
  for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;) lf.erase(at, 1);
  const ProjectReading reading = ReadProjectFile(File(lf));
  ASSERT_TRUE(reading.loaded()) << reading.problem;
  EXPECT_TRUE(Text(reading.project) == crlf);

  // A project of three grid points has 4799 + 39 x 3 lines and gives a grid of three.
  Project small = state.ToProject();
  small.GridCount = 3;
  for (auto* curve :
       {&small.GridFrequency, &small.TargetCurve, &small.SourceCurve, &small.ErrorCurve,
        &small.ResidualCurve, &small.TotalCurve, &small.BandSumCurve}) {
    curve->assign({100, 1000, 10000});
  }
  for (auto& row : small.BandResponse) row.assign({1, 2, 3});
  const std::string smallText = Text(small);
  EXPECT_EQ(testing::CrLfLines(smallText).size(), 4799 + 39 * 3);
  const ProjectReading smallReading = ReadProjectFile(File(smallText));
  ASSERT_TRUE(smallReading.loaded()) << smallReading.problem;
  EqDesign design;
  design.TargetCurve[500] = 7;
  PresetSlots presets;
  TakeOverProject(smallReading.project, design, presets);
  EXPECT_EQ(design.GridCount, 3);
  EXPECT_EQ(design.GridFrequency[2], 10000);
  EXPECT_EQ(design.GridFrequency[3], 0);
  EXPECT_EQ(design.TargetCurve[500], 0);
  EXPECT_EQ(design.BandResponse[31][2], 3);
  EXPECT_EQ(design.BandResponse[31][3], 0);
}

TEST_F(ProjectFileTest, IncompleteOrDamagedProjectsAreRefusedWithTheirLine) {
  DesignerState state;
  const std::vector<std::string> lines = testing::CrLfLines(Text(state.ToProject()));
  const int target = kGridCountLine + 3 + 660;  // TargetCurve's first line
  const struct {
    std::vector<std::pair<int, std::string>> replaced;  // line (0-based), new text
    int keep;                                           // lines kept (0: all)
    std::string extra;
    std::string problem;
  } cases[] = {
      {{}, kFreshLines - 1, "", "it ends early: line 30539 (PlotReference) is missing"},
      {{}, 3, "", "it ends early: line 4 (manual band 1's Fc in kHz) is missing"},
      {{{0, "10"}, {1, "abc"}},
       2,
       "",
       "it ends early: line 2 (TargetPath) is shorter than its length says"},
      {{{0, "3"}, {1, "abcde"}}, 0, "", "line 2 (TargetPath) does not end where its length says"},
      {{{0, "5000"}},
       0,
       "",
       "line 1 (the length of TargetPath) holds 5000, which is out of range (from 0 to 4096)"},
      {{{2, "-1"}},
       0,
       "",
       "line 3 (the length of SourcePath) holds -1, which is out of range (from 0 to 4096)"},
      {{{target, "nan"}}, 0, "", "line 5169 (TargetCurve) holds 'nan', which is not a number"},
      {{{target, "inf"}}, 0, "", "'inf'"},
      {{{target, "-INF"}}, 0, "", "'-INF'"},
      {{{target, "0x1p3"}}, 0, "", "'0x1p3'"},
      {{{target, "1,5"}}, 0, "", "'1,5'"},
      {{{target, "1.5abc"}}, 0, "", "'1.5abc'"},
      {{{target, "1e999"}}, 0, "", "'1e999'"},
      {{{6, "nan"}}, 0, "", "line 7 (manual band 1's gain) holds 'nan', which is not a number"},
      {{{100, "1.0.0"}}, 0, "", "line 101 (SlotFc) holds '1.0.0', which is not a number"},
      {{{kGridCountLine, "0"}},
       0,
       "",
       "line 4506 (GridCount) holds 0, which is out of range (from 1 to 22050)"},
      {{{kGridCountLine, "22051"}},
       0,
       "",
       "line 4506 (GridCount) holds 22051, which is out of range (from 1 to 22050)"},
      {{{kGridCountLine, "660.0"}},
       0,
       "",
       "line 4506 (GridCount) holds '660.0', which is not a number"},
      {{{kGridCountLine + 1, "40000"}},
       0,
       "",
       "line 4507 (SourcePointCount) holds 40000, which is out of range (from -32768 to 32767)"},
      {{{kGridCountLine - 2, "2147483648"}},
       0,
       "",
       "line 4504 (SlotCoefficients) holds 2147483648, which is out of range (from -2147483648 to "
       "2147483647)"},
      {{{kGridCountLine + 3, "22050.000000"}},
       0,
       "",
       "line 4509 (GridFrequency) holds 22050.000000, which is out of range (above 0 and below "
       "22050)"},
      {{{kGridCountLine + 3, "0.000000"}},
       0,
       "",
       "line 4509 (GridFrequency) holds 0.000000, which is out of range (above 0 and below 22050)"},
      {{}, 0, "0.000000\r\n", "it holds more lines than its GridCount says (line 30540)"},
      {{{6, ""}},
       0,
       "",
       "line 25 (CurvesDrawnOnce) holds '0.000000', which is not a number"},  // an empty gain line
      {{{target, std::string(512, '1')}},
       0,
       "",
       "line 5169 (TargetCurve) holds 512 characters, more than the 511 of any value"},
      {{{4, "1" + std::string(400, '0')}},
       0,
       "",
       "line 5 (manual band 1's Fc in kHz) holds '1000000000000000000000000000000000000000...', "
       "which is beyond the range of a number"},
      // A gain line holds what the window's edits take: a long double, not more.
      {{{6, "1e5000"}}, 0, "", "line 7 (manual band 1's gain) holds '1e5000', which is beyond"},
      {{{9, "-1e-5000"}},
       0,
       "",
       "line 10 (manual band 2's gain) holds '-1e-5000', which is closer to 0 than any number"},
      // A long number is shown short, with the bounds it breaks.
      {{{target + 660 * 2, Fixed(1.8e303)}},
       0,
       "",
       "line 6489 (ErrorCurve) holds 1.8e+303, which is out of range (above -1e+303 and below "
       "1e+303)"},
      {{{kGridCountLine + 3, "1e-7"}},
       0,
       "",
       "line 4509 (GridFrequency) holds 1e-7, which is out of range (above 0 and below 22050) once "
       "written with six decimals, as 0.000000"},
      // A binary file's bytes are quoted short and readable.
      {{{target, "\x07\x01\x1b\\\xc3\xa9" + std::string(60, 'z')}},
       0,
       "",
       "line 5169 (TargetCurve) holds '\\x07\\x01\\x1B\\\\xC3\\xA9" + std::string(34, 'z') +
           "...', which is not a number"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> damaged = lines;
    for (const auto& [line, text] : c.replaced) damaged[line] = text;
    if (c.keep) damaged.resize(c.keep);
    const ProjectReading reading = ReadProjectFile(File(testing::JoinCrLf(damaged) + c.extra));
    EXPECT_EQ(reading.status, ProjectReadStatus::Refused) << c.problem;
    EXPECT_NE(reading.problem.find(c.problem), std::string::npos)
        << reading.problem << "\n  wanted: " << c.problem;
  }

  EXPECT_EQ(ReadProjectFile(::testing::TempDir() + "no such project.prj").status,
            ProjectReadStatus::OpenFailed);
  ProjectReading refused;
  refused.status = ProjectReadStatus::Refused;
  refused.problem = "it ends early, in BandGain after line 30530";
  EXPECT_EQ(ProjectLoadStatusText(refused, "/p/a.prj"),
            "File:/p/a.prj Not Loaded: it ends early, in BandGain after line 30530; nothing was "
            "changed  !!! \n");
  refused.status = ProjectReadStatus::OpenFailed;
  EXPECT_EQ(ProjectLoadStatusText(refused, "/p/a.prj"), "File:/p/a.prj Open Failed  !!! \n");
}

// A bound holds for the value as "%f" writes it back, so that whatever loads saves again. The
// measured curves and the band responses lie within +-1e300 dB, the curves summed from them
// within +-1e303 dB.
TEST_F(ProjectFileTest, GridFrequenciesAndLevelsAreBoundedAsTheyWillBeWritten) {
  const std::vector<std::string> lines = testing::CrLfLines(Text(DesignerState().ToProject()));
  const int firstHz = kGridCountLine + 3, lastHz = firstHz + 659, target = lastHz + 1;
  const int source = target + 660, error = source + 660, residual = error + 660,
            total = residual + 660, sum = total + 660, response = sum + 660;
  const struct {
    int line;
    std::string text;
    bool loads;
  } rows[] = {
      {firstHz, "0.0000001", false},  // written 0.000000
      {firstHz, "0.0000006", true},   // written 0.000001
      {firstHz, "1e-7", false},
      {lastHz, "22049.9999999", false},  // written 22050.000000
      {lastHz, "22049.9999994", true},
      {target, "1e300", false},
      {target, "-9.99e299", true},
      {target, "4e-320", true},
      {target, "0." + std::string(350, '0') + "1", true},  // 0
      {source, "-1e300", false},
      {source + 659, Fixed(9.99e299), true},
      {response + 31 * 660 + 7, "1e300", false},
      {response + 5, "-9.99e299", true},
      {error, "1.8e300", true},
      {residual + 3, Fixed(-2.8e301), true},
      {total, "-9.99e302", true},
      {sum + 659, "9.99e302", true},
      {error + 1, "1e303", false},
      {sum, "-1e303", false},
  };
  for (const auto& row : rows) {
    std::vector<std::string> edited = lines;
    edited[row.line] = row.text;
    const ProjectReading reading = ReadProjectFile(File(testing::JoinCrLf(edited)));
    ASSERT_EQ(reading.loaded(), row.loads) << row.text << ": " << reading.problem;
    if (!row.loads) {
      EXPECT_NE(reading.problem.find("holds " + row.text + ", which is out of range"),
                std::string::npos)
          << reading.problem;
      continue;
    }
    const ProjectText again = WriteProjectText(reading.project);
    EXPECT_EQ(again.problem, "") << row.text;
    EXPECT_TRUE(ReadProjectFile(File(again.bytes)).loaded()) << row.text;
  }
}

// The save applies the reader's rules to every line before it writes anything, and names the
// edit or table that breaks one.
TEST_F(ProjectFileTest, ASaveTheReaderWouldRefuseWritesNothingAndSaysWhy) {
  const DesignerState state;
  const struct {
    std::function<void(Project&)> damage;
    std::string problem;
  } rows[] = {
      {[](Project& p) { p.ManualBands[0].GainText = "1e5000"; },
       "the Gain(dB) edit of manual band 1 holds '1e5000', which is beyond the range of a number"},
      {[](Project& p) { p.ManualBands[3].GainText = "0." + std::string(600, '0') + "1"; },
       "the Gain(dB) edit of manual band 4 holds 603 characters, more than the 511 of any value"},
      {[](Project& p) { p.ManualBands[1].GainText = ""; },
       "the Gain(dB) edit of manual band 2 holds '', which is not a number"},
      {[](Project& p) { p.ManualBands[2].FcKhz = std::numeric_limits<double>::infinity(); },
       "the Fc(KHz) edit of manual band 3 holds a value that is not a finite number"},
      {[](Project& p) { p.ManualBands[5].Bw = std::nan(""); },
       "the bandwidth from the Fc(KHz) and Q edits of manual band 6 holds a value that is not a "
       "finite number"},
      {[](Project& p) { p.GridFrequency[0] = 1e-7; },
       "GridFrequency holds 0.000000, which is out of range (above 0 and below 22050)"},
      {[](Project& p) { p.GridFrequency[659] = 22049.9999999; },
       "GridFrequency holds 22050.000000, which is out of range (above 0 and below 22050)"},
      {[](Project& p) { p.TargetCurve[3] = 1e300; },
       "TargetCurve holds 1e+300, which is out of range (above -1e+300 and below 1e+300)"},
      {[](Project& p) { p.ErrorCurve[0] = 1.8e303; },
       "ErrorCurve holds 1.8e+303, which is out of range (above -1e+303 and below 1e+303)"},
      {[](Project& p) { p.TargetPath = std::string(5000, 'p'); },
       "TargetPath is 5000 bytes long, more than the 4096 a project holds"},
      {[](Project& p) { p.Slots.SlotB[9][31][2] = std::nan(""); },
       "SlotB holds a value that is not a finite number"},
  };
  const std::string kept = File("the previous project");
  for (const auto& row : rows) {
    Project project = state.ToProject();
    row.damage(project);
    const std::string fresh = ::testing::TempDir() + "refused_" + std::to_string(&row - rows);
    QFile::remove(QString::fromStdString(fresh));
    for (const std::string& path : {kept, fresh}) {
      EXPECT_EQ(SaveProject(project, QString::fromStdString(path)).toStdString(),
                "File:" + path + " Not Saved: " + row.problem + "  !!! \n");
    }
    EXPECT_EQ(testing::ReadBytes(kept), "the previous project");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(fresh))) << row.problem;
  }
}

TEST_F(ProjectFileTest, ManualBandLinesComeFromTheEditsAsTyped) {
  const struct {
    ManualBand band;
    QString gainText;
    double FcKhz, Bw;
    std::string gain;
  } rows[] = {
      {{1, 0, -3.5}, "-3.5", 1, 0, "-3.5"},
      {{1, 200, 2}, " 2 ", 1, 22050, "2"},
      {{0.0207, 0.5, 1}, "+1", 0.0207, 0.0207 * 1000 / 0.5, "+1"},
      {{25, 2, 5}, "5.", 25, 12500, "5."},  // not clamped, not snapped
  };
  for (const auto& row : rows) {
    const ProjectManualBand band = ProjectManualBandFrom(row.band, row.gainText);
    EXPECT_EQ(band.FcKhz, row.FcKhz);
    EXPECT_EQ(band.Bw, row.Bw);
    EXPECT_EQ(band.GainText, row.gain);
  }
}

TEST_F(ProjectFileTest, AValueThatIsNotFiniteIsNeverSaved) {
  DesignerState state;
  const std::string path = File("the previous project");
  Project project = state.ToProject();
  project.BandBw[27] = std::numeric_limits<double>::infinity();
  EXPECT_EQ(SaveProject(project, QString::fromStdString(path)),
            QString::fromStdString("File:" + path +
                                   " Not Saved: BandBw holds a value that is not a finite number"
                                   "  !!! \n"));
  EXPECT_EQ(testing::ReadBytes(path), "the previous project");

  const std::string missing = ::testing::TempDir() + "no such folder/a.prj";
  EXPECT_EQ(SaveProject(state.ToProject(), QString::fromStdString(missing)),
            QString::fromStdString("File:" + missing +
                                   " Save Failed (No such file or directory)  !!! \n"));
}

TEST_F(ProjectFileTest, NumbersUseADotWhateverTheLocale) {
  const CommaLocale comma;
  if (!comma.active()) GTEST_SKIP() << "no locale with a decimal comma could be made here";
  DesignerState state;  // the edits now read "0,06", ...
  state.edits[0].Gain = "-3,5";
  state.Apply();
  const std::string text = Text(state.ToProject());
  EXPECT_EQ(text.find(','), std::string::npos);
  const std::vector<std::string> lines = testing::CrLfLines(text);
  EXPECT_EQ(lines[4], "0.060000");
  EXPECT_EQ(lines[6], "-3.5");
  const ProjectReading reading = ReadProjectFile(File(text));
  ASSERT_TRUE(reading.loaded()) << reading.problem;
  EXPECT_EQ(reading.project.BandGain[26], -3.5);
  DesignerState loaded;
  loaded.Restore(reading.project);
  EXPECT_EQ(loaded.edits[0].Fc, "0,06");
  EXPECT_EQ(loaded.edits[0].Gain, "-3,5");
}

}  // namespace
}  // namespace calyxon
