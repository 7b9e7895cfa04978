// File > "Save " and File > "Load": the network file of the main screen. The work is done
// beneath (NetworkSave.h, NetworkLoad.h); the windows' routines through NetworkFileWindows.
#include <QFile>

#include "vondrix/detail/DetailWindows.h"
#include "vondrix/network/MainScreen.h"
#include "vondrix/network/NetworkFileWindows.h"
#include "vondrix/network/NetworkLoad.h"
#include "vondrix/network/NetworkSave.h"
#include "vondrix/network/Program.h"

namespace vondrix {

namespace {

void ShowFileError(const QString& path, const std::string& why, const char* whatToDo) {
  forms::ShowMessage("Can't Open File\n\n" + path + ": " + QString::fromStdString(why) + ".\n" +
                     whatToDo);
}

}  // namespace

ScopeExit<std::function<void()>> TForm1::HoldPollAndBlink() {
  Timer1->setEnabled(false);
  Timer2->setEnabled(false);
  return ScopeExit<std::function<void()>>([this] {
    Timer1->setEnabled(true);
    Timer2->setEnabled(true);
  });
}

bool TForm1::NetworkFileReady() {
  // A detection pass lets messages through while its slot tables are half built.
  return !program_.DesignerRunning() && !program_.Net.Detecting && program_.Slots.ReceiverCount > 0;
}

void TForm1::CloseOpenDetailWindows() {
  for (DetailWindow* w :
       {static_cast<DetailWindow*>(program_.Form3), static_cast<DetailWindow*>(program_.Form7)})
    if (w->isVisible()) w->close();
}

void TForm1::Save1Click() {
  if (!NetworkFileReady()) return;
  auto timersBack = HoldPollAndBlink();
  CloseOpenDetailWindows();
  NetworkFileWindows windows(program_);
  const std::vector<std::string> lines = GatherNetworkLines(
      program_.Bus, program_.Slots, program_.Current, program_.EqPresets, windows);
  if (!SaveDialog1->execute()) return;
  const QString path = SaveDialog1->fileName();
  const platform::SaveResult saved = SaveNetworkFile(QFile::encodeName(path).toStdString(), lines);
  if (!saved.ok())
    ShowFileError(path, saved.error,
                  "The file there is as it was. Save into a folder you may write to, or free "
                  "some space on the disk.");
}

void TForm1::Load1Click() {
  if (!NetworkFileReady()) return;
  auto timersBack = HoldPollAndBlink();
  if (!OpenDialog1->execute()) return;
  const QString path = OpenDialog1->fileName();
  const NetworkFileText file = ReadNetworkFile(QFile::encodeName(path).toStdString());
  if (!file.ok()) {
    ShowFileError(path, file.error, "Choose a network file (*.vxn) that you may read.");
    return;
  }
  CloseOpenDetailWindows();
  NetworkFileWindows windows(program_);
  NetworkLoad(program_.Bus, program_.Slots, program_.Current, program_.EqPresets, *this, windows)
      .Replay(file.lines);
}

}  // namespace vondrix
