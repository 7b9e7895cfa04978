// The designer window's creation, Reset, the redraw timer, help, About, the close and the menu
// entries that call handlers of their own.
#include "calyxon/ui/DesignerForm.h"

#include <QDir>
#include <QFileInfo>

#include "calyxon/eq/BandClearing.h"
#include "calyxon/eq/FrequencyGrid.h"
#include "calyxon/ui/AboutForm.h"
#include "calyxon/ui/Program.h"
#include "forms/HelpPage.h"
#include "platform/Paths.h"

namespace calyxon {

namespace {
constexpr char kHelpFileName[] = "EQHLP.html";
}

TForm1::TForm1(Program& program)
    : Design(program.Design), Presets(program.Presets), program_(program) {
  setBorderStyle(forms::bsSingle);
  setBorderIcons(forms::biSystemMenu | forms::biMinimize);
  BuildMenus();
  BuildPlots();
  BuildPages();
  BuildDialogs();
  setClientSize(940, 632);
  centerOnScreen();
  OnMessage = [this](std::uint32_t message, std::uint64_t wParam, std::int64_t lParam) {
    Dispatch(message, wParam, lParam);
  };
  OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
  WireDownload();
}

TForm1::~TForm1() {
  UnwireDownload();
}

void TForm1::FormCreate() {
  PageControl1->setActivePage(TabSheet1);
  TabSheet3->setTabVisible(false);
  for (forms::MenuItem* item : {SingleProject1, ProjectGroup1, SaveCurve1}) {
    item->setEnabled(false);
    item->setVisible(false);
  }
  setCaption(platform::kDesignerTitle);
  // The help page is looked for in the folder that is current now, at start-up.
  HelpFilePath = QDir::currentPath() + "/" + kHelpFileName;
  Button16Click();
  Button17Click();
  UploadAddressReceived = 0;
  UploadAddressValue = 0;
}

void TForm1::BuildFrequencyGrid() {
  calyxon::BuildFrequencyGrid(Design);
  FcBar->setMin(0);
  FcBar->setMax(Design.GridCount - 1);
}

void TForm1::Button16Click() {
  Design.AutoTuneBand = 0;
  Design.TargetLoaded = 0;
  TargetPath.clear();
  SourcePath.clear();
  Edit1->setText("");
  Edit24->setText("");
  BuildFrequencyGrid();
  ResetDesignTables(Design);
  ProgressBar1->setPosition(0);
  for (forms::Edit* edit : {Edit2, Edit5, Edit3, Edit4}) edit->setText("0");
  Design.RedrawRequested = 1;
}

void TForm1::Reset1Click() {
  Button16Click();
  Button17Click();
}

void TForm1::PresetEQ1Click() {
  Button17Click();
}

void TForm1::Timer2Timer() {
  if (Design.RedrawRequested) RedrawCurves();
  Design.RedrawRequested = 0;
}

void TForm1::ShowStatus(const QString& text) {
  statusFailureKind_ = -1;
  StatusBar1->setSimpleText(text);
  if (StatusShown) StatusShown(text);
}

void TForm1::ShowFileStatus(int kind, const QString& failure) {
  if (failure.isEmpty()) {
    if (statusFailureKind_ == kind) ShowStatus(failure);
    return;
  }
  ShowStatus(failure);
  statusFailureKind_ = kind;
}

void TForm1::OpenTargetMicFile1Click() {
  Button2Click();
}

void TForm1::OpenSourceMic1Click() {
  Button3Click();
}

void TForm1::TTTTyy1Click() {
  Button19Click();
}

void TForm1::Save1Click() {
  Button18Click();
}

void TForm1::Exit2Click() {
  close();
}

void TForm1::Content1Click() {
  // The help page of the start-up folder; a program started from elsewhere (by Vondrix, from
  // a desktop menu) shows the copy beside it instead.
  QString page = HelpFilePath;
  if (!QFileInfo::exists(page))
    page = QString::fromStdString(platform::exeFolder()) + kHelpFileName;
  forms::OpenHelpPage(page, "The help page " + HelpFilePath +
                                " is missing, and there is none beside the program either.");
}

void TForm1::About1Click() {
  program_.Form2->show();
}

void TForm1::FormCloseQuery(bool& canClose) {
  if (!FitRunning()) return;
  // The fit's loop still runs on this window: stop it first, close once it has returned.
  canClose = false;
  closeAfterFit_ = true;
  Panel1->setColor(forms::clBtnFace);
}

}  // namespace calyxon
