// Projects, curve files, the band list and the preset slots as the window saves and loads
// them: through the File menu and the dialog seam, or, for what the window hides, through the
// hidden controls' clicks.
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <charconv>
#include <cmath>
#include <optional>
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

// A bandwidth so small that Fc / BW is beyond any number: the Q edit shows the limit the edit
// would clamp the quotient to, the shelf of its side, and the design saves, loads and saves
// again to the same bytes.
TEST_F(ProjectWindow, ABandwidthTooSmallForAQuotientGivesTheQLimitOfItsSide) {
  const std::vector<std::string> fresh = CrLfLines(ReadBytes(FreshProject()));
  const struct {
    const char* bw;
    QString q;
  } rows[] = {{"1e-310", "200"}, {"-1e-310", "0"}};
  const std::string edited = Path("tiny bandwidth.prj"), first = Path("first.prj"),
                    second = Path("second.prj");
  for (const auto& row : rows) {
    std::vector<std::string> lines = fresh;
    lines[kBandFcLine + 26] = "1000.000000";
    lines[kBandFcLine + kBandCount + 26] = row.bw;
    testing::WriteBytes(edited, testing::JoinCrLf(lines));
    LoadProject(edited);
    EXPECT_EQ(form->StatusBar1->simpleText(), "") << row.bw;
    EXPECT_EQ(form->ManualQEdit[0]->text(), row.q) << row.bw;
    SaveProjectAs(first);
    LoadProject(first);
    EXPECT_EQ(form->ManualQEdit[0]->text(), row.q) << row.bw;
    SaveProjectAs(second);
    EXPECT_EQ(form->StatusBar1->simpleText(), "") << row.bw;
    ASSERT_TRUE(QFile::exists(QString::fromStdString(first))) << row.bw;
    EXPECT_TRUE(ReadBytes(second) == ReadBytes(first)) << row.bw;
  }
  EXPECT_TRUE(dialogs.boxes.empty());
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
       " Not Loaded: it ends early: line 30440 (BandB) is missing; nothing was changed  "
       "!!! \n"},
      {withNan,
       " Not Loaded: line 5169 (TargetCurve) holds 'nan', which is not a number; "
       "nothing was changed  !!! \n"},
      {Path("missing.prj"), " Open Failed  !!! \n"},
      {binary,
       " Not Loaded: line 1 (the length of TargetPath) holds "
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

// A gain the window takes, by Enter or as the edit holds it, is a number to the save too, however
// near to 0 or far from it: saved as typed, it loads and saves again.
TEST_F(ProjectWindow, EveryGainTheWindowTakesIsSavedAsTyped) {
  const QString tiny = "0." + QString(350, '0') + "1", huge = "1" + QString(400, '0');
  Type(form->ManualGainEdit[1], tiny);
  QTest::keyClick(form->ManualGainEdit[1], Qt::Key_Return);
  ASSERT_EQ(form->ManualGainEdit[1]->text(), tiny);  // taken, as 0 dB
  EXPECT_EQ(design->BandGain[kFirstManualBand + 1], 0);
  Type(form->ManualGainEdit[2], huge);  // no Enter
  const std::string first = Path("gains.prj"), second = Path("again.prj");
  SaveProjectAs(first);
  EXPECT_EQ(form->StatusBar1->simpleText(), "");
  const std::vector<std::string> lines = CrLfLines(ReadBytes(first));
  ASSERT_EQ(lines.size(), kFreshLines);
  EXPECT_EQ(lines[4 + 3 * 1 + 2], tiny.toStdString());
  EXPECT_EQ(lines[4 + 3 * 2 + 2], huge.toStdString());

  LoadProject(first);
  EXPECT_EQ(form->StatusBar1->simpleText(), "");
  EXPECT_EQ(form->ManualGainEdit[1]->text(), "0");
  SaveProjectAs(second);
  EXPECT_EQ(form->StatusBar1->simpleText(), "");
  EXPECT_TRUE(ReadProjectFile(second).loaded());
  EXPECT_TRUE(dialogs.boxes.empty());
}

// The four saves of the designer say that the previous file is kept only when there was one: not
// when there was nothing or a folder of that name.
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
  enum Previous { kNothing, kFile, kFolder };
  for (const auto& save : saves) {
    for (const Previous previous : {kNothing, kFile, kFolder}) {
      const std::string path = Path(QString("%1 %2").arg(previous).arg(save.name));
      if (previous == kFile) testing::WriteBytes(path, "the previous file");
      if (previous == kFolder) {
        ASSERT_TRUE(QDir().mkdir(QString::fromStdString(path)));
      }
      form->StatusBar1->setSimpleText("");
      dialogs.choose(QString::fromStdString(path));
      {
        std::optional<FileSizeLimit> full;
        if (previous != kFolder) full.emplace(16);  // a folder fails the save by itself
        save.save();
      }
      const std::string reason = previous == kFolder ? "Is a directory" : "File too large";
      EXPECT_EQ(form->StatusBar1->simpleText().toStdString(),
                "File:" + path + " Save Failed (" + reason + ")" +
                    (previous == kFile ? ", the previous file is kept" : "") + "  !!! \n")
          << save.name;
      if (previous == kFile) {
        EXPECT_TRUE(ReadBytes(path) == "the previous file") << save.name;
      } else if (previous == kFolder) {
        EXPECT_TRUE(QFileInfo(QString::fromStdString(path)).isDir()) << save.name;
      } else {
        EXPECT_FALSE(QFile::exists(QString::fromStdString(path))) << save.name;
      }
    }
  }
}

// A failure that a later operation of the same kind made good leaves the status line: a save,
// load or export that succeeds clears the failure its kind reported before. A failure of
// another kind still stands and stays.
TEST_F(ProjectWindow, ASuccessClearsTheFailureOfItsKindOnly) {
  const std::string good = FreshProject(), missing = Path("no such folder/x");
  std::vector<std::string> lines = CrLfLines(ReadBytes(good));
  lines[kBandFcLine + 2 * kBandCount + 4] = "10000.000000";  // a gain no section can have
  const std::string huge = Path("huge gain.prj");
  testing::WriteBytes(huge, testing::JoinCrLf(lines));
  const std::string flat = Path("flat.dat");
  testing::WriteBytes(flat, "20,5\n1000,5\n22000,5\n");
  // act with the file dialog answering path.
  const auto at = [this](const std::string& path, std::function<void()> act) {
    return [this, path, act] {
      dialogs.choose(QString::fromStdString(path));
      act();
    };
  };
  const auto menu = [this](const char* entry) {
    return [this, entry] { ASSERT_TRUE(Menu(entry)) << entry; };
  };
  const auto click = [](forms::Button* button) { return [button] { button->click(); }; };
  const auto fillSlots = [&] {
    for (forms::Button* slot : form->SlotButton) at(good, click(slot))();
  };
  const struct {
    const char* kind;
    std::function<void()> fail, succeed;
  } rows[] = {
      {"project save", [&] { SaveProjectAs(missing); }, [&] { SaveProjectAs(Path("saved.prj")); }},
      {"project save, then load", [&] { SaveProjectAs(missing); }, [&] { LoadProject(good); }},
      {"project load", [&] { LoadProject(missing); }, [&] { LoadProject(good); }},
      {"project load, then save", [&] { LoadProject(missing); }, [&] { SaveProjectAs(good); }},
      {"target", at(missing, menu("File>Load Target Mic File")),
       at(flat, menu("File>Load Target Mic File"))},
      {"source", at(missing, menu("File>Load Source Mic File")),
       at(flat, menu("File>Load Source Mic File"))},
      {"curve file", at(missing, [this] { form->SaveTarget1Click(); }),
       at(Path("curve.flt"), [this] { form->SaveManualEQ1Click(); })},
      {"band list", at(missing, click(form->Button1)), at(Path("bands.txt"), click(form->Button1))},
      {"program file", click(form->Button15),
       [&] {
         fillSlots();
         at(Path("slots.log"), click(form->Button15))();
       }},
      {"slot", at(huge, click(form->SlotButton[6])), at(good, click(form->SlotButton[6]))},
  };
  for (const auto& row : rows) {
    row.fail();
    EXPECT_NE(form->StatusBar1->simpleText(), "") << row.kind;
    row.succeed();
    EXPECT_EQ(form->StatusBar1->simpleText().toStdString(), "") << row.kind;
  }

  // A target that did not load is still reported after the successes of other kinds.
  rows[4].fail();
  const QString targetFailure = form->StatusBar1->simpleText();
  ASSERT_NE(targetFailure, "");
  for (const auto& other : {rows[0].succeed, rows[2].succeed, rows[6].succeed, rows[9].succeed})
    other();
  EXPECT_EQ(form->StatusBar1->simpleText(), targetFailure);
  EXPECT_TRUE(dialogs.boxes.empty());
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
                " Not Loaded Into EQ3: its band 4 (Fc 1000 Hz, BW 400 Hz, Gain 10000 dB) gives "
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

// Measured curves and band responses up to the bound of what a project holds of them: the curves
// the designer sums from them pass that bound, yet every project that loads saves, loads and
// saves again to the same bytes; so does the design of measurements near the bound.
TEST_F(ProjectWindow, LevelsNearTheirBoundLoadSaveAndLoadAgain) {
  const std::vector<std::string> fresh = CrLfLines(ReadBytes(FreshProject()));
  const int target = kGridCountLine + 3 + 660, source = target + 660, responses = target + 6 * 660;
  std::vector<std::pair<int, std::string>> everyInput = {{target + 100, "9.99e299"},
                                                         {source + 100, "-9.99e299"}};
  for (int b = 0; b < kBandCount; ++b)
    everyInput.push_back({responses + b * 660 + 100, "-9.99e299"});
  const struct {
    const char* name;
    std::vector<std::pair<int, std::string>> lines;
    int point;
    double error;  // ErrorCurve at point once loaded
  } rows[] = {
      {"target and source", {{target, "9e299"}, {source, "-9e299"}}, 0, 1.8e300},
      {"two band responses",
       {{responses + 200, "6e299"}, {responses + 660 + 200, "6e299"}},
       200,
       -1.2e300},
      {"every input at one point", everyInput, 100, 9.99e299 * 28},
  };
  const std::string edited = Path("edited.prj"), first = Path("first.prj"),
                    second = Path("second.prj");
  for (const auto& row : rows) {
    std::vector<std::string> lines = fresh;
    for (const auto& [line, text] : row.lines) lines[line] = text;
    testing::WriteBytes(edited, testing::JoinCrLf(lines));
    LoadProject(edited);
    EXPECT_EQ(form->StatusBar1->simpleText(), "") << row.name;
    EXPECT_NEAR(design->ErrorCurve[row.point], row.error, 1e-12 * std::fabs(row.error)) << row.name;
    for (const std::string& path : {first, second}) {
      QFile::remove(QString::fromStdString(path));
      SaveProjectAs(path);
      EXPECT_EQ(form->StatusBar1->simpleText(), "") << row.name;
      ASSERT_TRUE(QFile::exists(QString::fromStdString(path))) << row.name;
      LoadProject(path);
      EXPECT_EQ(form->StatusBar1->simpleText(), "") << row.name;
    }
    EXPECT_TRUE(ReadBytes(second) == ReadBytes(first)) << row.name;
  }

  // Measurements whose curves stand near the bound with opposite signs.
  testing::WriteBytes(Path("high.dat"), "20,4.9e299\n1000,-4.9e299\n22000,4.9e299\n");
  testing::WriteBytes(Path("low.dat"), "20,-4.9e299\n1000,4.9e299\n22000,-4.9e299\n");
  dialogs.choose(QString::fromStdString(Path("high.dat")));
  ASSERT_TRUE(Menu("File>Load Target Mic File"));
  dialogs.choose(QString::fromStdString(Path("low.dat")));
  ASSERT_TRUE(Menu("File>Load Source Mic File"));
  EXPECT_EQ(form->StatusBar1->simpleText(), "");
  EXPECT_NEAR(design->ErrorCurve[0], 1.96e300, 1e288);
  QFile::remove(QString::fromStdString(first));
  SaveProjectAs(first);
  EXPECT_EQ(form->StatusBar1->simpleText(), "");
  EXPECT_TRUE(ReadProjectFile(first).loaded());
}

double Number(const std::string& line) {
  double value = std::nan("");
  std::from_chars(line.data(), line.data() + line.size(), value);
  return value;
}

// Whether the manual band k's Fc lines (kHz) of two saves put the band on the same point of
// the grid: a save writes the Fc edit as it stands, a load shows the grid point the band is
// on, so the line of a band whose edit was clamped (21 kHz to 20) changes from the first save
// to the second while the band stays where it is.
bool OnTheSameGridPoint(int k, double fcA, double fcB, const std::vector<double>& grid) {
  const auto point = [&](double kHz) {
    double hz = std::clamp(kHz, 0.02, 20.0) * 1000;
    if (k == 1) hz = std::trunc(hz);  // band 2's frequency is cut to whole hertz
    std::size_t nearest = 0;
    for (std::size_t i = 1; i < grid.size(); ++i)
      if (std::fabs(grid[i] - hz) < std::fabs(grid[nearest] - hz)) nearest = i;
    return nearest;
  };
  return point(fcA) == point(fcB);
}

// Whether two projects the window saved hold the same design: what a load takes as it stands
// must come back as the same line; what it computes again (the manual bands, their responses
// and coefficients, and the curves summed from the bands) within the file's six decimals, or
// within the last digits of the levels summed; a manual band's Fc and bandwidth lines on the
// same grid point with the same Q.
void ExpectSameDesign(const std::vector<std::string>& first,
                      const std::vector<std::string>& second) {
  ASSERT_EQ(first.size(), second.size());
  const int G = std::stoi(first[kGridCountLine]);
  const int curves = kGridCountLine + 3 + G;                                  // TargetCurve
  const int responses = curves + 6 * G, tables = responses + kBandCount * G;  // BandA
  std::vector<double> grid;
  for (int i = 0; i < G; ++i) grid.push_back(Number(first[kGridCountLine + 3 + i]));
  std::vector<double> scale(first.size(), -1);   // below 0: the same line
  std::vector<bool> alike(first.size(), false);  // lines that stand for the same band
  for (int k = 0; k < kManualBandCount; ++k) {
    const int fcLine = 4 + 3 * k, bwLine = fcLine + 1;
    scale[fcLine + 2] = 0;  // the gain
    const double fcA = Number(first[fcLine]), fcB = Number(second[fcLine]);
    const double bwA = Number(first[bwLine]), bwB = Number(second[bwLine]);
    const bool shelf = bwA == 0 || bwA == 22050 || bwB == 0 || bwB == 22050;
    const bool sameQ = shelf ? bwA == bwB
                             : std::fabs(fcA / bwA - fcB / bwB) <=
                                   1e-9 * std::max(std::fabs(fcA / bwA), std::fabs(fcB / bwB));
    alike[fcLine] = OnTheSameGridPoint(k, fcA, fcB, grid);
    alike[bwLine] = sameQ;
  }
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
    bool same = first[n] == second[n] || alike[n];
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

// The values that a load of the generated project takes as they stand, in the window and its
// tables: all but the manual bands, the curves it sums again from the bands and the flag that
// its redraw sets.
void ExpectTheGeneratedValues(const testing::RandomProject& r, const TForm1& form,
                              const QString& targetBefore, const QString& sourceBefore) {
  const QString target = r.TargetPath.empty() ? targetBefore : QString::fromStdString(r.TargetPath);
  const QString source = r.SourcePath.empty() ? sourceBefore : QString::fromStdString(r.SourcePath);
  EXPECT_EQ(form.TargetPath, target);
  EXPECT_EQ(form.SourcePath, source);
  EXPECT_EQ(form.ProjectReservedFlag, r.ProjectReservedFlag);  // CurvesDrawnOnce: the redraw's

  const PresetSlots& p = form.Presets;
  std::vector<double> values;
  for (const auto* table : {&p.SlotFc, &p.SlotBw, &p.SlotGain})
    for (const auto& slot : *table) values.insert(values.end(), slot.begin(), slot.end());
  for (const auto* table : {&p.SlotA, &p.SlotB})
    for (const auto& slot : *table)
      for (const auto& band : slot) values.insert(values.end(), band.begin(), band.end());
  EXPECT_TRUE(values == r.SlotValues);
  std::vector<std::int64_t> coefficients;
  for (const auto& slot : p.SlotCoefficients)
    for (const auto& row : slot) coefficients.insert(coefficients.end(), row.begin(), row.end());
  EXPECT_TRUE(coefficients == r.SlotCoefficients);

  const EqDesign& d = form.Design;
  EXPECT_EQ(d.TargetLoaded, r.TargetLoaded);
  ASSERT_EQ(d.GridCount, r.G);
  EXPECT_EQ(d.SourcePointCount, r.SourcePointCount);
  EXPECT_EQ(d.LastPointCount, r.LastPointCount);
  const auto first = [&](const GridCurve& curve) {
    return std::vector<double>(curve.begin(), curve.begin() + r.G);
  };
  EXPECT_TRUE(first(d.GridFrequency) == r.GridFrequency);
  EXPECT_TRUE(first(d.TargetCurve) == r.Curves[0]);
  EXPECT_TRUE(first(d.SourceCurve) == r.Curves[1]);
  for (int b = 0; b < kFirstManualBand; ++b) {
    EXPECT_TRUE(first(d.BandResponse[b]) == r.BandResponse[b]) << "band " << b;
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(d.BandA[b][k], r.BandA[3 * b + k]) << "band " << b;
      EXPECT_EQ(d.BandB[b][k], r.BandB[3 * b + k]) << "band " << b;
    }
    EXPECT_EQ(d.BandFc[b], std::max(r.BandFc[b], 20.0)) << "band " << b;
    EXPECT_EQ(d.BandBw[b], r.BandBw[b]) << "band " << b;
    EXPECT_EQ(d.BandGain[b], r.BandGain[b]) << "band " << b;
  }
  EXPECT_EQ(d.PlotMax, r.PlotLevels[0]);
  EXPECT_EQ(d.PlotMin, r.PlotLevels[1]);
  EXPECT_EQ(d.PlotReference, r.PlotLevels[2]);
}

// Every project the reader takes loads with the values it holds, saves, loads again to the same
// design, and saves again; also after its final band table has been offered to a slot button,
// which either takes the table or says which band it cannot design and leaves the slot.
TEST_F(ProjectWindow, RandomProjectsThatLoadSaveAndLoadAgainToTheSameDesign) {
  const std::string generated = Path("random.prj"), first = Path("first.prj"),
                    second = Path("second.prj");
  const auto expectStatus = [this](const char* what) {
    EXPECT_EQ(form->StatusBar1->simpleText().toStdString(), "") << what;
  };
  // A save that says nothing must have written its file: else the lines compared are none.
  const auto save = [&](const std::string& path, const char* what) {
    QFile::remove(QString::fromStdString(path));
    SaveProjectAs(path);
    expectStatus(what);
    return QFile::exists(QString::fromStdString(path));
  };
  for (std::uint64_t seed = 1; seed <= 16; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const testing::RandomProject random(seed);
    testing::WriteBytes(generated, random.text);
    const ProjectReading reading = ReadProjectFile(generated);
    ASSERT_TRUE(reading.loaded()) << "the generator wrote a project the reader refuses: "
                                  << reading.problem;
    const QString targetBefore = form->TargetPath, sourceBefore = form->SourcePath;
    form->StatusBar1->setSimpleText("");
    LoadProject(generated);
    expectStatus("load");
    ExpectTheGeneratedValues(random, *form, targetBefore, sourceBefore);

    const int s = seed % kSlotCount;
    const PresetSlots before = program->Presets;
    const QString pathBefore = form->SlotPathEdit[s]->text();
    dialogs.choose(QString::fromStdString(generated));
    form->SlotButton[s]->click();
    const std::string slotStatus = form->StatusBar1->simpleText().toStdString();
    if (slotStatus.empty()) {  // taken
      EXPECT_EQ(form->SlotPathEdit[s]->text().toStdString(), generated);
      EXPECT_TRUE(std::vector<double>(program->Presets.SlotFc[s].begin(),
                                      program->Presets.SlotFc[s].end()) == random.BandFc);
      EXPECT_TRUE(std::vector<double>(program->Presets.SlotGain[s].begin(),
                                      program->Presets.SlotGain[s].end()) == random.BandGain);
    } else {  // refused: the slot as it was
      EXPECT_EQ(
          slotStatus.rfind(
              "File:" + generated + " Not Loaded Into EQ" + std::to_string(s) + ": its band ", 0),
          0u)
          << slotStatus;
      EXPECT_EQ(form->SlotPathEdit[s]->text(), pathBefore);
      EXPECT_TRUE(program->Presets.SlotFc == before.SlotFc);
      EXPECT_TRUE(program->Presets.SlotGain == before.SlotGain);
      form->StatusBar1->setSimpleText("");
    }

    ASSERT_TRUE(save(first, "save")) << "the save wrote no file";
    form->StatusBar1->setSimpleText("");
    LoadProject(first);
    expectStatus("load again");
    ASSERT_TRUE(save(second, "save again")) << "the save wrote no file";
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
