// The designer window TForm1: the left-hand pages with the fitting's results and the six
// manual bands, the two response plots on the right, the menus that reach every function, the
// status line, the redraw timer and the Upload menu that a running Vondrix restricts by
// posting WM_UPLOADADDRESS.
//
// Controls and handlers carry the names the program's forms use (Edit5, Panel1Click, ...);
// every control's object name is that name too, so test tools find it. Only TabSheet1 is
// ever shown: the tabs of all four pages are hidden and nothing changes the page. The
// numbers live in the program's EqDesign and PresetSlots; the handlers below read and change
// them.
//
// Long fits run inside Panel1Click on the GUI thread and process pending messages about
// every 20 ms (DesignerFitting.cpp), so every handler here may run in the middle of a fit.
// A close during a fit is refused at first: it asks the fit to stop and closes the window
// once the fit has returned.
//
// Downloads into a receiver (DesignerDownload.cpp) run inside N11Click, Panel2Click and
// Button4Click and process messages while they wait for the receiver. Meanwhile the menus and
// the pages take no commands, and a download handler that runs all the same (a hidden control,
// a message) does nothing. The download's status texts go to the status line.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "calyxon/eq/EqDesign.h"
#include "calyxon/eq/ManualEq.h"
#include "calyxon/eq/PresetSlots.h"
#include "calyxon/files/SmallOutputs.h"
#include "forms/Forms.h"
#include "platform/WindowDirectory.h"

namespace calyxon {

class Program;

// The message a running Vondrix posts with the receiver's address in lParam.
using platform::WM_UPLOADADDRESS;
inline constexpr int kUploadAddressCount = 64;

class TForm1 : public forms::Form {
 public:
  explicit TForm1(Program& program);
  ~TForm1() override;

  // The window's creation: page and hidden entries, caption "Calyxon", HelpFilePath from
  // the current directory, Reset, Preset EQ, no upload address.
  void FormCreate();

  // --- Menus ---
  forms::MainMenu* MainMenu1;
  forms::MenuItem *File1, *TTTTyy1, *Save1, *OpenTargetMicFile1, *OpenSourceMic1, *SaveCurve1,
      *SaveTarget1, *Save2, *SaveManualEQ1, *N1, *Exit2;
  forms::MenuItem *Tool1, *Download1, *Calibration1, *Start1, *Normal1, *Fast1, *Off1, *PresetEQ1,
      *Reset1, *SingleProject1, *ProjectGroup1;
  forms::MenuItem *Help1, *Content1, *About1;
  std::array<forms::MenuItem*, kUploadAddressCount> UploadItems{};  // "1".."64"

  // --- Plots ---
  forms::Image *Image3, *Image1, *Image4, *Image2;      // frames first, plots above them
  forms::Label *Label22, *Label23, *Label24, *Label25;  // "100", "1K", "10K", "20KHz"
  std::array<forms::Label*, 5> UpperLevelLabels{};      // Label26..Label30: "10" .. "-10"
  std::array<forms::Label*, 5> LowerLevelLabels{};      // Label31..Label35
  forms::Label* Label36;                                // "dB"

  // --- Pages ---
  forms::PageControl* PageControl1;
  forms::TabSheet *TabSheet1, *TabSheet2, *TabSheet3, *TabSheet4;

  // TabSheet1 "AutoTune": file names, progress, the band being fitted and its best values.
  forms::Edit *Edit1, *Edit24;
  forms::ProgressBar* ProgressBar1;
  forms::Label* Label1;  // "Done"
  forms::Edit *Edit5, *Edit2, *Edit3, *Edit4;
  // The six manual bands (rows of ManualEq.h): RadioButton1..6, Edit6..Edit23.
  std::array<forms::RadioButton*, kManualBandCount> ManualRadio{};
  std::array<forms::Edit*, kManualBandCount> ManualFcEdit{}, ManualQEdit{}, ManualGainEdit{};
  forms::TrackBar *FcBar, *BwBar, *GainBar;

  // TabSheet2 "Save And Load".
  forms::Button *Button18, *Button19;
  forms::Edit* Edit37;

  // TabSheet3 "DownloadToReceiver": ten preset slots.
  std::array<forms::Edit*, 10> SlotPathEdit{};  // Edit26..Edit35
  std::array<forms::Button*, 10> SlotButton{};  // Button5..Button14 "EQ0".."EQ9"
  forms::Edit* Edit36;
  forms::ComboBox* ComboBox3;  // "1".."64"
  forms::Button *Button4, *Button15;

  // TabSheet4: nothing of it is visible.
  forms::Button *Button2, *Button3, *Button16, *Button1, *Button17;
  forms::Panel *Panel1, *Panel2;  // Panel1's colour is the fitting's run flag
  forms::ComboBox *ComboBox1, *ComboBox2;
  forms::Edit *Edit25, *Edit38, *Edit39, *Edit40;

  forms::StatusBar* StatusBar1;  // every status text goes to its simple text
  forms::Timer *Timer1, *Timer2;
  forms::PaintBox *PaintBox1, *PaintBox2;

  // --- Dialogs ---
  forms::OpenDialog *OpenDialog1, *OpenDialog2, *OpenDialog13, *OpenDialog14;
  std::array<forms::OpenDialog*, 10> SlotOpenDialog{};  // OpenDialog3..OpenDialog12
  forms::SaveDialog *SaveDialog1, *SaveDialog2, *SaveDialog3, *SaveDialog4, *SaveDialog5;

  // --- State of the window ---
  EqDesign& Design;
  PresetSlots& Presets;
  QString TargetPath, SourcePath;
  std::uint8_t CurvesDrawnOnce = 0;
  std::uint8_t ProjectReservedFlag = 0;  // kept in projects, read by nothing else
  std::uint8_t IgnoreNextBarChange = 0;
  std::uint8_t UploadAddressReceived = 0;
  std::int16_t UploadAddressValue = 0;
  QString HelpFilePath;

  // --- Handlers ---
  void Button16Click();            // Reset
  void Button17Click();            // Preset EQ
  void Button2Click();             // load the target measurement
  void Button3Click();             // load the source measurement
  void Button18Click();            // save a project
  void Button19Click();            // load a project
  void Button1Click();             // save the band list
  void SlotButtonClick(int slot);  // Button5Click .. Button14Click: fill slot 0 .. 9
  void Button15Click();            // Generate PIC File
  void Panel1Click();              // start, or stop a running fit
  void Panel2Click();              // "Save": slot 9 to ComboBox2's address
  void Button4Click();             // "Download": the ten preset slots to ComboBox3's address
  void Normal1Click();
  void Fast1Click();
  void Off1Click();
  void Timer1Timer() {}
  void Timer2Timer();  // the deferred redraw
  void PaintBox1Paint() {}
  void TTTTyy1Click();
  void Save1Click();
  void OpenTargetMicFile1Click();
  void OpenSourceMic1Click();
  void SaveTarget1Click();
  void Save2Click();
  void SaveManualEQ1Click();
  void Exit2Click();
  void Download1Click();                 // the Upload menu opens
  void N11Click(forms::MenuItem* item);  // an address of the Upload menu: slot 9 to it
  void PresetEQ1Click();
  void Reset1Click();
  void SingleProject1Click() {}
  void ProjectGroup1Click() {}
  void Content1Click();
  void About1Click();
  void OnUploadAddressMessage(std::int64_t lParam);
  void SetUpUploadMenu();

  // --- Drawing (DesignerPlots.cpp) ---
  void DrawResponsePlots();
  void RedrawCurves();

  // --- Manual bands (DesignerManualEq.cpp, DesignerManualControls.cpp) ---
  void ClampManualEqEdits();
  void ApplyManualEq();
  // The values of manual band k (0..5) read from its edits; a text that is no number throws
  // the run time's conversion error.
  ManualBand ManualBandOf(int k) const;
  void FcBarChange();
  void BwBarChange();
  void GainBarChange();
  void RadioButtonClick(int k);  // RadioButton1Click .. RadioButton6Click: band k (0..5)
  // Edit6KeyPress .. Edit23KeyPress: the key typed into one of the 18 edits.
  void ManualEditKeyPress(const forms::Edit& edit, char16_t& key);

  // Builds the frequency grid and gives FcBar the range of its indices.
  void BuildFrequencyGrid();
  // Puts text into the status line, then tells StatusShown.
  void ShowStatus(const QString& text);
  // The kinds of file operation whose failures the status line reports: a project (saved or
  // loaded), a measurement, a curve file, the band list, the program file, slot 0..9's project.
  enum StatusKind {
    kProjectStatus,
    kTargetStatus,
    kSourceStatus,
    kCurveFileStatus,
    kBandListStatus,
    kPicFileStatus,
    kFirstSlotStatus
  };
  // The end of a file operation of that kind: its failure text replaces the status line; an
  // empty one (a success) clears the line when it still shows a failure of the same kind,
  // which no longer stands.
  void ShowFileStatus(int kind, const QString& failure);
  // Told every status text once the status line shows it (test tools keep them in order).
  std::function<void(const QString&)> StatusShown;

  // True while a fit runs inside Panel1Click (also while it is being stopped).
  bool FitRunning() const { return fitRunning_; }
  // True when a close waits for the running fit to stop.
  bool CloseRequested() const { return closeAfterFit_; }
  // True while a download into a receiver runs (its message handling included).
  bool DownloadRunning() const;
  // The ten slot path edits' paths, slot 0 first; an empty one marks a slot not loaded.
  std::array<std::string, kSlotCount> SlotProjectPaths() const;

 private:
  void BuildMenus();
  void BuildPlots();
  void BuildPages();
  void BuildAutoTunePage();
  void BuildSaveLoadPage();
  void BuildDownloadPage();
  void BuildHiddenPage();
  void BuildDialogs();
  void Dispatch(std::uint32_t message, std::uint64_t wParam, std::int64_t lParam);
  void FormCloseQuery(bool& canClose);
  void WireDownload();
  void UnwireDownload();
  void MoveBarsTo(int k, bool truncateFc);
  void BarChange(const std::array<forms::Edit*, kManualBandCount>& edits, double value);
  void SaveCurveFile(forms::SaveDialog& dialog, CurveFileKind kind);

  Program& program_;
  std::vector<std::unique_ptr<forms::FileDialog>> dialogs_;
  bool fitRunning_ = false;
  bool closeAfterFit_ = false;
  int statusFailureKind_ = -1;  // the StatusKind of the failure the status line shows, or -1
};

}  // namespace calyxon
