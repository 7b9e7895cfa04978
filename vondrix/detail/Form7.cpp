// TForm7's behaviour: the opener, creation, the page change, the meters and the pie.
#include "vondrix/detail/Form7.h"

#include "runtime/Convert.h"
#include "vondrix/network/MainScreen.h"
#include "vondrix/network/Program.h"

namespace vondrix {

void TForm7::WireEvents() {
  OnClose = [this](forms::CloseAction& action) { FormClose(action); };
  Timer1->OnTimer = [this] { Timer1Timer(); };
  PageControl1->OnChange = [this] { PageControl1Change(); };
  Edit1->OnKeyPress = [this](char16_t& key) { Edit1KeyPress(key); };
  BitBtn3->OnClick = [this] { BitBtn3Click(); };
  BitBtn6->OnClick = [this] { BitBtn6Click(); };
  BitBtn10->OnClick = [this] { BitBtn10Click(); };
  PaintBox1->OnPaint = [this] { PaintBox1Paint(); };
  PaintBox2->OnPaint = [this] { PaintBox2Paint(); };
  PaintBox3->OnPaint = [this] { PaintBox3Paint(); };
}

void TForm7::FormCreate() {
  PageControl1->setDoubleBuffered(true);
  Panel1->setDoubleBuffered(true);
  CreatePictures();
  PageControl1->setActivePageIndex(0);
  PageControl1Change();
  eqshared::BuildFrequencyGrid(Eq);
  DrawEqCurve();
}

void TForm7::PageControl1Change() {
  HighlightActivePage();
  if (PageControl1->activePageIndex() == 2)
    OpenEqFile(runtime::StrToInt(QString::fromLatin1(program_.Detail.EqPresetIndex)));
}

void TForm7::ShowAntennaFromPanel() {
  const forms::Label* line = program_.Form1->PanelLabels[Slot()][1];
  const QString letter = line ? line->caption() : QString();
  forms::StaticText* chosen = letter == "D"   ? StaticText46
                              : letter == "B" ? StaticText47
                              : letter == "A" ? StaticText45
                                              : nullptr;
  if (chosen) ShowChosenAntenna(chosen);
}

void TForm7::OpenDetailZ3K() {
  OpenWhole([this] { FillAndShowZ3K(); });
}

void TForm7::FillAndShowZ3K() {
  BeginOpening(program_.Slots.HoveredAddress);
  if (!QueryStepsNameAndModel()) return;
  if (!QueryFirmwareAndState()) return;
  const CurrentReceiver& c = program_.Current;
  const int status = c.StatusChar.empty() ? 0 : static_cast<unsigned char>(c.StatusChar[0]);
  ShowYesNo((status & 0x20) == 0);
  ShowFirmware();
  StaticText42->setCaption(QString::fromLatin1(c.BandName));
  if (!QueryGroupChannelStep()) return;
  if (TunedByFrequency()) ShowNoGroupChannel();
  if (!QueryFrequencyStep()) return;
  if (!QueryBandStep()) return;
  if (!QueryGroupTableStep()) return;
  if (!QuerySquelchStep()) return;
  if (!Retry([this] { QueryEqPreset(); })) return;
  ShowAntennaFromPanel();
  ShowOnFirstPage();
  ShowTvChannel();
  BitBtn10Click();
  BitBtn6Click();
  DrawMarker();
  MarkerIndex7 = 0;
  ShowSquelch();
  StaticText60->setCaption(kForm7Traits.openMarkerLabel);
  BitBtn4->setCaption("Run");
  Timer1->setEnabled(true);
}

void TForm7::ShowPolledStatus() {
  UpdateMeters();
  UpdateDirectionPie();
}

void TForm7::UpdateMeters() {
  const CurrentReceiver& c = program_.Current;
  const DetailState& d = program_.Detail;
  LightLeds(RfLeds, RfLedCount(d.StatusRfA, c.RfCalLowA, c.RfCalHighA));
  LightLeds(AfLeds, AfLedCount(d.StatusAf));
  LightLeds(BatteryLeds, BatteryLedCount(d.StatusBattery));
}

void TForm7::UpdateDirectionPie() {
  if (const auto angles = DirectionPieAngles(program_.Detail.StatusDirection))
    Pie1->setAngles(angles->start, angles->end);
}

}  // namespace vondrix
