#include "calyxon/ui/Program.h"

#include <QApplication>

#include "calyxon/ui/AboutForm.h"
#include "calyxon/ui/DesignerForm.h"
#include "forms/Application.h"
#include "forms/NumericLocale.h"
#include "platform/PosixSerialPort.h"
#include "platform/SingleInstance.h"
#include "platform/WindowDirectory.h"

namespace calyxon {

Program::Program()
    : ownPorts_(std::make_unique<platform::PosixSerialBackend>()), Download(Design, *ownPorts_) {}

Program::Program(platform::SerialBackend& ports) : Download(Design, ports) {}

Program::~Program() {
  forms::setMainForm(nullptr);
}

void Program::CreateForms() {
  forms::setApplicationTitle(platform::kDesignerTitle);
  form1_ = std::make_unique<TForm1>(*this);
  Form1 = form1_.get();
  forms::setMainForm(Form1);
  Form1->FormCreate();
  Form1->show();
  form2_ = std::make_unique<TForm2>(Form1);
  Form2 = form2_.get();
  Form2->FormCreate();
}

int WinMain(int argc, char** argv, const std::function<int(Program& program)>& run) {
  platform::SingleInstance instance("ORSEK CALYXON");
  if (!instance.acquired()) return 1;
  forms::KeepCNumericLocale();
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  // A fault that reaches this level is shown in the standard error box; the program then ends.
  int code = 0;
  forms::invokeHandler([&] {
    auto program = std::make_unique<Program>();
    program->CreateForms();
    code = run ? run(*program) : QApplication::exec();
  });
  return code;
}

}  // namespace calyxon
