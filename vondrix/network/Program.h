// The receiver-control program as one object: the bus link, the slot tables, the
// current-receiver values, the network state and the windows, created in the program's
// order. Tests build a fresh Program on a fake serial backend; main() builds one on the
// real ports.
#pragma once

#include <QImage>
#include <memory>
#include <string>

#include "platform/SerialPort.h"
#include "platform/Settings.h"
#include "platform/WindowDirectory.h"
#include "vondrix/buslink/BusLink.h"
#include "vondrix/detail/DetailState.h"
#include "vondrix/network/NetworkFile.h"
#include "vondrix/network/ReceiverState.h"

namespace vondrix {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;

// Values of detection and polling shared by the windows.
struct NetworkState {
  int32_t PollCursor = 1;
  int32_t PollingEnabled = 1;
  bool PanelsBuilt = false;
  int32_t PanelColumn = 1;
  int32_t PanelRow = 0;
  bool Detecting = false;  // a detection pass is running (its message processing included)
};

class Program {
 public:
  explicit Program(platform::SerialBackend& backend);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Creates the windows in the program's order (the splash first, as the main window)
  // and shows the splash, whose timer then creates the main screen.
  void CreateForms();

  // True while a top-level window titled exactly "Calyxon" exists; its handle is then in
  // DesignerWindow. The guard of every command that the designer's run must not disturb.
  bool FindDesignerWindow();
  // The main screen's guard: FindDesignerWindow, or a designer that the second detail window
  // has started and whose window has not appeared yet (the port is already handed over).
  bool DesignerRunning();

  // Ends the program without the quit broadcast, the port close or the region write, as
  // closing the main window does. Long loops stop when they see Ending, which a normal quit
  // sets too.
  void EndProgram();
  bool Ending = false;

  // Where the program's own files lie (the mute pictures, the EQ preset curves): the
  // executable's folder.
  std::string ProgramFolder;
  // The EQ designer the second detail window starts: "calyxon" beside this program.
  std::string DesignerProgram;

  BusLink Bus;
  SlotTables Slots;
  CurrentReceiver Current;
  DetailState Detail;
  NetworkState Net;
  KnownEqPresets EqPresets;  // what a network-file save writes for a silent receiver
  int32_t TvRegion = 5;
  platform::WindowHandle DesignerWindow;
  std::string FoundWindowTitle;
  platform::Settings Registry{"Vondrix"};

  TForm1* Form1 = nullptr;
  TForm2* Form2 = nullptr;
  TForm3* Form3 = nullptr;
  TForm4* Form4 = nullptr;
  TForm5* Form5 = nullptr;
  TForm6* Form6 = nullptr;
  TForm7* Form7 = nullptr;

  // Creates and shows the main screen (what the splash's timer does). The main screen
  // shows however its creation ends (an error in the port search included), unless the
  // program is ending.
  void CreateMainScreen();
  // Closes both detail windows (their close handlers resume the main screen's poll).
  void CloseDetailWindows();
  // The detail windows' mute buttons follow the panel's glyph.
  void SetDetailMuteGlyphs(const QImage& glyph);

 private:
  std::unique_ptr<TForm2> splash_;
  std::unique_ptr<TForm3> form3_;
  std::unique_ptr<TForm4> form4_;
  std::unique_ptr<TForm5> form5_;
  std::unique_ptr<TForm6> form6_;
  std::unique_ptr<TForm7> form7_;
};

// The program entry: single instance "ORSEK VONDRIX" (a second start returns 1 at once),
// then the windows and the message loop; returns the exit code.
int WinMain(int argc, char** argv);

}  // namespace vondrix
