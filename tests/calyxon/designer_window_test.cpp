// The designer window as the operator meets it: title and layout, the hidden pages and
// entries, the Upload menu that follows the posted address, Reset, Preset EQ, the status line,
// help and About.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QToolTip>
#include <QWindow>
#include <string>

#include "DesignerFixture.h"
#include "calyxon/eq/FrequencyGrid.h"
#include "calyxon/ui/AboutForm.h"
#include "calyxon/ui/ShownName.h"
#include "common/DesktopOpener.h"
#include "common/MenuSeparators.h"
#include "forms/WindowTitle.h"
#include "platform/Paths.h"
#include "platform/WindowDirectory.h"

namespace calyxon {
namespace {

struct Place {
  const char* name;
  int left, top, width, height;  // -1: not given
};

// Where the controls stand, in their parent's client coordinates.
const Place kPlaces[] = {
    {"Image3", 376, 10, 529, 289},     {"Image1", 384, 18, 513, 273},
    {"Image4", 376, 312, 529, 289},    {"Image2", 384, 320, 513, 273},
    {"Label22", 492, 602, -1, -1},     {"Label23", 662, 602, -1, -1},
    {"Label24", 830, 602, -1, -1},     {"Label25", 880, 602, -1, -1},
    {"Label36", 910, 8, -1, -1},       {"Label26", 910, 93, -1, -1},
    {"Label30", 910, 203, -1, -1},     {"Label31", 910, 395, -1, -1},
    {"Label35", 910, 505, -1, -1},     {"PageControl1", -1, -1, 353, 594},
    {"RadioButton1", -1, 223, -1, -1}, {"Edit6", -1, 223, -1, -1},
    {"Edit8", -1, 223, -1, -1},        {"RadioButton4", -1, 319, -1, -1},
    {"Edit16", -1, 319, -1, -1},       {"RadioButton6", -1, 383, -1, -1},
    {"Edit23", -1, 383, -1, -1},       {"Edit26", 8, 24, 265, 22},
    {"Edit31", 8, 237, 265, 22},       {"Edit35", 8, 409, 265, 22},
    {"Button5", 288, 24, 41, 22},      {"Button10", 288, 238, 41, 22},
    {"Button14", 288, 410, 41, 22},    {"Edit36", 8, 480, 321, 22},
    {"ComboBox3", 8, 536, 53, 24},     {"Button4", 72, 528, 129, 33},
    {"Button15", 200, 528, 129, 33},
};

using DesignerWindow = DesignerTest;

TEST_F(DesignerWindow, TitleClientAreaAndControlsStandWhereTheFormPutsThem) {
  EXPECT_EQ(forms::windowSystemTitle(*form), "Calyxon");
  EXPECT_EQ(form->clientWidth(), 940);
  EXPECT_EQ(form->clientHeight(), 632);
  for (const Place& p : kPlaces) {
    auto* w = form->findChild<QWidget*>(p.name);
    ASSERT_TRUE(w) << p.name;
    const QPoint origin = forms::clientOrigin(w->parentWidget());
    if (p.left >= 0) {
      EXPECT_EQ(w->x() - origin.x(), p.left) << p.name;
    }
    if (p.top >= 0) {
      EXPECT_EQ(w->y() - origin.y(), p.top) << p.name;
    }
    if (p.width >= 0) {
      EXPECT_EQ(w->width(), p.width) << p.name;
    }
    if (p.height >= 0) {
      EXPECT_EQ(w->height(), p.height) << p.name;
    }
  }
  EXPECT_EQ(form->Label36->caption(), "dB");
  EXPECT_EQ(form->Label25->caption(), "20KHz");
}

TEST_F(DesignerWindow, OnlyTheAutoTunePageAndTheReachableEntriesShow) {
  EXPECT_EQ(form->PageControl1->activePage(), form->TabSheet1);
  EXPECT_TRUE(form->Edit1->isVisible());
  for (forms::TabSheet* sheet :
       {form->TabSheet1, form->TabSheet2, form->TabSheet3, form->TabSheet4})
    EXPECT_FALSE(sheet->tabVisible()) << sheet->objectName().toStdString();
  for (QWidget* w : std::initializer_list<QWidget*>{form->Button18, form->Button4, form->Panel1,
                                                    form->Edit38, form->ComboBox2})
    EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
  for (forms::MenuItem* item : {form->SaveCurve1, form->SingleProject1, form->ProjectGroup1}) {
    EXPECT_FALSE(item->visible()) << item->caption().toStdString();
    EXPECT_FALSE(item->enabled()) << item->caption().toStdString();
  }
  EXPECT_FALSE(Menu("File>Save Curve>Save Target"));
  EXPECT_FALSE(Menu("Tool>Single Project"));
  EXPECT_TRUE(form->Exit2->visible());
  EXPECT_EQ(form->Panel1->color(), forms::clBtnFace);
}

TEST_F(DesignerWindow, TheFileMenusSeparatorIsALineWithoutText) {
  EXPECT_EQ(SeparatorTexts(*form->MainMenu1->bar()), QStringList{""});
  EXPECT_EQ(form->N1->caption(), "-");
  EXPECT_TRUE(form->N1->action()->isSeparator());
}

TEST_F(DesignerWindow, UploadMenuFollowsThePostedAddress) {
  struct Step {
    int posted;     // 0: nothing posted yet
    int shown;      // the one address shown; 0: all (nothing posted) or none
    QString combo;  // ComboBox3's text
  };
  const Step steps[] = {{0, 0, "1"}, {12, 12, "12"}, {7, 7, "7"}, {70, 0, ""}};
  for (const Step& s : steps) {
    if (s.posted) {
      const int before = form->UploadAddressValue;
      // Posted through the window directory, as Vondrix posts it; the address is in lParam's
      // low 16 bits.
      ASSERT_TRUE(
          platform::postMessage(form->publishedHandle(), WM_UPLOADADDRESS, 0, 0x10000 + s.posted));
      ASSERT_TRUE(WaitUntil([&] { return form->UploadAddressValue != before; })) << s.posted;
    }
    EXPECT_EQ(form->ComboBox3->text(), s.combo) << s.posted;
    auto shown = [&](int a) { return s.posted == 0 || a == s.shown; };
    // Each menu choice opens Tool > Upload anew, which sets the entries up again.
    for (int a : {1, 7, 12, 64})
      EXPECT_EQ(Menu("Tool>Upload>" + QString::number(a)), shown(a)) << s.posted << " " << a;
    for (int a = 1; a <= kUploadAddressCount; ++a)
      EXPECT_EQ(form->UploadItems[a - 1]->visible(), shown(a)) << s.posted << " " << a;
  }
}

TEST_F(DesignerWindow, ResetClearsTheDesignAndPutsThePresetBack) {
  LoadFixtures();
  design->AutoTuneBand = 7;
  design->BandGain[3] = 2.5;
  design->BandGain[27] = 1;
  form->ProgressBar1->setPosition(27);
  for (forms::Edit* e : {form->Edit2, form->Edit3, form->Edit4, form->Edit5}) e->setText("9");
  form->ManualFcEdit[2]->setText("3.3");
  form->ManualGainEdit[5]->setText("-4");
  form->ManualRadio[3]->setChecked(true);
  design->RedrawRequested = 0;

  ASSERT_TRUE(Menu("Tool>Reset"));
  EXPECT_EQ(design->AutoTuneBand, 0);
  EXPECT_EQ(design->TargetLoaded, 0);
  EXPECT_TRUE(form->TargetPath.isEmpty());
  EXPECT_TRUE(form->SourcePath.isEmpty());
  EXPECT_EQ(form->Edit1->text(), "");
  EXPECT_EQ(form->Edit24->text(), "");
  EXPECT_EQ(form->ProgressBar1->position(), 0);
  for (forms::Edit* e : {form->Edit2, form->Edit3, form->Edit4, form->Edit5})
    EXPECT_EQ(e->text(), "0") << e->objectName().toStdString();
  for (int i = 0; i < design->GridCount; ++i) {
    ASSERT_EQ(design->TargetCurve[i], 0);
    ASSERT_EQ(design->SourceCurve[i], 0);
    ASSERT_EQ(design->ErrorCurve[i], 0);
  }
  for (int n = 0; n < kBandCount; ++n) EXPECT_EQ(design->BandGain[n], 0) << n;
  EXPECT_EQ(design->BandFc[3], 20);
  EXPECT_EQ(form->ManualFcEdit[2]->text(), "0.8");
  EXPECT_EQ(form->ManualGainEdit[5]->text(), "0");
  EXPECT_TRUE(form->ManualRadio[0]->checked());
  EXPECT_FALSE(form->ManualRadio[3]->checked());
  // The plots change at the next tick of the redraw timer.
  EXPECT_EQ(design->RedrawRequested, 1);
  form->Timer2->fire();
  EXPECT_EQ(design->RedrawRequested, 0);
  // A source now needs a target first again.
  ASSERT_TRUE(Menu("File>Load Source Mic File"));
  ASSERT_EQ(dialogs.texts(forms::DialogKind::MessageBox).size(), 1u);
  EXPECT_EQ(dialogs.boxes.back().text, "Pls Open File of Target Mic First !!");
  EXPECT_EQ(dialogs.boxes.back().caption, "Error");
}

TEST_F(DesignerWindow, PresetEqPutsTheSixBandsAtTheirStartingValues) {
  for (int k = 0; k < kManualBandCount; ++k) {
    form->ManualFcEdit[k]->setText("1.5");
    form->ManualQEdit[k]->setText("3");
    form->ManualGainEdit[k]->setText("4");
  }
  form->ManualRadio[4]->setChecked(true);
  ASSERT_TRUE(Menu("Tool>Preset EQ"));
  const char* fc[] = {"0.06", "0.2", "0.8", "2.4", "6", "15"};
  const double hz[] = {60, 200, 800, 2400, 6000, 15000};
  for (int k = 0; k < kManualBandCount; ++k) {
    EXPECT_EQ(form->ManualFcEdit[k]->text(), fc[k]) << k;
    EXPECT_EQ(form->ManualQEdit[k]->text(), "1") << k;
    EXPECT_EQ(form->ManualGainEdit[k]->text(), "0") << k;
    EXPECT_EQ(form->ManualRadio[k]->checked(), k == 0) << k;
    EXPECT_TRUE(form->ManualRadio[k]->enabled()) << k;
    EXPECT_EQ(design->BandFc[kFirstManualBand + k], hz[k]) << k;
    EXPECT_EQ(design->BandBw[kFirstManualBand + k], hz[k]) << k;  // Q 1
    EXPECT_EQ(design->BandGain[kFirstManualBand + k], 0) << k;
  }
  EXPECT_EQ(form->FcBar->position(), 40);
  EXPECT_EQ(form->FcBar->max(), 659);
  EXPECT_EQ(form->BwBar->position(), 100);
  EXPECT_EQ(form->GainBar->position(), 0);
  EXPECT_TRUE(form->FcBar->enabled());
}

TEST_F(DesignerWindow, MeasurementLoadsShowTheFileNameAndFailuresInTheStatusLine) {
  dialogs.choose("/no/such.folder/missing.dat");
  ASSERT_TRUE(Menu("File>Load Target Mic File"));
  EXPECT_EQ(dialogs.fileRequests.back().title, "Open TargetMic ");
  EXPECT_EQ(dialogs.fileRequests.back().filter, "*.dat|*.dat");
  EXPECT_EQ(form->Edit1->text(), "missing");
  EXPECT_EQ(form->StatusBar1->simpleText(), "Target File:missing Open Failed  !!! \n");
  EXPECT_EQ(design->TargetLoaded, 0);

  LoadFixtures();
  EXPECT_EQ(form->Edit1->text(), "target");
  EXPECT_EQ(form->Edit24->text(), "source");
  EXPECT_EQ(form->TargetPath, CALYXON_FIXTURES "/target.dat");
  EXPECT_EQ(design->RedrawRequested, 1);
  dialogs.choose("/no/such/other.dat");
  ASSERT_TRUE(Menu("File>Load Source Mic File"));
  EXPECT_EQ(dialogs.fileRequests.back().title, "Open SourceMic");
  EXPECT_EQ(form->Edit24->text(), "");
  EXPECT_EQ(form->StatusBar1->simpleText(), "Mic File:other Load Failed  !!! \n");
  // A cancelled dialog changes nothing.
  dialogs.cancelFile();
  ASSERT_TRUE(Menu("File>Load Target Mic File"));
  EXPECT_EQ(form->Edit1->text(), "target");
}

// What resting the mouse on the status line at x shows: the tooltip's text as the operator
// reads it, or nothing.
QString StatusTooltipAt(forms::StatusBar& bar, int x) {
  const QPoint at(x, bar.height() / 2);
  QHelpEvent hover(QEvent::ToolTip, at, bar.mapToGlobal(at));
  QApplication::sendEvent(&bar, &hover);
  if (!QToolTip::isVisible()) return {};
  return QTextDocumentFragment::fromHtml(QToolTip::text()).toPlainText();
}

// A status text longer than the line (a path of a deep folder puts the reason beyond its end)
// shows whole, blanks and all, when the mouse rests on the line; one that fits shows no tooltip.
TEST_F(DesignerWindow, AStatusTextTooLongForTheLineShowsWholeAsItsTooltip) {
  QString folder = "/no/such";
  for (int n = 0; n < 12; ++n) folder += QString("/measurements of the venue %1").arg(n);
  const QString path = folder + "/project <b>&amp;</b>.prj";
  dialogs.choose(path);
  ASSERT_TRUE(Menu("File>Load Project"));
  const QString text = "File:" + path + " Open Failed  !!! \n";
  ASSERT_EQ(form->StatusBar1->simpleText(), text);
  ASSERT_GT(form->StatusBar1->fontMetrics().horizontalAdvance(text), form->StatusBar1->width());
  EXPECT_EQ(StatusTooltipAt(*form->StatusBar1, 5), "File:" + path + " Open Failed  !!!");
  EXPECT_EQ(StatusTooltipAt(*form->StatusBar1, form->StatusBar1->width() - 5),
            "File:" + path + " Open Failed  !!!");

  // A new text takes the tooltip of the one before away (the tip fades out in real time).
  form->Button15->click();  // the hidden export with no slots loaded
  ASSERT_EQ(form->StatusBar1->simpleText(), "Projects not properly opened\n");
  EXPECT_TRUE(WaitUntil([] { return !QToolTip::isVisible(); }, 3000));
  EXPECT_EQ(StatusTooltipAt(*form->StatusBar1, 5), "");
}

TEST(DesignerShownName, IsTheFileNameWithoutItsExtension) {
  const std::pair<const char*, const char*> cases[] = {
      {"/home/op/target.dat", "target"},
      {"/home/op/mic.v2.dat", "mic.v2"},
      {"/home/op.d/noextension", "noextension"},
      {"relative.dat", "relative"},
  };
  for (const auto& [path, shown] : cases) EXPECT_EQ(ShownFileName(path), shown) << path;
}

TEST(DesignerHelp, OpensThePageOfTheStartUpFolderWhateverIsCurrentLater) {
  QTemporaryDir startFolder, laterFolder;
  const QString startPage = QFileInfo(startFolder.path() + "/EQHLP.html").absoluteFilePath();
  QFile page(startPage);
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.close();
  const QString previous = QDir::currentPath();
  DesktopOpener opener;
  forms::ScriptedDialogs dialogs;
  {
    QDir::setCurrent(startFolder.path());
    Program program;
    program.CreateForms();
    QDir::setCurrent(laterFolder.path());
    program.Form1->Content1->click();
    // Without a page there, the copy beside the program opens.
    page.remove();
    program.Form1->Content1->click();
  }
  QDir::setCurrent(previous);
  const std::string beside = QFileInfo(QString::fromStdString(platform::exeFolder()) + "EQHLP.html")
                                 .absoluteFilePath()
                                 .toStdString();
  EXPECT_EQ(DesktopOpener::opened(), (std::vector<std::string>{startPage.toStdString(), beside}));
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(DesignerWindow, AboutShowsTheVersionAndItsCloseBoxHidesIt) {
  TForm2& about = *program->Form2;
  EXPECT_FALSE(about.isVisible());
  ASSERT_TRUE(Menu("Help>About..."));
  EXPECT_TRUE(about.isVisible());
  EXPECT_EQ(forms::windowSystemTitle(about), "Calyxon V1.1");
  EXPECT_EQ(about.StaticText1->caption(), "Calyxon V1.1");
  EXPECT_EQ(about.clientWidth(), 328);
  EXPECT_EQ(about.clientHeight(), 95);
  EXPECT_TRUE(about.close());
  EXPECT_FALSE(about.isVisible());
  EXPECT_TRUE(form->isVisible());  // the program goes on
}

}  // namespace
}  // namespace calyxon
