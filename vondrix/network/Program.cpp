#include "vondrix/network/Program.h"

#include <QApplication>

#include "forms/Application.h"
#include "platform/Paths.h"
#include "platform/PosixSerialPort.h"
#include "platform/SingleInstance.h"
#include "vondrix/detail/DetailWindows.h"
#include "vondrix/network/AboutForm.h"
#include "vondrix/network/DisplaySelectForm.h"
#include "vondrix/network/MainScreen.h"
#include "vondrix/network/ProgressForm.h"
#include "vondrix/network/ScopeExit.h"
#include "vondrix/network/SplashForm.h"

namespace vondrix {

Program::Program(platform::SerialBackend& backend)
    : ProgramFolder(platform::exeFolder()),
      DesignerProgram(ProgramFolder + "calyxon"),
      Bus(backend) {}

Program::~Program() {
  delete Form1;  // the main screen has no owner here but the application
  forms::setMainForm(nullptr);
}

void Program::CreateForms() {
  forms::setApplicationTitle("Vondrix");
  splash_ = std::make_unique<TForm2>(*this);
  Form2 = splash_.get();
  forms::setMainForm(Form2);
  form3_ = std::make_unique<TForm3>(*this);
  Form3 = form3_.get();
  form4_ = std::make_unique<TForm4>();
  Form4 = form4_.get();
  form5_ = std::make_unique<TForm5>();
  Form5 = form5_.get();
  form6_ = std::make_unique<TForm6>(*this);
  Form6 = form6_.get();
  form7_ = std::make_unique<TForm7>(*this);
  Form7 = form7_.get();
  Form2->show();
}

void Program::CreateMainScreen() {
  Form1 = new TForm1(*this);
  Form1->OpenDetailQ5V = [this] { Form3->OpenDetailQ5V(); };
  Form1->OpenDetailZ3K = [this] { Form7->OpenDetailZ3K(); };
  // Shown even when an error ends the creation early, so that Exit, Auto Detect and
  // Reconnect stay in reach.
  ScopeExit show([this] {
    if (Ending || !Form1) return;
    Form1->show();
    Form1->setDoubleBuffered(true);
  });
  Form1->FormCreate();
}

bool Program::FindDesignerWindow() {
  for (const platform::WindowHandle& w : platform::findWindows(platform::kDesignerTitle)) {
    FoundWindowTitle = w.title.toStdString();
    DesignerWindow = w;  // the last match wins
  }
  if (FoundWindowTitle == platform::kDesignerTitle) {
    FoundWindowTitle.clear();
    return true;
  }
  return false;
}

bool Program::DesignerRunning() {
  if (FindDesignerWindow()) return true;
  return (Form3 && Form3->DesignerStarting()) || (Form7 && Form7->DesignerStarting());
}

void Program::EndProgram() {
  if (Ending) return;
  Ending = true;
  if (Form2) Form2->close();
}

void Program::CloseDetailWindows() {
  Form3->close();
  Form7->close();
}

void Program::SetDetailMuteGlyphs(const QImage& glyph) {
  Form3->BitBtn14->setGlyph(glyph);
  Form7->BitBtn3->setGlyph(glyph);
}

int WinMain(int argc, char** argv) {
  platform::SingleInstance instance("ORSEK VONDRIX");
  if (!instance.acquired()) return 1;
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  platform::PosixSerialBackend backend(platform::PortDirectory::load());
  Program program(backend);
  program.CreateForms();
  QApplication::exec();
  return 0;
}

}  // namespace vondrix
