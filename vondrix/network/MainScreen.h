// The main screen: one run-time built panel per receiver slot, the port search and the
// detection at creation, the 70 ms poll and the offline blink, the views (Screen1,
// Screen2, Full View, Hide Unused), the network file, the region menu, help, About and
// quitting.
//
// The form is the widget side only: it reaches the receivers through the Program's bus
// link and ReceiverQueries, and serves those as their PanelView and PortSearchHooks.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include "forms/Forms.h"
#include "vondrix/buslink/BusLink.h"
#include "vondrix/network/ReceiverQueries.h"
#include "vondrix/network/ScopeExit.h"

namespace vondrix {

class Program;

class TForm1 : public forms::Form, public PanelView, public PortSearchHooks {
 public:
  explicit TForm1(Program& program);
  ~TForm1() override;

  // Menus.
  forms::MainMenu* MainMenu1;
  forms::MenuItem* Save1;  // "Save "
  forms::MenuItem* Load1;
  forms::MenuItem* Exit1;
  forms::MenuItem* AutoDetectReceivers1;
  forms::MenuItem* Reconnect1;
  forms::MenuItem* HideUnusedPanel1;
  forms::MenuItem* FullView1;
  forms::MenuItem* SerialPort1;
  std::array<forms::MenuItem*, 7> PortItems{};  // COM11 .. COM61 at 1..6
  forms::MenuItem* N1152001;
  forms::MenuItem* Australia1;
  forms::MenuItem* China1;
  forms::MenuItem* Europe1;
  forms::MenuItem* Japan1;
  forms::MenuItem* Taiwan1;
  forms::MenuItem* USA1;
  forms::MenuItem* Content1;
  forms::MenuItem* About1;
  forms::Button* Button2;                          // "Screen1"
  forms::Button* Button3;                          // "Screen2"
  forms::Timer* Timer1;                            // poll, 70 ms
  forms::Timer* Timer2;                            // offline blink, 300 ms
  std::unique_ptr<forms::SaveDialog> SaveDialog1;  // "*.vxn"
  std::unique_ptr<forms::OpenDialog> OpenDialog1;  // "*.vxn"

  // Per-slot controls (index 1..64; a slot without a panel holds nullptrs).
  std::array<forms::Panel*, 70> PanelTable{};
  std::array<std::array<forms::Label*, 2>, 70> PanelLabels{};  // name line, status line
  std::array<std::array<forms::ProgressBar*, 3>, 70> PanelBars{};
  std::array<std::array<forms::Shape*, 3>, 70> PanelLeds{};
  std::array<std::array<forms::BitBtn*, 2>, 70> PanelButtons{};  // mute, "..."

  ReceiverQueries Queries;

  // Start-up: port search with detection, then the region.
  void FormCreate();
  // Quitting.
  void FormCloseQuery(bool& canClose);
  void FormClose(forms::CloseAction& action);
  void Exit1Click();
  // Region menu.
  void Australia1Click();
  void China1Click();
  void Europe1Click();
  void Japan1Click();
  void Taiwan1Click();
  void USA1Click();
  void ShowRegionCheck();
  void UncheckRegionItems();
  // Help > Content: HelpFilePath with the desktop's opener. A page that is not there, or a
  // desktop without an opener, is said in a box.
  void Content1Click();
  std::string HelpFilePath;  // the help page, beside the program
  void About1Click();

  // The network file (NetworkFileMenu.cpp). Both do nothing while the designer runs, while
  // a detection pass runs or when no receiver was detected; otherwise they hold polling and
  // blinking off and switch both timers on again however they end, a cancelled dialog and an
  // error included. An open detail window is closed first, since the file's routines point
  // the detail windows at every receiver in turn.
  // Save: queries every receiver (NetworkSave.h), then the save dialog; the file is written
  // whole or not at all ("Can't Open File", the old file kept).
  void Save1Click();
  // Load: the open dialog, then every line replayed into the receiver of its slot
  // (NetworkLoad.h). A file that cannot be read, that crosses the reader's limits or of which
  // no line applies to its slot is refused with a message saying why, before anything is
  // sent or changed. A frequency field that is no hexadecimal number stops the load there
  // with the conversion error. Slots that the load takes out of the count are shown as
  // slots without a receiver.
  void Load1Click();

  // Panels (MainScreenPanels.cpp).
  void BuildPanelQ5V(int slot);
  void BuildPanelZ3K(int slot);
  void ShowScreen1();
  void ShowScreen2();
  void Button2Click() { ShowScreen1(); }
  void Button3Click() { ShowScreen2(); }
  void FullView1Click();
  void HideUnusedPanel1Click();
  void FormMouseMove();
  void FormMouseDown();
  void BitBtn1Click();
  void BitBtn2Click();
  // The panels of slots first..last as those of slots without a receiver: bars at 0, name
  // line, status line and lamps hidden, no mute glyph, disabled (so the hit test passes them
  // by), and hidden while Hide Unused is checked.
  void ShowSlotsWithoutReceiver(int first, int last);
  // Undoes that for slots first..last, which a load counts again: the panel enabled (and
  // shown while Hide Unused is checked; otherwise as the screen shown has it), the name line
  // and mute glyph from the slot tables. The load then replays their lines over it.
  void ShowSlotsWithReceiver(int first, int last);
  // The detail-window openers (the Program wires them to TForm3 and TForm7).
  std::function<void()> OpenDetailQ5V;
  std::function<void()> OpenDetailZ3K;

  // Detection and polling (Detection.cpp).
  int DetectWithBanner() override;
  void DetectReceivers();
  void Timer1Timer();
  void Timer2Timer();
  void NameLabelDblClick();
  void NameLabelMouseDown(forms::MouseButton button);
  void AutoDetectReceivers1Click();
  void Reconnect1Click();

  // PanelView.
  void ShowNameLine(int slot, const std::string& text) override;
  void SetMuteGlyph(const std::string& s) override;
  void SetBar(int slot, int bar, int position) override;
  void ShowBatteryQ5V(int slot, int code) override;
  void ShowAfLevelQ5V(int slot, int value) override;
  void SetStatusLine(int slot, const std::string& text) override;
  void AddressError() override;

  // PortSearchHooks.
  void EnablePortMenuItem(const std::string& name) override;
  void CheckPortMenuItem() override;
  void UncheckPortMenuItem() override;
  void ShowMessage(const std::string& text) override;
  void ShowTriedPort(const std::string& name) override;
  void StartPolling() override;
  bool SearchCancelled() override;

  // Folder of the executable, set when a mute glyph is loaded.
  std::string ExeFolder;
  // Where the pointer is, in screen coordinates (tests place it without a mouse).
  std::function<QPoint()> CursorPos = [] { return forms::cursorPos(); };

 private:
  void BuildMenus();
  // The mute and "..." buttons of the slot's panel, with the panel's event wiring.
  void AddPanelButtons(int slot, QRect mute, QPoint more);
  void AttachPanelEvents(int slot);
  // Places slot's panel on the 8 x 8 grid of Full View.
  void PlaceOnFullGrid(int slot);
  // Clears what a receiver showed on slot's panel: bars, name and status line, lamps, glyph.
  void ClearPanel(int slot);
  void ShowScreen(int first);
  // Timer1 and Timer2 off until the returned guard is left, however it is left.
  [[nodiscard]] ScopeExit<std::function<void()>> HoldPollAndBlink();
  // True when the network file may be saved or loaded now.
  bool NetworkFileReady();
  void CloseOpenDetailWindows();
  // The common part of the two quit paths after the question: broadcast, port, region.
  void QuitSequence();
  // Writes the region into the settings file; says so when that failed (the old file
  // kept), or when lines of the old file that could not be read were left out.
  void SaveRegion();
  bool AskQuit();
  // A quit asked for while a detection runs ends the port search (this sweep as SKIP
  // does, no further port); the question comes when the search is over.
  enum class QuitRequest { None, CloseBox, FileExit };
  void RequestQuitDuringDetection(QuitRequest how);
  // Shows the progress window, runs the search, hides the window (also when the search
  // fails), then asks a quit that came during it.
  void RunPortSearch(const std::function<void()>& search);
  // Runs the detail window's opener with the poll paused; an opener that fails with an
  // error opens nothing, so the poll goes on.
  void OpenDetail(const std::function<void()>& opener);
  // QueryState in a detection pass: a missing mute picture is shown once per pass and the
  // pass goes on.
  void QueryStateInSweep(int slot, bool& glyphErrorShown);
  // Resets before a re-detection; false while the designer runs.
  bool ResetForDetection();
  // Drops the panels that a pass without receivers built, so that the next pass builds
  // panels of the right models.
  void DiscardPanels();
  // Probe, first queries and panels of DetectReceivers, which keeps the flags around it.
  void DetectionPass();
  void VisitSlot();

  Program& program_;
  bool panelsFromEmptyPass_ = false;
  QuitRequest pendingQuit_ = QuitRequest::None;
};

}  // namespace vondrix
