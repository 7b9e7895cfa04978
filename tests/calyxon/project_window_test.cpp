// Projects, curve files, the band list and the preset slots as the window saves and loads
// them: through the File menu and the dialog seam, or, for what the window hides, through the
// hidden controls' clicks.
#include <QTemporaryDir>
#include <QTest>
#include <regex>

#include "DesignerFixture.h"
#include "common/FileSizeLimit.h"
#include "tests/calyxon/FileText.h"

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
  const std::string truncated = Path("truncated.prj"), withNan = Path("nan.prj");
  testing::WriteBytes(truncated, testing::JoinCrLf({lines.begin(), lines.end() - 100}));
  testing::WriteBytes(withNan, testing::JoinCrLf(nan));

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
