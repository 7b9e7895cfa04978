// TForm3's behaviour: the opener, creation, the status panel and the drop counters.
#include "vondrix/detail/Form3.h"

#include "vondrix/network/Program.h"

namespace vondrix {

namespace {

forms::TColor ColorOf(PanelColor c) {
  switch (c) {
    case PanelColor::Lime:
      return forms::clLime;
    case PanelColor::Red:
      return forms::clRed;
    case PanelColor::White:
      return forms::clWhite;
    case PanelColor::Orange:
      return forms::rgb(0xFF, 0x80, 0x00);
    case PanelColor::Yellow:
      return forms::clYellow;
    case PanelColor::Aqua:
      break;
  }
  return forms::clAqua;
}

void ShowBar(forms::StaticText* bar, const RfBarView& view) {
  bar->setWidth(view.width);
  if (view.color) bar->setColor(ColorOf(*view.color));
}

}  // namespace

void TForm3::WireEvents() {
  OnClose = [this](forms::CloseAction& action) { FormClose(action); };
  Timer2->OnTimer = [this] { Timer2Timer(); };
  PageControl1->OnChange = [this] { PageControl1Change(); };
  BitBtn13->OnClick = [this] { BitBtn13Click(); };
  Edit2->OnKeyPress = [this](char16_t& key) { Edit2KeyPress(key); };
  BitBtn14->OnClick = [this] { BitBtn14Click(); };
  BitBtn9->OnClick = [this] { BitBtn9Click(); };
  BitBtn10->OnClick = [this] { BitBtn10Click(); };
  BitBtn11->OnClick = [this] { BitBtn11Click(); };
  BitBtn20->OnClick = [this] { BitBtn20Click(); };
  BitBtn17->OnClick = [this] { BitBtn17Click(); };
  PaintBox1->OnPaint = [this] { PaintBox1Paint(); };
  PaintBox2->OnPaint = [this] { PaintBox2Paint(); };
}

void TForm3::FormCreate() {
  for (QPoint& p : spectrum_.SpectrumPoints) p.setY(kPictureHeight);
  CreatePictures();
  StaticText49->hide();
  StaticText50->hide();
  StaticText51->hide();
}

void TForm3::OpenDetailQ5V() {
  OpenWhole([this] { FillAndShowQ5V(); });
}

void TForm3::FillAndShowQ5V() {
  Drops.DropCountingOn = 0;
  BitBtn11Click();
  BeginOpening(program_.Slots.HoveredAddress);
  if (!QueryFirmwareAndState()) return;
  ShowFirmware();
  if (!QueryStepsNameAndModel()) return;
  if (!QueryGroupChannelStep()) return;
  if (!QueryFrequencyStep()) return;
  if (!QueryBandStep()) return;
  if (!QueryGroupTableStep()) return;
  if (TunedByFrequency()) ShowNoGroupChannel();
  if (!QuerySquelchStep()) return;
  ShowOnFirstPage();
  ShowTvChannel();
  BitBtn20Click();
  BitBtn17Click();
  DrawMarker();
  MarkerIndex3 = 0;
  RadioButton3->setChecked(true);
  RadioButton7->setChecked(true);
  StaticText31->setCaption(kForm3Traits.openMarkerLabel);
  BitBtn18->setCaption("Run");
  Timer2->setEnabled(true);
}

void TForm3::ShowReceiverStatus() {
  const CurrentReceiver& c = program_.Current;
  const DetailState& d = program_.Detail;
  const StatusPanelView v = ComputeStatusPanel(
      {d.StatusAf, d.StatusRfA, d.StatusRfB, d.StatusBattery},
      {c.RfCalLowA, c.RfCalLowB, c.RfCalHighA, c.RfCalHighB}, c.SquelchThreshold);
  ShowBar(StaticText50, v.barA);
  ShowBar(StaticText51, v.barB);
  if (v.lampA) Shape2->setBrushColor(ColorOf(*v.lampA));
  if (v.lampB) Shape3->setBrushColor(ColorOf(*v.lampB));
  StaticText49->setWidth(v.deviationWidth);
  Shape4->setBrushColor(ColorOf(v.peakLamp));
  StaticText26->setCaption(QString::fromStdString(v.batteryText));
  StaticText26->setColor(ColorOf(v.batteryColor));
  Panel1->setDoubleBuffered(true);
  for (forms::StaticText* bar : {StaticText49, StaticText50, StaticText51}) bar->show();
  const DropChange drops = CountDrops(Drops, v);
  if (drops.a) Edit10->setText(QString::number(Drops.DropCountA));
  if (drops.b) Edit11->setText(QString::number(Drops.DropCountB));
}

void TForm3::BitBtn11Click() {
  Drops.Clear();
  Edit10->setText("0");
  Edit11->setText("0");
}

void TForm3::PaintBox1Paint() {
  PaintFrame(PaintBox1, 367712);
}

void TForm3::PaintBox2Paint() {
  PaintFrame(PaintBox2, PaintBox2->color());
}

}  // namespace vondrix
