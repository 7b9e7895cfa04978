// What the two detail windows share: the per-window state and every routine that both
// run on their own controls (TwinTable.h names the controls and the differences).
//
// A window works on one receiver: the slot it was opened for (Slot()) and the address in
// its address control (Address(), the control's text without blanks). Mouse moves over the
// main screen change the main screen's hovered and selected slots, never the window's.
//
// The routines keep the names the receivers' documentation gives them (QueryStatus,
// ShowTvChannel, SendName, ...); each window's own handlers (TForm3::Timer2Timer,
// TForm7::Timer1Timer, ...) are one-line calls into them.
#pragma once

#include <QPoint>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "forms/Forms.h"
#include "vondrix/detail/DetailLink.h"
#include "vondrix/detail/PictureScale.h"
#include "vondrix/detail/SpectrumMath.h"
#include "vondrix/detail/TwinTable.h"

namespace vondrix {

class Program;
class ReceiverQueries;

// The spectrum page's state of one window.
struct SpectrumState {
  std::vector<QPoint> SpectrumPoints = std::vector<QPoint>(kSpectrumPoints);
  int32_t MarkerIndex = 0;  // MarkerIndex3 / MarkerIndex7
  int32_t MarkerX = 0;
  int32_t MarkerY = kPictureHeight;
  uint8_t DragActive = 0;
  int32_t ScanElapsedMs = 0;
  int32_t LastPeakY = 0;
  int32_t ScanStep = 0;
};

// The RF-monitor page's state of one window.
struct MonitorState {
  uint8_t MonitorRunning = 0;
  int32_t MonitorCount = 0;
  int32_t MonitorElapsedMs = 0;
  // One per antenna plotted: the first model's MonitorTraceA and MonitorTraceB, the second
  // model's MonitorTrace. Sized once when the window is made, so the forms' names stay valid.
  std::vector<std::vector<QPoint>> traces;
};

class DetailWindow : public forms::Form {
 public:
  // The slot the window works on.
  int Slot() const { return slot_; }
  // The trimmed text of the address control.
  std::string Address() const;
  // Points the window at a receiver without opening it (the network file's replay): the
  // address control shows address as it is and the window works on slot.
  void AddressReceiver(int slot, const std::string& address);

  // One status query of the window's receiver; true when a reply was accepted (the
  // status bytes are then in the program's DetailState). A line that did not go out, a
  // reply of another length or address, and fields that are not numbers count as no
  // reply: CommandBuffer is then empty.
  bool QueryStatus();

  // The TV field for the frequency field's value by the region: the channel, "" outside
  // the region's ranges; a region without channels leaves the field alone. A frequency
  // field that holds no number empties the field (no error is shown).
  void ShowTvChannel();

  // Writes CurrentName into the receiver; the name edit shows " Orsek" when the line went
  // out and the receiver did not answer exactly "$" + address + CR.
  void SendName();

  // The squelch threshold as a red line across both pictures, with the window's squelch
  // extras (the first model's bar and dB text, the second model's LEDs): the first model's
  // DrawSquelchLine, the second's ShowSquelch.
  void ShowSquelchThreshold();
  // The same line in black; the first model's bar and text are set as when drawing.
  void EraseSquelchLine();

  // The spectrum marker in white / black at (MarkerX, MarkerY).
  void DrawMarker();
  void EraseMarker();

  // RF monitor
  // Run: MonitorRunning := 1 and a running spectrum scan ended (its caption "Run"), then
  // RunRfMonitor. Stop: MonitorRunning := 0. Run after Stop continues the trace and the
  // elapsed time; only Clear resets them.
  void StartRfMonitor();
  void StopRfMonitor() { monitor_.MonitorRunning = 0; }
  // The sampling loop, with the poll timer held off: one sample per pass, then the pending
  // messages, until MonitorRunning is 0 (Stop, Clear, close, the scan's Run, Zarn, YES/NO,
  // the designer launch) or the program ends. A sample queries the status (the first
  // model: up to three tries, then Offline and the window closes; the second: one query
  // whose failure goes unnoticed), shows it as the poll does, plots the newest level of
  // each trace (scrolling once the picture is full), redraws the squelch line and shows
  // the level and the elapsed time. "Slow" adds a 0.1 s pause per sample.
  void RunRfMonitor();

  // Zarn
  // 1 while the first model's blinking wait runs; a second press clears it.
  uint8_t ZarnRunning = 0;
  // The Zarn press (first model: the button's click; second: mouse-down on its face or
  // label). With the poll timer held off and a running scan and monitor ended, "%aaO\r"
  // goes out and the window waits for a status answer: the first model blinks its caption
  // until an answer, a second press (which cancels instead of sending), a close or the
  // program's end; the second model, on firmware below 1.5, first sends its YES/NO choice
  // and waits, then sends O and waits (ZarnWaitAnimation). A firmware text that is no
  // number stops the press with the conversion error; the poll comes back all the same.
  void PressZarn();
  // Mouse-up on the second model's Zarn face or label: the face back up.
  void ReleaseZarn();
  // Mouse-down on YES or NO: that face down 2 pixels, its pair red and the other white;
  // nothing is sent.
  void ChooseYesNo(bool yes);
  // Mouse-up on YES or NO: the face back up; with the poll held off and a scan and monitor
  // ended, "#aaQ1\r" or "#aaQ0\r"; on firmware below 1.5 then a wait, O and a wait.
  void SendYesNoChoice(bool yes);
  // Up to four rounds of the line animation on the window's canvas (no messages are let
  // through), each ending with a status query; ends at the first answer.
  void ZarnWaitAnimation();
  // Mouse-down on an antenna caption: down 2 pixels, the antenna command, and on a reply
  // with the window's address that caption lime and the others white. Mouse-up: back up.
  void SelectAntenna(Antenna antenna);
  void ReleaseAntenna(Antenna antenna);
  // The chosen antenna caption lime, the others white.
  void ShowChosenAntenna(const forms::StaticText* chosen);

  // Designer launch and watch
  // The launch: a running scan and monitor ended, the poll idle until the port is back,
  // the port closed, the window hidden (not closed, so the main screen keeps waiting),
  // the designer started beside this program, and the watch timer on.
  void DesignerLaunch();
  // A watch tick: while the designer's window exists, WM_UPLOADADDRESS (0x8750) with the
  // address goes to it. Once it is gone, the port is reopened and the window shown and
  // polled again; a designer that started counts as running until its window has appeared
  // once, or for 10 s after the launch if it never does.
  void DesignerWatch();
  // True from the launch until the designer's window has appeared once or the watch has
  // given up waiting for it: the port is handed over although no "Calyxon" window exists yet.
  bool DesignerStarting() const;

  SpectrumState& spectrum() { return spectrum_; }
  MonitorState& monitor() { return monitor_; }

  // Group, channel and frequency
  // Tunes the receiver to kHz by the K command: the slot's frequency code first, then the
  // command. A line that did not go out changes nothing more. An acknowledgement that is not
  // 4 characters long (none included): the first model's window turns its poll off, shows
  // the address control's text + "  Offline" and closes; the second's only empties
  // CommandBuffer. After a good one: one status query, the polled status shown, and MarkerY
  // := the level there (155 when the status query got no valid reply).
  void TuneFrequency(int32_t kHz);
  // The D set command with CurrentGroup and CurrentChannel in the firmware's form; a reply
  // from the window's receiver puts its frequency into the frequency field, CurrentFrequency
  // and the slot's group, channel and frequency code. Queries no status.
  void SendGroupChannel();
  // "%aaH\r": GroupCount and the channels per group of the new table form.
  void QueryGroupInfo();

  // Squelch
  // The F set command with SquelchLevel; a reply with the window's address is followed by
  // a 1 ms pause.
  void SendSquelch();
  // The F query with SquelchLevel: maximum, level and threshold from a reply with the
  // window's address.
  void QuerySquelch();

  // Spectrum scan
  // ScanStep := the caption of the first checked step button (25, 50, 100, 125); none
  // checked keeps it.
  void ReadScanStep();
  // The trace through points 0..n in lime.
  void DrawSpectrumTrace();
  // The microvolt and dBm readouts of the point under the marker.
  void ShowMarkerLevel();

 protected:
  DetailWindow(Program& program, const TwinTraits& traits);

  // Shows what the accepted status reply says (status panel, or meters and pie).
  virtual void ShowPolledStatus() = 0;

  // Poll timer tick: up to pollTries status tries; none answered: the timer off, the
  // offline message, the window closed.
  void PollTick();
  // Close handling (each window's FormClose): poll off, main-screen polling on, scan and
  // monitor ended, hidden.
  void HandleClose(forms::CloseAction& action);
  // The common part of creation: both pictures black, the pages double-buffered.
  void CreatePictures();
  void HighlightActivePage();

  // The name edit's key filter; Enter writes the name and reads it back into the panel.
  void NameKeyPress(char16_t& key);
  // Mute or unmute the window's receiver, whichever it is not.
  void ToggleMute();

  // Spectrum Clear and RF-monitor Clear.
  void ClearSpectrum();
  void ClearMonitor();
  // A paint box's frame: black outline, filled with brush.
  static void PaintFrame(forms::PaintBox* box, forms::TColor brush);
  // An LED column (bottom up): the first count LEDs shown, the rest hidden.
  static void LightLeds(std::span<forms::StaticText* const> leds, int count);

  // Steps of the openers. Each query step retries up to three times and, when none was
  // answered, shows "COM PORT Offline" and returns false: the opener stops there. Reply
  // fields that must be numbers and are not stop the opener with the conversion error.
  bool Retry(const std::function<void()>& query);
  // Runs an opener's steps. An error that stops them on the way (a reply field that does not
  // convert) leaves no window half open: a window already shown is closed again as by its
  // close box, so that its poll is off and the main screen polls, and the error goes on.
  void OpenWhole(const std::function<void()>& steps);
  // The window works on the hovered slot; its address control shows address.
  void BeginOpening(const std::string& address);
  bool QueryFirmwareAndState();   // QueryState
  bool QueryStepsNameAndModel();  // band steps, the name (into the name edit), identify
  // Group and channel: the wide query from the new-format firmware on, else the short one;
  // the group and channel controls show them in decimal.
  bool QueryGroupChannelStep();
  // The frequency into the frequency field as MHz text, and CurrentFrequency := that text.
  bool QueryFrequencyStep();
  // Band start and stop into the band texts and under the spectrum picture.
  bool QueryBandStep();
  // The group table; from the shifted-display firmware on the group and channel controls
  // then show the shifted numbers.
  bool QueryGroupTableStep();
  bool QuerySquelchStep();
  void ShowOnFirstPage();  // page 0 active and highlighted, the window shown
  void ShowFirmware();
  void ShowGroupChannel(int group, int channel);
  void ShowNoGroupChannel();
  // The receiver is tuned by frequency (no group and channel), by its status character.
  bool TunedByFrequency() const;
  // The first three characters of FirmwareVersion, single precision.
  float FirmwareNumber() const;

  // Offline: the address control's text followed by "  Offline".
  void ShowOffline();

  // Group, channel and frequency
  // The group and channel buttons: the next group (channel 1) or channel, wrapping.
  void StepGroup(StepDirection direction);
  void StepChannel(StepDirection direction);
  // A frequency step button: the field one scan step down or up, wrapping to the other band
  // edge; tunes the receiver only while no scan runs.
  void StepFrequency(StepDirection direction);
  // The frequency field's key filter; Enter tunes to the typed frequency on the 25 kHz grid.
  void FrequencyKeyPress(char16_t& key);

  // Squelch
  // A squelch button's mouse-down: the level one down or up, sent and read back.
  void StepSquelch(forms::MouseButton button, StepDirection direction);

  // Spectrum scan
  // Run starts the scan (RunSpectrumScan) with the caption "Stop"; however the scan ends (an
  // error included) the caption is "Run" again. Stop sets the caption "Run", which ends a
  // running scan after its next sampling step.
  void RunButtonClick();
  void PeakClick();
  void NextPeakClick();
  // The marker one scan step down or up, inside the band.
  void StepMarker(StepDirection direction);
  void SpectrumMouseDown(forms::MouseButton button, int x, int y);
  void SpectrumMouseMove(int x, int y);
  void SpectrumMouseUp(forms::MouseButton button, int x, int y);

  // The long loops (spectrum scan, Peak and Next P, RF monitor, the first model's Zarn wait)
  // hold the poll timer off while they run:
  //   auto paused = PausePolling();
  // switches it off; when the scope is left, however it is left, it is switched on again, but
  // only while the window is still open (a close during the loop keeps it off).
  class PollPause {
   public:
    explicit PollPause(DetailWindow& window);
    ~PollPause();
    PollPause(const PollPause&) = delete;
    PollPause& operator=(const PollPause&) = delete;

   private:
    DetailWindow& window_;
  };
  [[nodiscard]] PollPause PausePolling() { return PollPause(*this); }

  // RF monitor
  void SampleRfLevel();
  void QueryMonitorStatus();

  // Zarn
  void BlinkZarnUntilAnswer();
  bool YesChosen() const;
  void ShowYesNo(bool yes);
  // A pressed face moves down 2 pixels and back up when released; its label stays.
  static void PressFace(forms::StaticText* face);
  static void ReleaseFace(forms::StaticText* face);
  // Ends a running spectrum scan (its caption "Run") and RF monitor at their next check.
  void StopLongLoops();

  // Designer launch and watch
  struct DesignerHandover {
    bool started = false;   // the designer's program could be started
    bool appeared = false;  // its window has been seen
    uint32_t launchedAt = 0;
  };
  DesignerHandover handover_;

  // Offline: the poll timer off, the offline message, the window closed.
  void GoOffline();

  Program& program_;
  const TwinTraits& traits_;
  TwinRoles roles_;
  DetailLink link_;
  SpectrumState spectrum_;
  MonitorState monitor_;

 private:
  ReceiverQueries& queries() const;
  void SquelchLine(forms::TColor pen, bool showLeds);
  void DrawMarkerTriangle(forms::TColor pen);
  int BandPointCount() const;

  // Group, channel and frequency
  bool NewFormat() const;       // the wide D set form and the new group table
  bool ShiftedDisplay() const;  // group and channel shown shifted (GroupNumbers.h)
  // The group and channel controls show group and channel as shifted for groupCount groups.
  void ShowShiftedGroupChannel(int groupCount, int group, int channel);
  // The kHz of the band start and stop texts, single precision.
  float BandStartKhz() const;
  float BandStopKhz() const;
  // The slot's status character after a manual retune.
  void MarkRetuned();
  // Tunes to the kHz of the frequency field's text.
  void TuneToField();

  // Spectrum scan
  bool Idle() const;  // the Run button's caption is "Run"
  // The scan loop of the Run button. Stops when, after a sampling step, the Run button's
  // caption is "Run" (set by a handler while the messages went through: the step after
  // them samples at the frequency field, which then keeps that frequency), Halt finds a
  // level above the squelch, or a Single or Halt run reaches the band's end; and, right
  // after the messages, before anything more is sent, when ScanElapsedMs reads 0 (Clear:
  // the field one step back), the program ends, or the designer has taken the port (the
  // field back at the frequency sampled last). However it ends the poll timer runs again
  // while the window is open.
  void RunSpectrumScan();
  // The frequency field := mhz, the marker label := the field + "MHZ".
  void ShowScanFrequency(const QString& mhz);
  // The same with the MHz text of kHz.
  void ShowScanFrequency(long double kHz);
  // Peak and Next P: the field and label at point i's frequency, the marker moved to point i.
  void JumpMarkerTo(int i);
  // The marker's x and y := those of point i.
  void MarkerToPoint(int i);
  // The point the marker index names, bounded to the band's points.
  int MarkerPoint() const;
  // One sampling step of the scan at f: tuned, stored at point k(f) + 1, drawn.
  void SampleAt(float f);
  // The band is done at f: Continuous puts the band start into the field and goes on
  // (false); Single and Halt set the caption "Run" with the frequency sampled last in the
  // field and end the scan (true).
  bool EndScanAtBandEnd(float f);
  // True while the designer holds the port (from the launch until its watch gives it back).
  bool PortHandedOver() const;
  // Erases the marker and moves the marker index to the grid step under mouse x; returns
  // that step's frequency.
  float PutMarkerAtMouse(int x);
  bool InsidePicture(int x, int y) const;

  int slot_ = 0;
};

}  // namespace vondrix
