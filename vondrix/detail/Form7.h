// TForm7, "Zarnel Detail Functions": the detail window of the second receiver model
// ("Z3K").
//
// The receiver block (address, name, firmware, band, group, channel, TV channel, band,
// frequency in the numeric edit EditEx1), the direction pie and the antenna selector, the
// RF, AF, squelch and battery LED columns, the Zarn button with the YES/NO pair beside
// "ENCRYPTION", and the pages Spectrum, RF Monitor and Microphone EQ. The window polls its
// receiver every 100 ms while it shows (Timer1), except while Calyxon runs.
#pragma once

#include <array>
#include <cstdint>

#include "eqshared/EqGrid.h"
#include "vondrix/detail/DetailWindow.h"
#include "vondrix/detail/EditEx.h"
#include "vondrix/detail/Meters.h"

namespace vondrix {

class TForm7 : public DetailWindow {
 public:
  explicit TForm7(Program& program);

  // The receiver block.
  forms::StaticText* StaticText28;  // address
  forms::Edit* Edit1;               // name
  forms::BitBtn* BitBtn3;           // mute
  forms::StaticText* StaticText43;  // firmware
  forms::StaticText* StaticText42;  // band designation
  forms::StaticText* StaticText31;  // group
  forms::StaticText* StaticText32;  // channel
  forms::BitBtn* BitBtn11;          // group down
  forms::BitBtn* BitBtn12;          // group up
  forms::BitBtn* BitBtn13;          // channel down
  forms::BitBtn* BitBtn14;          // channel up
  forms::StaticText* StaticText35;  // TV channel
  forms::StaticText* StaticText38;  // band start
  forms::StaticText* StaticText39;  // band stop
  TEditEx* EditEx1;                 // frequency, MHz
  forms::BitBtn* BitBtn18;          // frequency down
  forms::BitBtn* BitBtn17;          // frequency up

  // Direction pie and antenna selector.
  forms::Panel* Panel2;
  forms::Shape* Shape1;  // the pie's grey disc
  forms::Pie* Pie1;
  forms::Shape* Shape2;  // the hub
  forms::Panel* Panel1;
  forms::StaticText* StaticText45;  // "A"
  forms::StaticText* StaticText46;  // "Diversity"
  forms::StaticText* StaticText47;  // "B"

  // LED columns, bottom up, and the squelch buttons above the squelch column.
  std::array<forms::StaticText*, kRfLeds> RfLeds{};
  std::array<forms::StaticText*, kAfLeds> AfLeds{};
  std::array<forms::StaticText*, 10> SquelchLeds{};
  std::array<forms::StaticText*, kBatteryLeds> BatteryLeds{};
  forms::BitBtn* BitBtn21;  // squelch up
  forms::BitBtn* BitBtn22;  // squelch down

  // Zarn and YES/NO.
  forms::StaticText* StaticText138;  // Zarn face
  forms::StaticText* StaticText141;  // "Zarn"
  forms::Shape* Shape10;
  forms::Image* Image1;              // receiver picture
  forms::Image* Image2;              // microphone picture
  forms::StaticText* StaticText139;  // YES face
  forms::StaticText* StaticText142;  // "YES"
  forms::StaticText* StaticText140;  // NO face
  forms::StaticText* StaticText143;  // "NO"
  forms::Image* Image7;              // key picture
  forms::StaticText* StaticText150;  // "ENCRYPTION"

  // The pages.
  forms::PageControl* PageControl1;
  forms::TabSheet* TabSheet1;  // "Spectrum"
  forms::TabSheet* TabSheet2;  // "RF Monitor"
  forms::TabSheet* TabSheet3;  // "Microphone EQ"
  forms::PaintBox* PaintBox1;
  forms::Image* Image3;
  forms::BitBtn* BitBtn19;          // marker one step down
  forms::BitBtn* BitBtn20;          // marker one step up
  forms::StaticText* StaticText60;  // marker frequency
  forms::StaticText* StaticText61;  // marker microvolts
  forms::StaticText* StaticText62;  // marker dBm
  forms::StaticText* StaticText58;  // band start under the picture
  forms::StaticText* StaticText59;  // band stop under the picture
  forms::BitBtn* BitBtn4;           // Run / Stop
  forms::BitBtn* BitBtn5;           // Peak
  forms::BitBtn* BitBtn7;           // Next P
  forms::BitBtn* BitBtn6;           // Clear
  forms::GroupBox* GroupBox1;       // under "Step (KHz)"
  forms::RadioButton* RadioButton3;
  forms::RadioButton* RadioButton4;
  forms::RadioButton* RadioButton5;
  forms::RadioButton* RadioButton6;
  forms::GroupBox* GroupBox2;  // "Sweep"
  forms::RadioButton* RadioButton7;
  forms::RadioButton* RadioButton8;
  forms::RadioButton* RadioButton9;
  forms::StaticText* StaticText64;  // elapsed scan time
  forms::PaintBox* PaintBox2;
  forms::Image* Image4;
  forms::StaticText* StaticText72;   // microvolts
  forms::StaticText* StaticText73;   // dBm
  forms::StaticText* StaticText75;   // elapsed monitor time
  forms::RadioButton* RadioButton1;  // "Fast"
  forms::RadioButton* RadioButton2;  // "Slow"
  forms::BitBtn* BitBtn8;            // monitor Run
  forms::BitBtn* BitBtn9;            // monitor Stop
  forms::BitBtn* BitBtn10;           // monitor Clear
  forms::PaintBox* PaintBox3;
  forms::StaticText* StaticText24;  // "EQ"
  forms::StaticText* StaticText23;  // current preset number
  forms::BitBtn* BitBtn15;          // next preset
  forms::BitBtn* BitBtn16;          // previous preset
  forms::StaticText* StaticText89;  // "Microphone Capsule Model"
  forms::StaticText* StaticText90;  // capsule name
  forms::Image* Image5;             // the plot's frame
  forms::Image* Image6;             // the plot
  forms::BitBtn* BitBtn1;           // "Calyxon"

  forms::Timer* Timer1;  // status poll, 100 ms
  forms::Timer* Timer2;  // designer watch, 500 ms

  int32_t& MarkerIndex7;
  // The RF monitor's trace.
  std::vector<QPoint>& MonitorTrace;

  // The EQ page's own grid and curve.
  eqshared::EqGrid Eq;
  eqshared::GridCurve EqCurve = eqshared::GridCurve(eqshared::kGridCapacity, 0.0);
  int16_t EqPointCount = 0;

  // Opens the window for the main screen's hovered receiver; "COM PORT Offline" and no
  // window when a query stays unanswered, and no window either when a reply field that
  // must be a number is not (the conversion error is reported).
  void OpenDetailZ3K();

  void FormCreate();
  void FormClose(forms::CloseAction& action) { HandleClose(action); }
  void Timer1Timer() { PollTick(); }
  void PageControl1Change();
  void Edit1KeyPress(char16_t& key) { NameKeyPress(key); }
  void BitBtn3Click() { ToggleMute(); }
  void BitBtn6Click() { ClearSpectrum(); }
  void BitBtn10Click() { ClearMonitor(); }
  void ShowSquelch() { ShowSquelchThreshold(); }
  // The LED columns and the direction pie from the last accepted status reply.
  void UpdateMeters();
  void UpdateDirectionPie();
  void PaintBox1Paint() { PaintFrame(PaintBox1, 9211416); }
  void PaintBox2Paint() { PaintFrame(PaintBox2, 3774018); }
  void PaintBox3Paint() { PaintFrame(PaintBox3, 8097280); }

  // Group, channel and frequency
  void BitBtn11Click() { StepGroup(StepDirection::Down); }
  void BitBtn12Click() { StepGroup(StepDirection::Up); }
  void BitBtn13Click() { StepChannel(StepDirection::Down); }
  void BitBtn14Click() { StepChannel(StepDirection::Up); }
  void BitBtn18Click() { StepFrequency(StepDirection::Down); }
  void BitBtn17Click() { StepFrequency(StepDirection::Up); }
  void EditEx1KeyPress(char16_t& key) { FrequencyKeyPress(key); }

  // Squelch
  void BitBtn21MouseDown(forms::MouseButton b, forms::ShiftState, int, int) {
    StepSquelch(b, StepDirection::Up);
  }
  void BitBtn22MouseDown(forms::MouseButton b, forms::ShiftState, int, int) {
    StepSquelch(b, StepDirection::Down);
  }

  // Spectrum scan
  void BitBtn4Click() { RunButtonClick(); }
  void BitBtn5Click() { PeakClick(); }
  void BitBtn7Click() { NextPeakClick(); }
  void BitBtn19Click() { StepMarker(StepDirection::Down); }
  void BitBtn20Click() { StepMarker(StepDirection::Up); }
  void RadioButton3Click() { ReadScanStep(); }
  void RadioButton4Click() { ReadScanStep(); }
  void RadioButton5Click() { ReadScanStep(); }
  void RadioButton6Click() { ReadScanStep(); }
  void Image3MouseDown(forms::MouseButton b, forms::ShiftState, int x, int y) {
    SpectrumMouseDown(b, x, y);
  }
  void Image3MouseMove(forms::ShiftState, int x, int y) { SpectrumMouseMove(x, y); }
  void Image3MouseUp(forms::MouseButton b, forms::ShiftState, int x, int y) {
    SpectrumMouseUp(b, x, y);
  }

  // The EQ page (EqPage.cpp).
  // "%aaG\r" to the receiver of StaticText28; an answer shows the preset in StaticText23.
  // True when that answer came (from the receiver of StaticText28).
  bool QueryEqPreset();
  // Loads and draws the curve of preset n: "EQ0.dat".."EQ8.dat" beside the program,
  // "User Define" (a flat line) for 9. A file that cannot be used draws a flat line and,
  // except for 9, says "Can't Open File".
  void OpenEqFile(int n);
  // Reads the curve file at path onto the page's grid; false when it cannot be used.
  bool LoadEqFile(const std::string& path);
  void DrawEqCurve();
  void DrawEqGrid();

  // RF monitor
  void BitBtn8Click() { StartRfMonitor(); }
  void BitBtn9Click() { StopRfMonitor(); }

  // Zarn
  // The face and its label act alike; the face moves, the label stays.
  void StaticText138MouseDown() { PressZarn(); }
  void StaticText141MouseDown() { PressZarn(); }
  void StaticText138MouseUp() { ReleaseZarn(); }
  void StaticText141MouseUp() { ReleaseZarn(); }
  void StaticText139MouseDown() { ChooseYesNo(true); }
  void StaticText142MouseDown() { ChooseYesNo(true); }
  void StaticText139MouseUp() { SendYesNoChoice(true); }
  void StaticText142MouseUp() { SendYesNoChoice(true); }
  void StaticText140MouseDown() { ChooseYesNo(false); }
  void StaticText143MouseDown() { ChooseYesNo(false); }
  void StaticText140MouseUp() { SendYesNoChoice(false); }
  void StaticText143MouseUp() { SendYesNoChoice(false); }
  void StaticText45MouseDown() { SelectAntenna(Antenna::A); }
  void StaticText46MouseDown() { SelectAntenna(Antenna::Diversity); }
  void StaticText47MouseDown() { SelectAntenna(Antenna::B); }
  void StaticText45MouseUp() { ReleaseAntenna(Antenna::A); }
  void StaticText46MouseUp() { ReleaseAntenna(Antenna::Diversity); }
  void StaticText47MouseUp() { ReleaseAntenna(Antenna::B); }

  // Designer launch and watch
  void BitBtn1Click() { DesignerLaunch(); }
  void Timer2Timer() { DesignerWatch(); }

  // EQ presets (EqPresets.cpp)
  void BitBtn15Click() { StepEqPreset(+1); }
  void BitBtn16Click() { StepEqPreset(-1); }
  // "#aaG" + EqPresetIndex + "\r" to the receiver of StaticText28; the reply is only
  // awaited (the network file's replay uses it too).
  void SendEqPreset();
  // The next (+1) or previous (-1) preset, wrapping at 0 and EqPresetMax: the receiver is
  // switched, StaticText23 shows the number and the page its curve. Without preset numbers
  // (no reply came yet) the conversion error stops it before anything is sent.
  void StepEqPreset(int direction);

 protected:
  void ShowPolledStatus() override;

 private:
  // The opener's steps in their order.
  void FillAndShowZ3K();
  void BuildReceiverBlock();
  void BuildExtras();
  void BuildLedColumns();
  void BuildSpectrumPage();
  void BuildMonitorPage();
  void BuildEqPage();
  void WireEvents();
  // Group, channel and frequency, squelch and spectrum scan.
  void WireTuning();
  // RF monitor, Zarn, antenna, designer and EQ presets: their roles and handlers.
  void WireExtras();
  // Flat curve on a fresh grid, plot levels reset.
  void ResetEqCurve();
  void ShowAntennaFromPanel();
};

}  // namespace vondrix
