#include "vondrix/network/MainScreen.h"

#include <utility>

#include "forms/HelpPage.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "runtime/Convert.h"
#include "vondrix/buslink/Protocol.h"
#include "vondrix/network/AboutForm.h"
#include "vondrix/network/Program.h"
#include "vondrix/network/ProgressForm.h"
#include "vondrix/network/ScopeExit.h"
#include "vondrix/network/SplashForm.h"

namespace vondrix {

TForm1::TForm1(Program& program)
    : Queries(program.Bus, program.Slots, program.Current, *this), program_(program) {
  setCaption("Vondrix Main Screen");
  HelpFilePath = platform::exeFolder() + "VondrixHelp.html";
  setBorderStyle(forms::bsSingle);
  BuildMenus();
  setOuterSize(730, 410);

  Button2 = new forms::Button(this);
  Button2->setBounds(0, 328, 361, 30);
  Button2->setCaption("Screen1");
  Button2->OnClick = [this] { Button2Click(); };
  Button3 = new forms::Button(this);
  Button3->setBounds(360, 328, 361, 30);
  Button3->setCaption("Screen2");
  Button3->OnClick = [this] { Button3Click(); };
  for (forms::Button* b : {Button2, Button3}) b->OnMouseMove = [this](auto...) { FormMouseMove(); };

  Timer1 = new forms::Timer(this);
  Timer1->setEnabled(false);
  Timer1->setInterval(70);
  Timer1->OnTimer = [this] { Timer1Timer(); };
  Timer2 = new forms::Timer(this);
  Timer2->setEnabled(false);
  Timer2->setInterval(300);
  Timer2->OnTimer = [this] { Timer2Timer(); };

  OnMouseMove = [this](auto...) { FormMouseMove(); };
  OnMouseDown = [this](auto...) { FormMouseDown(); };
  OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
  OnClose = [this](forms::CloseAction& action) { FormClose(action); };
  centerOnScreen();
}

TForm1::~TForm1() {
  if (program_.Form1 == this) program_.Form1 = nullptr;
}

void TForm1::BuildMenus() {
  MainMenu1 = new forms::MainMenu(this);
  forms::MenuItem* file = MainMenu1->addItem("&File");
  Save1 = file->addItem("&Save ", "Ctrl+S");
  Save1->OnClick = [this] { Save1Click(); };
  Load1 = file->addItem("&Load", "Ctrl+L");
  Load1->OnClick = [this] { Load1Click(); };
  SaveDialog1 = std::make_unique<forms::SaveDialog>(this);
  SaveDialog1->setDefaultExt("vxn");
  SaveDialog1->setFilter("*.vxn|*.vxn");
  OpenDialog1 = std::make_unique<forms::OpenDialog>(this);
  OpenDialog1->setFilter("*.vxn|*.vxn");
  Exit1 = file->addItem("E&xit", "Ctrl+X");
  Exit1->OnClick = [this] { Exit1Click(); };

  forms::MenuItem* receiver = MainMenu1->addItem("&Receiver");
  AutoDetectReceivers1 = receiver->addItem("Auto Detect Receivers", "Ctrl+D");
  AutoDetectReceivers1->OnClick = [this] { AutoDetectReceivers1Click(); };
  Reconnect1 = receiver->addItem("Reconnect", "Ctrl+C");
  Reconnect1->OnClick = [this] { Reconnect1Click(); };
  HideUnusedPanel1 = receiver->addItem("Hide Unused Panel", "Ctrl+H");
  HideUnusedPanel1->OnClick = [this] { HideUnusedPanel1Click(); };
  FullView1 = receiver->addItem("Full View", "Ctrl+F");
  FullView1->OnClick = [this] { FullView1Click(); };

  forms::MenuItem* option = MainMenu1->addItem("&Option");
  SerialPort1 = option->addItem("Serial Port");
  for (int i = 1; i <= 6; ++i) {
    PortItems[i] = SerialPort1->addItem("");
    PortItems[i]->setEnabled(false);
  }
  forms::MenuItem* baud = option->addItem("Baud Rate");
  N1152001 = baud->addItem("115200");
  N1152001->setEnabled(false);
  forms::MenuItem* tv = option->addItem("TV Channel");
  Australia1 = tv->addItem("Australia");
  China1 = tv->addItem("China");
  Europe1 = tv->addItem("Europe");
  Japan1 = tv->addItem("Japan");
  Taiwan1 = tv->addItem("Taiwan");
  USA1 = tv->addItem("USA");
  Taiwan1->setChecked(true);
  Australia1->OnClick = [this] { Australia1Click(); };
  China1->OnClick = [this] { China1Click(); };
  Europe1->OnClick = [this] { Europe1Click(); };
  Japan1->OnClick = [this] { Japan1Click(); };
  Taiwan1->OnClick = [this] { Taiwan1Click(); };
  USA1->OnClick = [this] { USA1Click(); };

  forms::MenuItem* help = MainMenu1->addItem("&Help");
  Content1 = help->addItem("Content", "Ctrl+O");
  Content1->OnClick = [this] { Content1Click(); };
  About1 = help->addItem("About", "Ctrl+A");
  About1->OnClick = [this] { About1Click(); };
}

void TForm1::FormCreate() {
  {
    // The splash goes however the search ends.
    ScopeExit splashGone([this] {
      program_.Form2->hide();
      program_.Form2->Timer2->setEnabled(false);
    });
    RunPortSearch([this] { program_.Bus.OpenBus(*this); });
    if (program_.Ending) return;
  }
  // A first start has no value yet: the conversion error is shown, the check mark is left
  // as it is and the region stays 5; the main screen comes up all the same.
  try {
    std::string stored = program_.Registry.read("TV").value_or("");
    program_.TvRegion = runtime::StrToInt(QString::fromStdString(stored));
    ShowRegionCheck();
  } catch (const std::exception& e) {
    forms::showException(e);
  }
}

void TForm1::UncheckRegionItems() {
  for (forms::MenuItem* item : {Australia1, China1, Europe1, Japan1, Taiwan1, USA1})
    item->setChecked(false);
}

void TForm1::ShowRegionCheck() {
  const std::array<forms::MenuItem*, 6> items = {Australia1, China1,  Europe1,
                                                 Japan1,     Taiwan1, USA1};
  const int region = program_.TvRegion;
  if (region < 1 || region > 6) return;
  UncheckRegionItems();
  items[region - 1]->setChecked(true);
}

void TForm1::Australia1Click() {
  program_.TvRegion = 1, ShowRegionCheck();
}
void TForm1::China1Click() {
  program_.TvRegion = 2, ShowRegionCheck();
}
void TForm1::Europe1Click() {
  program_.TvRegion = 3, ShowRegionCheck();
}
void TForm1::Japan1Click() {
  program_.TvRegion = 4, ShowRegionCheck();
}
void TForm1::Taiwan1Click() {
  program_.TvRegion = 5, ShowRegionCheck();
}
void TForm1::USA1Click() {
  program_.TvRegion = 6, ShowRegionCheck();
}

void TForm1::Content1Click() {
  const QString page = QString::fromStdString(HelpFilePath);
  forms::OpenHelpPage(page, "The help page " + page +
                                " is missing. It belongs beside the program: install the program "
                                "again to get it back.");
}

void TForm1::About1Click() {
  program_.Form5->show();
}

bool TForm1::AskQuit() {
  return forms::MessageBox("Really Want To Quit ?", "Vondrix",
                           forms::MB_OKCANCEL | forms::MB_ICONQUESTION) == forms::IDOK;
}

void TForm1::RequestQuitDuringDetection(QuitRequest how) {
  pendingQuit_ = how;
  program_.Form4->Label2Click();  // the sweep ends after the address at hand, as SKIP
}

bool TForm1::SearchCancelled() {
  return pendingQuit_ != QuitRequest::None || program_.Ending;
}

void TForm1::RunPortSearch(const std::function<void()>& search) {
  QuitRequest quit = QuitRequest::None;
  {
    program_.Form4->show();
    ScopeExit done([&] {
      program_.Form4->hide();
      quit = std::exchange(pendingQuit_, QuitRequest::None);
    });
    search();
  }
  // The question as the close box or File > Exit asks it, now that nothing runs under it.
  if (program_.Ending) return;
  if (quit == QuitRequest::CloseBox) close();
  if (quit == QuitRequest::FileExit) Exit1Click();
}

void TForm1::FormCloseQuery(bool& canClose) {
  canClose = false;
  if (program_.DesignerRunning()) return;
  // A detection pass lets messages through: quitting under it would pull the port from
  // beneath it, so the search ends first and the question follows.
  if (program_.Net.Detecting) return RequestQuitDuringDetection(QuitRequest::CloseBox);
  if (!AskQuit()) return;
  Timer1->setEnabled(false);
  canClose = true;
}

void TForm1::QuitSequence() {
  program_.Ending = true;
  Timer1->setEnabled(false);
  BusLink& bus = program_.Bus;
  for (int i = 0; i < 2; ++i) {
    bus.CommandBuffer = protocol::QuitAll();
    bus.SendCommand();
    platform::clock().sleep(200);
  }
  bus.CloseBus();
  SaveRegion();
}

void TForm1::SaveRegion() {
  const std::string path = program_.Registry.filePath();
  const platform::Settings::WriteResult saved =
      program_.Registry.write("TV", std::to_string(program_.TvRegion));
  if (!saved.ok()) {
    forms::ShowMessage(QString::fromStdString("The TV channel region could not be saved in " +
                                              path + " (" + saved.error +
                                              "). Check that you may write there and that the "
                                              "disk has room."));
    return;
  }
  if (saved.dropped.empty()) return;
  constexpr std::size_t kNamed = 3;
  std::string lines;
  for (std::size_t i = 0; i < saved.dropped.size() && i < kNamed; ++i)
    lines += (i ? ", \"" : "\"") + runtime::bytes::QuotedText(saved.dropped[i], 40) + '"';
  if (saved.dropped.size() > kNamed)
    lines += " and " + std::to_string(saved.dropped.size() - kNamed) + " more";
  forms::ShowMessage(QString::fromStdString("The TV channel region was saved in " + path +
                                            ", without the lines of the file that " +
                                            "could not be read: " + lines + "."));
}

void TForm1::FormClose(forms::CloseAction& action) {
  // The operator has said OK: the program ends even when a step of the quit fails.
  ScopeExit end([this] { program_.Form2->close(); });
  action = forms::caFree;
  QuitSequence();
}

void TForm1::Exit1Click() {
  if (program_.DesignerRunning()) return;
  if (program_.Net.Detecting) return RequestQuitDuringDetection(QuitRequest::FileExit);
  if (!AskQuit()) return;
  ScopeExit end([] { forms::terminate(); });
  QuitSequence();
}

void TForm1::AddressError() {
  forms::ShowMessage("Error ! Check Receiver's Address");
  program_.EndProgram();
}

void TForm1::EnablePortMenuItem(const std::string& name) {
  const int i = program_.Bus.PortIndex;
  if (i < 1 || i > 6) return;
  PortItems[i]->setEnabled(true);
  PortItems[i]->setCaption(QString::fromStdString(name));
}

void TForm1::CheckPortMenuItem() {
  const int i = program_.Bus.PortIndex;
  if (i >= 1 && i <= 6) PortItems[i]->setChecked(true);
}

void TForm1::UncheckPortMenuItem() {
  const int i = program_.Bus.PortIndex;
  if (i >= 1 && i <= 6) PortItems[i]->setChecked(false);
}

void TForm1::ShowMessage(const std::string& text) {
  forms::ShowMessage(QString::fromStdString(text));
}

void TForm1::ShowTriedPort(const std::string& name) {
  program_.Form4->Label3->setCaption(QString::fromStdString(name));
}

void TForm1::StartPolling() {
  Timer1->setEnabled(true);
}

}  // namespace vondrix
