// TForm3, "Detail Functions": the detail window of the first receiver model ("Q5V").
//
// The receiver block (address, name, firmware, group, channel, frequency, TV channel,
// band, squelch, mute, Zarn, Exit), the status panel Panel1 with its RF, deviation and
// battery displays and the drop counters, and the pages Spectrum and RF-Monitor. The
// window polls its receiver every 60 ms while it shows (Timer2).
#pragma once

#include <cstdint>

#include "vondrix/detail/DetailWindow.h"
#include "vondrix/detail/StatusPanel.h"

namespace vondrix {

class TForm3 : public DetailWindow {
 public:
  explicit TForm3(Program& program);

  // The receiver block.
  forms::Edit* Edit1;               // address: five blanks + address, disabled
  forms::Edit* Edit2;               // name
  forms::Edit* Edit3;               // group
  forms::Edit* Edit4;               // channel
  forms::Edit* Edit5;               // TV channel
  forms::Edit* Edit6;               // frequency, MHz
  forms::Edit* Edit7;               // band start
  forms::Edit* Edit8;               // band stop
  forms::Edit* Edit9;               // firmware
  forms::BitBtn* BitBtn1;           // group down
  forms::BitBtn* BitBtn2;           // group up
  forms::BitBtn* BitBtn3;           // channel down
  forms::BitBtn* BitBtn4;           // channel up
  forms::BitBtn* BitBtn5;           // frequency down
  forms::BitBtn* BitBtn6;           // frequency up
  forms::BitBtn* BitBtn7;           // squelch up
  forms::BitBtn* BitBtn8;           // squelch down
  forms::StaticText* StaticText56;  // SQ bar
  forms::StaticText* StaticText39;  // squelch threshold in dB
  forms::BitBtn* BitBtn14;          // mute
  forms::BitBtn* BitBtn12;          // Zarn
  forms::BitBtn* BitBtn13;          // Exit

  // The status panel.
  forms::Panel* Panel1;
  forms::StaticText* StaticText50;  // RF A bar
  forms::StaticText* StaticText51;  // RF B bar
  forms::StaticText* StaticText49;  // deviation bar
  forms::Shape* Shape2;             // lamp Ant.A
  forms::Shape* Shape3;             // lamp Ant.B
  forms::Shape* Shape4;             // lamp Peak
  forms::StaticText* StaticText26;  // battery
  forms::Edit* Edit10;              // Signal Drop A
  forms::Edit* Edit11;              // Signal Drop B
  forms::BitBtn* BitBtn9;           // drop counting on
  forms::BitBtn* BitBtn10;          // drop counting off
  forms::BitBtn* BitBtn11;          // "Clear"

  // The pages.
  forms::PageControl* PageControl1;
  forms::TabSheet* TabSheet1;  // "Spectrum"
  forms::TabSheet* TabSheet2;  // "RF-Monitor"
  forms::PaintBox* PaintBox1;
  forms::Image* Image1;
  forms::BitBtn* BitBtn22;          // marker one step down
  forms::BitBtn* BitBtn23;          // marker one step up
  forms::StaticText* StaticText31;  // marker frequency
  forms::StaticText* StaticText32;  // marker microvolts
  forms::StaticText* StaticText33;  // marker dBm
  forms::StaticText* StaticText40;  // band start under the picture
  forms::StaticText* StaticText41;  // band stop under the picture
  forms::BitBtn* BitBtn18;          // Run / Stop
  forms::BitBtn* BitBtn19;          // Peak
  forms::BitBtn* BitBtn21;          // Next P
  forms::BitBtn* BitBtn20;          // Clear
  forms::GroupBox* GroupBox1;       // "Step(KHZ)"
  forms::RadioButton* RadioButton3;
  forms::RadioButton* RadioButton4;
  forms::RadioButton* RadioButton5;
  forms::RadioButton* RadioButton6;
  forms::GroupBox* GroupBox2;  // "Sweep"
  forms::RadioButton* RadioButton7;
  forms::RadioButton* RadioButton8;
  forms::RadioButton* RadioButton9;
  forms::Label* Label10;  // elapsed scan time
  forms::PaintBox* PaintBox2;
  forms::Image* Image2;
  forms::StaticText* StaticText22;   // "A:"
  forms::StaticText* StaticText23;   // "B:"
  forms::StaticText* StaticText27;   // antenna A, microvolts
  forms::StaticText* StaticText28;   // antenna A, dBm
  forms::StaticText* StaticText29;   // antenna B, microvolts
  forms::StaticText* StaticText30;   // antenna B, dBm
  forms::Label* Label6;              // elapsed monitor time
  forms::RadioButton* RadioButton1;  // "Fast"
  forms::RadioButton* RadioButton2;  // "Slow"
  forms::BitBtn* BitBtn15;           // monitor Run
  forms::BitBtn* BitBtn16;           // monitor Stop
  forms::BitBtn* BitBtn17;           // monitor Clear

  forms::Timer* Timer2;  // status poll, 60 ms

  int32_t& MarkerIndex3;
  // The RF monitor's traces of antennas A and B.
  std::vector<QPoint>& MonitorTraceA;
  std::vector<QPoint>& MonitorTraceB;
  DropCounters Drops;

  // Opens the window for the main screen's hovered receiver; "COM PORT Offline" and no
  // window when a query stays unanswered, and no window either when a reply field that
  // must be a number is not (the conversion error is reported).
  void OpenDetailQ5V();

  void FormCreate();
  void FormClose(forms::CloseAction& action) { HandleClose(action); }
  void Timer2Timer() { PollTick(); }
  void PageControl1Change() { HighlightActivePage(); }
  void BitBtn13Click() { close(); }
  void Edit2KeyPress(char16_t& key) { NameKeyPress(key); }
  void BitBtn14Click() { ToggleMute(); }
  // The status panel from the last accepted status reply.
  void ShowReceiverStatus();
  void BitBtn9Click() { Drops.DropCountingOn = 1; }
  void BitBtn10Click() { Drops.DropCountingOn = 0; }
  void BitBtn11Click();
  void BitBtn20Click() { ClearSpectrum(); }
  void BitBtn17Click() { ClearMonitor(); }
  void PaintBox1Paint();
  void PaintBox2Paint();

  // Group, channel and frequency
  void BitBtn1Click() { StepGroup(StepDirection::Down); }
  void BitBtn2Click() { StepGroup(StepDirection::Up); }
  void BitBtn3Click() { StepChannel(StepDirection::Down); }
  void BitBtn4Click() { StepChannel(StepDirection::Up); }
  void BitBtn5Click() { StepFrequency(StepDirection::Down); }
  void BitBtn6Click() { StepFrequency(StepDirection::Up); }
  void Edit6KeyPress(char16_t& key) { FrequencyKeyPress(key); }

  // Squelch
  // The squelch threshold line on both pictures, with the SQ bar and its dB text.
  void DrawSquelchLine() { ShowSquelchThreshold(); }
  void BitBtn7MouseDown(forms::MouseButton b, forms::ShiftState, int, int) {
    StepSquelch(b, StepDirection::Up);
  }
  void BitBtn8MouseDown(forms::MouseButton b, forms::ShiftState, int, int) {
    StepSquelch(b, StepDirection::Down);
  }

  // Spectrum scan
  void BitBtn18Click() { RunButtonClick(); }
  void BitBtn19Click() { PeakClick(); }
  void BitBtn21Click() { NextPeakClick(); }
  void BitBtn22Click() { StepMarker(StepDirection::Down); }
  void BitBtn23Click() { StepMarker(StepDirection::Up); }
  void RadioButton3Click() { ReadScanStep(); }
  void RadioButton4Click() { ReadScanStep(); }
  void RadioButton5Click() { ReadScanStep(); }
  void RadioButton6Click() { ReadScanStep(); }
  void Image1MouseDown(forms::MouseButton b, forms::ShiftState, int x, int y) {
    SpectrumMouseDown(b, x, y);
  }
  void Image1MouseMove(forms::ShiftState, int x, int y) { SpectrumMouseMove(x, y); }
  void Image1MouseUp(forms::MouseButton b, forms::ShiftState, int x, int y) {
    SpectrumMouseUp(b, x, y);
  }
  // RF monitor
  void BitBtn15Click() { StartRfMonitor(); }
  void BitBtn16Click() { StopRfMonitor(); }

  // Zarn
  void BitBtn12Click() { PressZarn(); }

 protected:
  void ShowPolledStatus() override { ShowReceiverStatus(); }

 private:
  // The opener's steps in their order.
  void FillAndShowQ5V();
  void BuildReceiverBlock();
  void BuildStatusPanel();
  void BuildSpectrumPage();
  void BuildMonitorPage();
  void WireEvents();
  // Group, channel and frequency, squelch and spectrum scan.
  void WireTuning();
  // RF monitor and Zarn: their roles and handlers.
  void WireExtras();
};

}  // namespace vondrix
