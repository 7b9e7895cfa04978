// File > "Save " and File > "Load": the network file of the main screen. The work is done
// beneath (NetworkSave.h, NetworkLoad.h); the windows' routines through NetworkFileWindows.
#include <QFile>
#include <QFileInfo>
#include <algorithm>

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

// A file that was read but cannot be a network file of these receivers.
void ShowRefusedFile(const QString& heading, const QString& path, const QString& why,
                     const char* whatToDo) {
  forms::ShowMessage(heading + "\n\n" + path + ": " + why +
                     ". Nothing was loaded and nothing was sent.\n" + whatToDo);
}

const char* const kChooseSavedFile = "Choose a network file (*.vxn) saved with File > Save.";

// Shows why the file is refused, before any line of it is replayed, and returns true; false
// when it may be replayed.
bool RefusedWithMessage(const QString& path, const NetworkFileText& file,
                        const SlotTables& tables) {
  using Refusal = NetworkFileText::Refusal;
  switch (file.refusal) {
    case Refusal::None:
      break;
    case Refusal::Unreadable:
      ShowFileError(path, file.error, "Choose a network file (*.vxn) that you may read.");
      return true;
    case Refusal::TooManyLines:
      ShowRefusedFile("Not A Network File", path,
                      QString("it has more than %1 lines, and a network file has one line for "
                              "each receiver, %1 at most")
                          .arg(kMaxFileLines),
                      kChooseSavedFile);
      return true;
    case Refusal::LineTooLong:
      ShowRefusedFile("Not A Network File", path,
                      QString("line %1 is longer than %2 characters, and no line of a network "
                              "file is")
                          .arg(file.longLine)
                          .arg(kMaxLineBytes),
                      kChooseSavedFile);
      return true;
  }
  if (file.lines.empty()) {
    ShowRefusedFile("No Receiver Matches This File", path, "the file is empty", kChooseSavedFile);
    return true;
  }
  if (AnyLineAppliesToItsSlot(file.lines, tables)) return false;
  ShowRefusedFile("No Receiver Matches This File", path,
                  "none of its lines belongs to the receiver at its place in the list (line 1 "
                  "to the first receiver found, line 2 to the second, and so on, with the same "
                  "model and address and readable fields)",
                  "The file may belong to another network or may not be a network file: "
                  "choose the file saved from this network, or run Receiver > Auto Detect "
                  "Receivers and load it again.");
  return true;
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
  const bool fileWasThere = QFileInfo(path).isFile();
  const platform::SaveResult saved = SaveNetworkFile(QFile::encodeName(path).toStdString(), lines);
  if (!saved.ok())
    ShowFileError(path, saved.error,
                  fileWasThere ? "The file there is as it was. Save into a folder you may write "
                                 "to, or free some space on the disk."
                               : "Save into a folder you may write to, or free some space on the "
                                 "disk.");
}

void TForm1::Load1Click() {
  if (!NetworkFileReady()) return;
  auto timersBack = HoldPollAndBlink();
  if (!OpenDialog1->execute()) return;
  const QString path = OpenDialog1->fileName();
  const NetworkFileText file = ReadNetworkFile(QFile::encodeName(path).toStdString());
  if (RefusedWithMessage(path, file, program_.Slots)) return;
  CloseOpenDetailWindows();
  // A shorter file's load left some out: this one may count them again. However the replay
  // ends, the slots outside the count then stop looking live.
  const int before = program_.Slots.ReceiverCount;
  const int loaded =
      LoadedReceiverCount(int(file.lines.size()), program_.Slots.DetectedReceiverCount);
  ScopeExit dropped([&] {
    ShowSlotsWithoutReceiver(program_.Slots.ReceiverCount + 1, std::max(before, loaded));
  });
  ShowSlotsWithReceiver(before + 1, loaded);
  NetworkFileWindows windows(program_);
  NetworkLoad(program_.Bus, program_.Slots, program_.Current, program_.EqPresets, *this, windows)
      .Replay(file.lines);
}

}  // namespace vondrix
