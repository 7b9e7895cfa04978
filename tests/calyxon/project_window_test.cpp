// Projects, curve files, the band list and the preset slots as the window saves and loads
// them: through the File menu and the dialog seam, or, for what the window hides, through the
// hidden controls' clicks.
#include <QTemporaryDir>
#include <QTest>
#include <charconv>
#include <cmath>
#include <regex>

#include "DesignerFixture.h"
#include "calyxon/files/ProjectFile.h"
#include "common/FileSizeLimit.h"
#include "tests/calyxon/FileText.h"
#include "tests/calyxon/RandomProject.h"

namespace calyxon {
namespace {

using testing::CrLfLines;
using testing::ReadBytes;

constexpr int kFreshLines = 30539;
constexpr int kGridCountLine = 4505;                           // 0-based
constexpr int kBandFcLine = kFreshLines - 3 - 3 * kBandCount;  // BandFc[0]

class ProjectWindow : public DesignerTest {
 protected:
  std::string Path(const QString& name) const { return (folder.path() + "/" + name).toStdString(); }
  void SaveProjectAs(const std::string& path) {
    dialogs.choose(QString::fromStdString(path));
    ASSERT_TRUE(Menu("File>Save Project")) << last_menu_error.toStdString();
  }
  void LoadProject(const std::string& path) {
    dialogs.choose(QString::fromStdString(path));
    ASSERT_TRUE(Menu("File>Load Project")) << last_menu_error.toStdString();
  }
  static void Type(forms::Edit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  // Sets band k's three edits and applies them, as the operator does with Enter.
  void SetBand(int k, const QString& fc, const QString& q, const QString& gain) {
    Type(form->ManualFcEdit[k], fc);
    Type(form->ManualQEdit[k], q);
    Type(form->ManualGainEdit[k], gain);
    QTest::keyClick(form->ManualGainEdit[k], Qt::Key_Return);
  }
  std::string FreshProject() {
    const std::string path = Path("fresh.prj");
    SaveProjectAs(path);
    return path;
  }

  QTemporaryDir folder;
};

// Read back by a parser of the layout written independently of the program's: each row is a
// count of lines and the form every one of them must have.
TEST_F(ProjectWindow, AProjectSavedRightAfterStartHasEveryLineInItsForm) {
  const std::string path = FreshProject();
  const forms::FileRequest& request = dialogs.fileRequests.back();
  EXPECT_EQ(request.title, "Save Project");
  EXPECT_EQ(request.filter, "*.prj|*.prj");
  EXPECT_EQ(request.defaultExt, "prj");
  EXPECT_EQ(form->Edit37->text().toStdString(), path);
  const std::vector<std::string> lines = CrLfLines(ReadBytes(path));
  ASSERT_EQ(lines.size(), kFreshLines);

  const std::regex integer(R"(-?[0-9]+)"), fixed(R"(-?[0-9]+\.[0-9]{6})"), any(".*"),
      gain(R"([-+]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][-+]?[0-9]+)?)");
  struct Row {
    int count;
    const std::regex* form;
  };
  std::vector<Row> rows = {{1, &integer}, {1, &any}, {1, &integer}, {1, &any}};
  for (int k = 0; k < 6; ++k) rows.insert(rows.end(), {{2, &fixed}, {1, &gain}});
  rows.insert(rows.end(), {{2, &integer},
                           {3 * 320 + 2 * 960, &fixed},
                           {1600, &integer},
                           {4, &integer},
                           {39 * 660 + 2 * 96 + 3 * 32 + 3, &fixed}});
  std::size_t at = 0;
  for (const Row& row : rows) {
    for (int n = 0; n < row.count; ++n, ++at) {
      ASSERT_LT(at, lines.size());
      ASSERT_TRUE(std::regex_match(lines[at], *row.form)) << "line " << at + 1 << ": " << lines[at];
    }
  }
  EXPECT_EQ(at, lines.size());

  // No measurement: no paths; the preset bands; the flags (the curves were drawn); the grid's
  // count on its line; the plot levels last.
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 7),
            (std::vector<std::string>{"0", "", "0", "", "0.060000", "60.000000", "0"}));
  EXPECT_EQ(lines[22], "0");
  EXPECT_EQ(lines[23], "1");
  EXPECT_EQ(lines[kGridCountLine], "660");
  EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
            (std::vector<std::string>{"20.000000", "-20.000000", "0.000000"}));
}

TEST_F(ProjectWindow, SaveLoadSaveGivesTheSameBytesAndRestoresTheBands) {
  // Flat measurements give curves that six decimals hold exactly.
  for (const char* name : {"flat target.dat", "flat source.dat"})
    testing::WriteBytes(Path(name), "20,5\n1000,5\n22000,5\n");
  dialogs.choose(QString::fromStdString(Path("flat target.dat")));
  ASSERT_TRUE(Menu("File>Load Target Mic File"));
  dialogs.choose(QString::fromStdString(Path("flat source.dat")));
  ASSERT_TRUE(Menu("File>Load Source Mic File"));
  SetBand(0, "1", "2.5", "-3.5");
  SetBand(1, "0.2", "1.25", "6");
  SetBand(3, "6", "0", "4");
  SetBand(4, "15", "200", "-6");
  SetBand(5, "0.06", "0.5", "12.25");
  QTest::mouseClick(form->ManualRadio[2], Qt::LeftButton, {}, QPoint(6, 8));
  const std::string first = Path("first.prj");
  SaveProjectAs(first);
  EXPECT_EQ(CrLfLines(ReadBytes(first))[6], "-3.5");  // the gain as typed

  ASSERT_TRUE(Menu("Tool>Reset"));
  ASSERT_EQ(form->Edit1->text(), "");
  LoadProject(first);
  EXPECT_EQ(dialogs.fileRequests.back().title, "Load Project");
  EXPECT_EQ(form->Edit1->text(), "flat target");
  EXPECT_EQ(form->Edit24->text(), "flat source");
  EXPECT_EQ(form->TargetPath.toStdString(), Path("flat target.dat"));
  EXPECT_EQ(design->TargetLoaded, 1);
  EXPECT_EQ(form->ManualFcEdit[0]->text(), "1");
  EXPECT_EQ(form->ManualQEdit[0]->text(), "2.5");
  EXPECT_EQ(form->ManualGainEdit[0]->text(), "-3.5");
  EXPECT_EQ(form->ManualQEdit[4]->text(), "200");
  EXPECT_TRUE(form->ManualRadio[0]->checked());
  EXPECT_FALSE(form->ManualRadio[2]->checked());
  EXPECT_EQ(form->FcBar->position(), 330);
  EXPECT_EQ(form->BwBar->position(), 250);
  EXPECT_EQ(form->GainBar->position(), -350);
  EXPECT_EQ(design->RedrawRequested, 1);
  EXPECT_TRUE(form->Timer2->enabled());

  const std::string second = Path("second.prj");
  SaveProjectAs(second);
  EXPECT_TRUE(ReadBytes(second) == ReadBytes(first)) << "the loaded project saves otherwise";
}

TEST_F(ProjectWindow, AProjectsBandTablesGiveTheEditsAndBars) {
  std::vector<std::string> lines = CrLfLines(ReadBytes(FreshProject()));
  lines[kBandFcLine + 26] = "1000.000000";
  lines[kBandFcLine + kBandCount + 26] = "400.000000";
  lines[kBandFcLine + 2 * kBandCount + 26] = "-2.000000";
  lines[kBandFcLine + 5] = "5.000000";  // below the grid
  const std::string edited = Path("edited.prj");
  testing::WriteBytes(edited, testing::JoinCrLf(lines));
  form->ManualRadio[4]->setChecked(true);

  LoadProject(edited);
  EXPECT_EQ(form->StatusBar1->simpleText(), "");
  EXPECT_EQ(form->ManualFcEdit[0]->text(), "1");
  EXPECT_EQ(form->ManualQEdit[0]->text(), "2.5");
  EXPECT_EQ(form->ManualGainEdit[0]->text(), "-2");
  EXPECT_TRUE(form->ManualRadio[0]->checked());
  EXPECT_EQ(form->FcBar->position(), 330);
  EXPECT_EQ(form->BwBar->position(), 250);
  EXPECT_EQ(form->GainBar->position(), -200);
  EXPECT_EQ(design->BandBw[26], 400);
  EXPECT_EQ(design->BandFc[5], 20);
  // Loaded without a measurement path: the current paths stay.
  EXPECT_EQ(form->Edit1->text(), "");
}

TEST_F(ProjectWindow, AProjectThatIsIncompleteOrDamagedChangesNothing) {
  const std::vector<std::string> lines = CrLfLines(ReadBytes(FreshProject()));
  std::vector<std::string> nan = lines;
  nan[kGridCountLine + 3 + 660] = "nan";  // TargetCurve's first value
  const std::string truncated = Path("truncated.prj"), withNan = Path("nan.prj"),
                    binary = Path("binary.prj");
  testing::WriteBytes(truncated, testing::JoinCrLf({lines.begin(), lines.end() - 100}));
  testing::WriteBytes(withNan, testing::JoinCrLf(nan));
  std::string bytes;
  for (int n = 0; n < 400; ++n) bytes += static_cast<char>(n % 3 == 0 ? 0x07 : 0x80 + n % 100);
  testing::WriteBytes(binary, bytes);

  LoadFixtures();
  SetBand(2, "1.5", "3", "4");
  const EqDesign before = *design;
  const QString edit8 = form->ManualGainEdit[2]->text();
  const int gainBar = form->GainBar->position();
  const struct {
    std::string path;
    std::string status;
  } cases[] = {
      {truncated,
       " Not Loaded: it ends early, in BandB after line 30439; nothing was changed  "
       "!!! \n"},
      {withNan,
       " Not Loaded: line 5169 of TargetCurve holds 'nan', which is not a number; "
       "nothing was changed  !!! \n"},
      {Path("missing.prj"), " Open Failed  !!! \n"},
      {binary,
       " Not Loaded: line 1 of TargetPath holds "
       "'\\x07\\x81\\x82\\x07\\x84\\x85\\x07\\x87\\x88\\x07\\x8A\\x8B\\x07\\x8D\\x8E\\x07"
       "\\x90\\x91\\x07\\x93\\x94\\x07\\x96\\x97\\x07\\x99\\x9A\\x07\\x9C\\x9D\\x07\\x9F"
       "\\xA0\\x07\\xA2\\xA3\\x07\\xA5\\xA6\\x07...', which is not a number; nothing was changed  "
       "!!! \n"},
  };
  for (const auto& c : cases) {
    LoadProject(c.path);
    EXPECT_EQ(form->StatusBar1->simpleText().toStdString(), "File:" + c.path + c.status);
    EXPECT_EQ(design->BandFc, before.BandFc);
    EXPECT_EQ(design->BandGain, before.BandGain);
    EXPECT_TRUE(SameBits(design->ErrorCurve.data(), before.ErrorCurve.data(), kGridCapacity));
    EXPECT_TRUE(SameBits(design->TargetCurve.data(), before.TargetCurve.data(), kGridCapacity));
    EXPECT_EQ(design->TargetLoaded, 1);
    EXPECT_EQ(form->Edit1->text(), "target");
    EXPECT_EQ(form->ManualGainEdit[2]->text(), edit8);
    EXPECT_EQ(form->GainBar->position(), gainBar);
    EXPECT_TRUE(form->Timer2->enabled());
  }
}

TEST_F(ProjectWindow, ASaveThatFailsOrCannotReadAnEditKeepsThePreviousFile) {
  const std::string path = Path("kept.prj");
  testing::WriteBytes(path, "the previous project");
  {
    const FileSizeLimit full(4096);
    SaveProjectAs(path);
  }
  EXPECT_EQ(form->StatusBar1->simpleText().toStdString(),
            "File:" + path + " Save Failed (File too large), the previous file is kept  !!! \n");
  EXPECT_EQ(ReadBytes(path), "the previous project");

  form->ManualQEdit[5]->setText("1..2");
  SaveProjectAs(path);
  ASSERT_EQ(dialogs.texts(forms::DialogKind::Error).size(), 1u);
  EXPECT_EQ(dialogs.boxes.back().text, "'1..2' is not a valid floating point value.");
  EXPECT_EQ(ReadBytes(path), "the previous project");
}

// A gain typed without Enter is saved as its text; one that no load could read back is refused
// before anything is written, and once it is corrected the design saves, loads and saves alike.
TEST_F(ProjectWindow, AnEditThatNoLoadCouldReadStopsTheSaveAndSaysWhich) {
  SetBand(0, "1", "2.5", "-3.5");
  SetBand(1, "0.2", "1.25", "6");
  SetBand(2, "2.4", "3", "-1.25");
  SetBand(3, "6", "0", "4");
  SetBand(4, "15", "200", "-6");
  SetBand(5, "0.06", "0.5", "12.25");
  const std::string kept = Path("kept.prj"), fresh = Path("fresh.prj");
  testing::WriteBytes(kept, "the previous project");
  const struct {
    int band;
    QString typed;
    std::string problem;
  } rows[] = {
      {0, "1" + QString(400, '0'),
       "the Gain(dB) edit of manual band 1 holds '1000000000000000000000000000000000000000...', "
       "which is beyond the range of a number"},
      {4, "0." + QString(600, '0') + "1",
       "the Gain(dB) edit of manual band 5 holds 603 characters, more than the 511 of any value"},
  };
  for (const auto& row : rows) {
    const QString before = form->ManualGainEdit[row.band]->text();
    Type(form->ManualGainEdit[row.band], row.typed);  // no Enter
    for (const std::string& path : {kept, fresh}) {
      form->StatusBar1->setSimpleText("");
      SaveProjectAs(path);
      EXPECT_EQ(form->StatusBar1->simpleText().toStdString(),
                "File:" + path + " Not Saved: " + row.problem + "  !!! \n");
    }
    EXPECT_TRUE(ReadBytes(kept) == "the previous project");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(fresh)));
    Type(form->ManualGainEdit[row.band], before);
  }
  EXPECT_TRUE(dialogs.boxes.empty());

  // Corrected, the six bands save, load and save again alike.
  form->StatusBar1->setSimpleText("");
  SaveProjectAs(kept);
  ASSERT_EQ(form->StatusBar1->simpleText(), "");
  EXPECT_EQ(CrLfLines(ReadBytes(kept))[4 + 3 * 2 + 2], "-1.25");
  ASSERT_TRUE(Menu("Tool>Reset"));
  LoadProject(kept);
  EXPECT_EQ(form->StatusBar1->simpleText(), "");
  const QString gains[] = {"-3.5", "6", "-1.25", "4", "-6", "12.25"};
  for (int k = 0; k < kManualBandCount; ++k)
    EXPECT_EQ(form->ManualGainEdit[k]->text(), gains[k]) << k;
  const std::string again = Path("again.prj");
  SaveProjectAs(again);
  EXPECT_TRUE(ReadBytes(again) == ReadBytes(kept)) << "the loaded project saves otherwise";
}

// The four saves of the designer say that the previous file is kept only when there was one.
TEST_F(ProjectWindow, AFailedSaveSaysThePreviousFileIsKeptOnlyWhenThereWasOne) {
  for (int s = 0; s < kSlotCount; ++s) form->SlotPathEdit[s]->setText("slot.prj");
  const struct {
    const char* name;  // and the extension its dialog adds
    std::function<void()> save;
  } saves[] = {
      {"project.prj", [this] { ASSERT_TRUE(Menu("File>Save Project")); }},
      {"curve file.flt", [this] { form->SaveTarget1Click(); }},
      {"band list.prj", [this] { form->Button1->click(); }},
      {"DW export.log", [this] { form->Button15->click(); }},
  };
  for (const auto& save : saves) {
    for (const bool previous : {false, true}) {
      const std::string path = Path(QString("%1 %2").arg(previous).arg(save.name));
      if (previous) testing::WriteBytes(path, "the previous file");
      form->StatusBar1->setSimpleText("");
      dialogs.choose(QString::fromStdString(path));
      {
        const FileSizeLimit full(16);
        save.save();
      }
      EXPECT_EQ(form->StatusBar1->simpleText().toStdString(),
                "File:" + path + " Save Failed (File too large)" +
                    (previous ? ", the previous file is kept" : "") + "  !!! \n")
          << save.name;
      if (previous)
        EXPECT_TRUE(ReadBytes(path) == "the previous file") << save.name;
      else
        EXPECT_FALSE(QFile::exists(QString::fromStdString(path))) << save.name;
    }
  }
}

// A project's final band table whose band designs to coefficients that are no numbers (a gain
// of 10000 dB) is refused at the slot button: the slot stays as it was, and projects still save.
TEST_F(ProjectWindow, ASlotProjectThatDesignsNoNumbersLeavesTheSlotAsItWas) {
  const std::string good = FreshProject();
  dialogs.choose(QString::fromStdString(good));
  form->SlotButton[3]->click();
  ASSERT_EQ(form->SlotPathEdit[3]->text().toStdString(), good);
  std::vector<std::string> lines = CrLfLines(ReadBytes(good));
  lines[kBandFcLine + 4] = "1000.000000";
  lines[kBandFcLine + kBandCount + 4] = "400.000000";
  lines[kBandFcLine + 2 * kBandCount + 4] = "10000.000000";
  const std::string huge = Path("huge gain.prj");
  testing::WriteBytes(huge, testing::JoinCrLf(lines));
  const PresetSlots before = program->Presets;

  dialogs.choose(QString::fromStdString(huge));
  form->SlotButton[3]->click();
  EXPECT_EQ(form->StatusBar1->simpleText().toStdString(),
            "File:" + huge +
                " Not Loaded Into EQ3: its band 5 (Fc 1000 Hz, BW 400 Hz, Gain 10000 dB) gives "
                "filter coefficients that are not finite numbers; EQ3 was not changed  !!! \n");
  EXPECT_EQ(form->SlotPathEdit[3]->text().toStdString(), good);
  EXPECT_TRUE(program->Presets.SlotGain == before.SlotGain);
  EXPECT_TRUE(SameBits(program->Presets.SlotB[3][4].data(), before.SlotB[3][4].data(), 3));

  form->StatusBar1->setSimpleText("");
  SaveProjectAs(Path("after.prj"));
  EXPECT_EQ(form->StatusBar1->simpleText(), "");
}

// Plot limits far beyond any plot: the project loads and the level labels stand far off the
// window, where the curves outside the plot are held too.
TEST_F(ProjectWindow, PlotLimitsBeyondAnyPlotHoldTheLevelLabelsOffTheWindow) {
  std::vector<std::string> lines = CrLfLines(ReadBytes(FreshProject()));
  for (int n = 1; n <= 3; ++n) lines[lines.size() - n] = "1e300";
  const std::string path = Path("limits.prj");
  testing::WriteBytes(path, testing::JoinCrLf(lines));
  LoadProject(path);
  EXPECT_EQ(form->StatusBar1->simpleText(), "");
  EXPECT_EQ(design->PlotReference, 1e300);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(form->UpperLevelLabels[i]->top(), 1000000) << i;
    EXPECT_EQ(form->LowerLevelLabels[i]->top(), 1000000) << i;
  }
}

double Number(const std::string& line) {
  double value = std::nan("");
  std::from_chars(line.data(), line.data() + line.size(), value);
  return value;
}

// Whether two projects the window saved hold the same design: what a load takes as it stands
// must come back as the same line; what it computes again (the manual bands, their responses
// and coefficients, and the curves summed from the bands) within the file's six decimals, or
// within the last digits of the levels summed.
void ExpectSameDesign(const std::vector<std::string>& first,
                      const std::vector<std::string>& second) {
  ASSERT_EQ(first.size(), second.size());
  const int G = std::stoi(first[kGridCountLine]);
  const int curves = kGridCountLine + 3 + G;                                  // TargetCurve
  const int responses = curves + 6 * G, tables = responses + kBandCount * G;  // BandA
  std::vector<double> scale(first.size(), -1);  // below 0: the same line
  for (int n = 4; n < 4 + 3 * kManualBandCount; ++n) scale[n] = 0;
  for (int i = 0; i < G; ++i) {
    double sum = std::fabs(Number(first[curves + i])) + std::fabs(Number(first[curves + G + i]));
    for (int b = 0; b < kBandCount; ++b) sum += std::fabs(Number(first[responses + b * G + i]));
    for (int c = 2; c < 6; ++c) scale[curves + c * G + i] = sum;  // Error .. BandSum
    for (int b = kFirstManualBand; b < kBandCount; ++b) scale[responses + b * G + i] = 0;
  }
  for (int b = kFirstManualBand; b < kBandCount; ++b) {
    for (int k = 0; k < 3; ++k) scale[tables + 3 * b + k] = scale[tables + 96 + 3 * b + k] = 0;
    for (int t = 0; t < 3; ++t) scale[tables + 192 + kBandCount * t + b] = 0;
  }
  int differences = 0;
  for (std::size_t n = 0; n < first.size() && differences < 5; ++n) {
    bool same = first[n] == second[n];
    if (!same && scale[n] >= 0) {
      const double a = Number(first[n]), b = Number(second[n]);
      same = std::fabs(a - b) <= 1e-3 + 1e-9 * (scale[n] + std::max(std::fabs(a), std::fabs(b)));
    }
    if (!same) {
      ++differences;
      ADD_FAILURE() << "line " << n + 1 << ": " << first[n].substr(0, 80) << " then "
                    << second[n].substr(0, 80);
    }
  }
}

// Every project the reader takes loads, saves, loads again to the same design, and saves again;
// also after its final band table has been offered to a slot button.
TEST_F(ProjectWindow, RandomProjectsThatLoadSaveAndLoadAgainToTheSameDesign) {
  const std::string generated = Path("random.prj"), first = Path("first.prj"),
                    second = Path("second.prj");
  auto step = [this](const char* what, const std::function<void()>& act) {
    form->StatusBar1->setSimpleText("");
    act();
    EXPECT_EQ(form->StatusBar1->simpleText().toStdString(), "") << what;
  };
  for (std::uint64_t seed = 1; seed <= 16; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const testing::RandomProject random(seed);
    testing::WriteBytes(generated, random.text);
    const ProjectReading reading = ReadProjectFile(generated);
    ASSERT_TRUE(reading.loaded()) << "the generator wrote a project the reader refuses: "
                                  << reading.problem;
    step("load", [&] { LoadProject(generated); });
    dialogs.choose(QString::fromStdString(generated));
    form->SlotButton[seed % kSlotCount]->click();  // refused or taken: either saves
    step("save", [&] { SaveProjectAs(first); });
    step("load again", [&] { LoadProject(first); });
    step("save again", [&] { SaveProjectAs(second); });
    ASSERT_TRUE(dialogs.boxes.empty()) << dialogs.boxes.back().text.toStdString();
    ExpectSameDesign(CrLfLines(ReadBytes(first)), CrLfLines(ReadBytes(second)));
    if (HasFailure()) break;
  }
}

TEST_F(ProjectWindow, CurveFilesAndTheBandListComeFromTheHiddenControls) {
  LoadFixtures();
  const struct {
    void (TForm1::*handler)();  // of an entry of the hidden "Save Curve" menu
    const char* title;
    const GridCurve* level;  // nullptr: the manual bands' sum
  } curves[] = {
      {&TForm1::SaveTarget1Click, "Save Target Curve", &design->TargetCurve},
      {&TForm1::Save2Click, "Save Target+ManualEQ Curve", &design->TotalCurve},
      {&TForm1::SaveManualEQ1Click, "Save ManualEQ Curve", nullptr},
  };
  SetBand(0, "1", "2", "6");  // its apply redraws: the total is the band sum plus the source
  for (const auto& c : curves) {
    const std::string path = Path(c.title) + ".flt";
    dialogs.choose(QString::fromStdString(path));
    (form->*c.handler)();
    EXPECT_EQ(dialogs.fileRequests.back().title, c.title);
    EXPECT_EQ(dialogs.fileRequests.back().defaultExt, "flt");
    const std::vector<std::string> lines = CrLfLines(ReadBytes(path));
    ASSERT_EQ(lines.size(), 661u) << c.title;
    EXPECT_EQ(lines[0], "660");
    const double level = c.level ? (*c.level)[330] : design->BandResponse[26][330];
    char expected[64];
    std::snprintf(expected, sizeof expected, " 1000.000000,%f", level);
    EXPECT_EQ(lines[1 + 330], expected) << c.title;
  }

  const std::string bands = Path("bands.txt");
  dialogs.choose(QString::fromStdString(bands));
  form->Button1->click();
  EXPECT_EQ(dialogs.fileRequests.back().title, "Save Project");
  EXPECT_EQ(form->Edit25->text().toStdString(), bands);
  const std::vector<std::string> lines = CrLfLines(ReadBytes(bands));
  ASSERT_EQ(lines.size(), 32u);
  EXPECT_EQ(lines[26], "1000.000000 500.000000 6.000000 ");
}

TEST_F(ProjectWindow, TenSlotsFromProjectsExportTheirProgramFile) {
  const std::string project = FreshProject();
  const std::string cut = Path("cut.prj");
  const std::string text = ReadBytes(project);
  testing::WriteBytes(cut, text.substr(0, text.size() / 2));
  const std::string pic = Path("slots.log");

  for (int s = 0; s < 9; ++s) {
    dialogs.choose(QString::fromStdString(project));
    form->SlotButton[s]->click();
    EXPECT_EQ(dialogs.fileRequests.back().title, QString("Open EQ%1 Project").arg(s));
    EXPECT_EQ(form->SlotPathEdit[s]->text().toStdString(), project);
  }
  // An incomplete project leaves its slot not loaded, without a message.
  dialogs.choose(QString::fromStdString(cut));
  form->SlotButton[9]->click();
  EXPECT_EQ(form->SlotPathEdit[9]->text(), "");
  EXPECT_TRUE(dialogs.boxes.empty());

  // Nine slots: the status says so and no file is asked for or written.
  const std::size_t asked = dialogs.fileRequests.size();
  form->Button15->click();
  EXPECT_EQ(form->StatusBar1->simpleText(), "Projects not properly opened\n");
  EXPECT_EQ(dialogs.fileRequests.size(), asked);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(pic)));

  dialogs.choose(QString::fromStdString(project));
  form->SlotButton[9]->click();
  ASSERT_EQ(form->SlotPathEdit[9]->text().toStdString(), project);
  form->StatusBar1->setSimpleText("");
  dialogs.choose(QString::fromStdString(pic));
  form->Button15->click();
  EXPECT_EQ(dialogs.fileRequests.back().title, "Save Pic File");
  EXPECT_EQ(form->Edit36->text().toStdString(), pic);
  EXPECT_EQ(form->StatusBar1->simpleText(), "");  // no message reports success
  const std::string bytes = ReadBytes(pic);
  ASSERT_EQ(bytes.size(), 35200u);
  std::string band = "DW 0x0020\r\n";
  for (int n = 0; n < 9; ++n) band += "DW 0x0000\r\n";
  for (std::size_t at = 0; at < bytes.size(); at += band.size())
    ASSERT_EQ(bytes.compare(at, band.size(), band), 0) << "at byte " << at;
}

}  // namespace
}  // namespace calyxon
