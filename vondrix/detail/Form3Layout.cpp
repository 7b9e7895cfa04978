// TForm3's controls: where each sits, its size, colour, font and form text.
#include "vondrix/detail/Form3.h"
#include "vondrix/detail/TwinLayout.h"

#include <tuple>

namespace vondrix {

using namespace layout;

namespace {

forms::Edit* Box(QWidget* parent, const char* name, QRect r, bool enabled = true) {
  auto* e = Put<forms::Edit>(parent, name, r);
  e->setEnabled(enabled);
  return e;
}

// The microvolt scale left of a 155-pixel picture at 48, 36, on the frame's colour.
void MicrovoltScale(QWidget* page, forms::TColor frame) {
  for (auto [left, top, text] :
       {std::tuple{16, 8, "uV"}, {9, 34, "1000"}, {16, 84, "100"}, {23, 134, "10"}, {28, 184, "1"}})
    Caption(page, left, top, text)->setColor(frame);
}

// "Elapsed" and the time label under it.
forms::Label* ElapsedLabel(QWidget* page, const char* name) {
  Caption(page, 448, 162, "Elapsed");
  auto* l = Put<forms::Label>(page, name, {448, 184, 113, 20});
  l->setAutoSize(false);
  l->setAlignment(forms::taCenter);
  l->setColor(forms::clAqua);
  l->setCaption("00:00:00");
  return l;
}

}  // namespace

TForm3::TForm3(Program& program)
    : DetailWindow(program, kForm3Traits),
      MarkerIndex3(spectrum_.MarkerIndex),
      MonitorTraceA(monitor_.traces[0]),
      MonitorTraceB(monitor_.traces[1]) {
  setCaption("Detail Functions");
  setClientSize(593, 525);
  BuildReceiverBlock();
  BuildStatusPanel();
  PageControl1 = Put<forms::PageControl>(this, "PageControl1", {4, 278, 585, 243});
  roles_.sheets = TabSheets(PageControl1, {"Spectrum", "RF-Monitor"});
  TabSheet1 = roles_.sheets[0];
  TabSheet2 = roles_.sheets[1];
  BuildSpectrumPage();
  BuildMonitorPage();
  Timer2 = StoppedTimer(this, "Timer2", kForm3Traits.pollIntervalMs);

  roles_.address = Edit1;
  roles_.nameEdit = Edit2;
  roles_.firmware = Edit9;
  roles_.group = Edit3;
  roles_.channel = Edit4;
  roles_.tv = Edit5;
  roles_.frequency = Edit6;
  roles_.bandStart = Edit7;
  roles_.bandStop = Edit8;
  roles_.spectrumStart = StaticText40;
  roles_.spectrumStop = StaticText41;
  roles_.markerLabel = StaticText31;
  roles_.microvolts = StaticText32;
  roles_.dbm = StaticText33;
  roles_.scanElapsed = Label10;
  roles_.monitorElapsed = Label6;
  roles_.run = BitBtn18;
  roles_.steps = {RadioButton3, RadioButton4, RadioButton5, RadioButton6};
  roles_.sweeps = {RadioButton7, RadioButton8, RadioButton9};
  roles_.pages = PageControl1;
  roles_.spectrumImage = Image1;
  roles_.monitorImage = Image2;
  roles_.monitorReadouts = {{StaticText27, StaticText28}, {StaticText29, StaticText30}};
  roles_.pollTimer = Timer2;
  roles_.squelchBar = StaticText56;
  roles_.squelchText = StaticText39;

  WireEvents();
  WireTuning();
  WireExtras();
  centerOnScreen();
  FormCreate();
}

void TForm3::BuildReceiverBlock() {
  Caption(this, 8, 12, "Address");
  Edit1 = Box(this, "Edit1", {72, 8, 80, 21}, false);
  Caption(this, 160, 12, "Firmware");
  Edit9 = Box(this, "Edit9", {208, 8, 64, 21}, false);
  Caption(this, 8, 40, "Name");
  Edit2 = Box(this, "Edit2", {72, 36, 80, 21});
  Edit2->setMaxLength(6);
  Caption(this, 160, 40, "TV");
  Edit5 = Box(this, "Edit5", {208, 36, 64, 21}, false);

  Caption(this, 8, 68, "Group");
  BitBtn1 = Button(this, "BitBtn1", {72, 64, 21, 21}, "<");
  Edit3 = Box(this, "Edit3", {95, 64, 80, 21});
  Edit3->setReadOnly(true);
  BitBtn2 = Button(this, "BitBtn2", {177, 64, 21, 21}, ">");
  Caption(this, 8, 96, "Channel");
  BitBtn3 = Button(this, "BitBtn3", {72, 92, 21, 21}, "<");
  Edit4 = Box(this, "Edit4", {95, 92, 80, 21});
  Edit4->setReadOnly(true);
  BitBtn4 = Button(this, "BitBtn4", {177, 92, 21, 21}, ">");
  Caption(this, 8, 124, "Frequency");
  BitBtn5 = Button(this, "BitBtn5", {72, 120, 21, 21}, "<");
  Edit6 = Box(this, "Edit6", {95, 120, 80, 21});
  Edit6->setMaxLength(7);
  BitBtn6 = Button(this, "BitBtn6", {177, 120, 21, 21}, ">");
  Caption(this, 204, 124, "MHz");

  Caption(this, 8, 152, "Start");
  Edit7 = Box(this, "Edit7", {72, 148, 80, 21}, false);
  Caption(this, 160, 152, "Stop");
  Edit8 = Box(this, "Edit8", {208, 148, 64, 21}, false);

  Caption(this, 8, 183, "Squelch");
  BitBtn8 = Button(this, "BitBtn8", {72, 179, 48, 22}, "Down");
  BitBtn7 = Button(this, "BitBtn7", {124, 179, 48, 22}, "Up");
  StaticText39 = Text(this, "StaticText39", {180, 182, 92, 17}, "0.0dB", forms::taCenter);
  Caption(this, 8, 210, "SQ");
  StaticText56 = Text(this, "StaticText56", {62, 210, 0, 13}, "");
  StaticText56->setColor(forms::clRed);

  Caption(this, 8, 250, "Mute");
  BitBtn14 = Put<forms::BitBtn>(this, "BitBtn14", {44, 245, 25, 25});
  BitBtn12 = Button(this, "BitBtn12", {215, 245, 65, 25}, "Zarn");
  BitBtn12->setFontBold(true);
  BitBtn13 = Button(this, "BitBtn13", {510, 245, 75, 25}, "Exit");
}

void TForm3::BuildStatusPanel() {
  Panel1 = Put<forms::Panel>(this, "Panel1", {288, 8, 297, 200});
  Panel1->setColor(forms::clAqua);
  // Scale of the RF bars: 1 uV at 0 dB, then 20 dB (86.6 px) a decade.
  Caption(Panel1, 32, 4, "1uV");
  Caption(Panel1, 106, 4, "10uV");
  Caption(Panel1, 189, 4, "100uV");
  Caption(Panel1, 270, 4, "1mV");
  const struct {
    const char* caption;
    int top;
  } rows[] = {{"RF A", 22}, {"RF B", 42}, {"Dev", 66}};
  std::array<forms::StaticText*, 3> bars{};
  const char* names[] = {"StaticText50", "StaticText51", "StaticText49"};
  for (int i = 0; i < 3; ++i) {
    Caption(Panel1, 4, rows[i].top, rows[i].caption);
    auto* empty = Put<forms::ProgressBar>(Panel1, "", {32, rows[i].top - 2, 260, 17});
    empty->setPosition(0);
    bars[i] = Text(Panel1, names[i], {33, rows[i].top, 0, 13}, "");
  }
  StaticText50 = bars[0];
  StaticText51 = bars[1];
  StaticText49 = bars[2];
  StaticText49->setColor(forms::clBlue);

  auto lamp = [this](const char* name, int left, forms::TColor color, const char* caption) {
    auto* s = Put<forms::Shape>(Panel1, name, {left, 92, 17, 17});
    s->setShape(forms::stCircle);
    s->setBrushColor(color);
    Caption(Panel1, left + 20, 94, caption);
    return s;
  };
  Shape2 = lamp("Shape2", 8, forms::clRed, "Ant.A");
  Shape3 = lamp("Shape3", 74, forms::clRed, "Ant.B");
  Shape4 = lamp("Shape4", 140, forms::clLime, "Peak");
  Caption(Panel1, 232, 90, "Battery");
  StaticText26 = Text(Panel1, "StaticText26", {228, 106, 60, 20}, "OFF", forms::taCenter);
  StaticText26->setColor(forms::clAqua);
  StaticText26->setBorderStyle(forms::sbsSunken);

  Caption(Panel1, 8, 140, "Signal Drop A");
  Edit10 = Box(Panel1, "Edit10", {90, 136, 56, 21});
  Edit10->setText("0");
  Caption(Panel1, 8, 168, "Signal Drop B");
  Edit11 = Box(Panel1, "Edit11", {90, 164, 56, 21});
  Edit11->setText("0");
  for (forms::Edit* e : {Edit10, Edit11}) e->setReadOnly(true);
  BitBtn9 = Button(Panel1, "BitBtn9", {160, 136, 56, 22}, "On");
  BitBtn10 = Button(Panel1, "BitBtn10", {160, 164, 56, 22}, "Off");
  BitBtn11 = Button(Panel1, "BitBtn11", {226, 150, 60, 22}, "Clear");
}

void TForm3::BuildSpectrumPage() {
  QWidget* page = TabSheet1;
  PaintBox1 = Put<forms::PaintBox>(page, "PaintBox1", {2, 2, 420, 210});
  PaintBox1->setColor(367712);
  Image1 = Put<forms::Image>(page, "Image1", {48, 36, 320, 155});
  BitBtn22 = Button(page, "BitBtn22", {64, 8, 20, 20}, "<");
  BitBtn23 = Button(page, "BitBtn23", {84, 8, 20, 20}, ">");
  StaticText31 = Text(page, "StaticText31", {120, 8, 85, 20}, "", forms::taCenter);
  StaticText31->setColor(forms::clInfoBk);
  StaticText32 = Text(page, "StaticText32", {212, 8, 75, 20}, "1000uV", forms::taCenter);
  StaticText32->setColor(forms::clLime);
  StaticText33 = Text(page, "StaticText33", {293, 8, 75, 20}, "-107 dBm", forms::taCenter);
  StaticText33->setColor(forms::clFuchsia);
  MicrovoltScale(page, 367712);
  StaticText40 = Text(page, "StaticText40", {40, 194, 76, 17}, "");
  StaticText41 = Text(page, "StaticText41", {336, 194, 76, 17}, "");
  for (forms::StaticText* t : {StaticText40, StaticText41}) t->setColor(367712);

  BitBtn18 = Button(page, "BitBtn18", {448, 115, 55, 20}, "Run");
  BitBtn19 = Button(page, "BitBtn19", {506, 115, 55, 20}, "Peak");
  BitBtn21 = Button(page, "BitBtn21", {506, 140, 55, 20}, "Next P");
  BitBtn20 = Button(page, "BitBtn20", {448, 140, 55, 20}, "Clear");
  for (forms::BitBtn* b : {BitBtn18, BitBtn19, BitBtn21, BitBtn20}) b->setFontBold(true);

  const ScanChoices scan =
      BuildScanChoices(page, {448, 0, 113, 49}, "Step(KHZ)", {448, 50, 113, 63});
  GroupBox1 = scan.step;
  GroupBox2 = scan.sweep;
  std::tie(RadioButton3, RadioButton4, RadioButton5, RadioButton6, RadioButton7, RadioButton8,
           RadioButton9) = std::tuple_cat(scan.radios);

  Label10 = ElapsedLabel(page, "Label10");
}

void TForm3::BuildMonitorPage() {
  QWidget* page = TabSheet2;
  PaintBox2 = Put<forms::PaintBox>(page, "PaintBox2", {2, 2, 420, 210});
  PaintBox2->setColor(16711808);
  Image2 = Put<forms::Image>(page, "Image2", {48, 36, 320, 155});
  MicrovoltScale(page, 16711808);
  Caption(page, 48, 194, "0")->setColor(16711808);
  Caption(page, 350, 194, "Sec")->setColor(16711808);

  StaticText22 = Text(page, "StaticText22", {430, 8, 16, 17}, "A:");
  StaticText27 = Text(page, "StaticText27", {448, 8, 58, 17}, "", forms::taCenter);
  StaticText28 = Text(page, "StaticText28", {508, 8, 58, 17}, "", forms::taCenter);
  StaticText23 = Text(page, "StaticText23", {430, 30, 16, 17}, "B:");
  StaticText29 = Text(page, "StaticText29", {448, 30, 58, 17}, "", forms::taCenter);
  StaticText30 = Text(page, "StaticText30", {508, 30, 58, 17}, "", forms::taCenter);
  for (forms::StaticText* t : {StaticText22, StaticText27, StaticText28})
    t->setColor(forms::clAqua);
  for (forms::StaticText* t : {StaticText23, StaticText29, StaticText30})
    t->setColor(forms::clInfoBk);

  std::tie(RadioButton1, RadioButton2) = BuildSpeedChoice(page, 448, 60);
  BitBtn15 = Button(page, "BitBtn15", {448, 115, 55, 20}, "Run");
  BitBtn16 = Button(page, "BitBtn16", {506, 115, 55, 20}, "Stop");
  BitBtn17 = Button(page, "BitBtn17", {448, 140, 55, 20}, "Clear");
  for (forms::BitBtn* b : {BitBtn15, BitBtn16, BitBtn17}) b->setFontBold(true);

  Label6 = ElapsedLabel(page, "Label6");
}

// Group, channel and frequency, squelch and spectrum scan.
void TForm3::WireTuning() {
  BitBtn1->OnClick = [this] { BitBtn1Click(); };
  BitBtn2->OnClick = [this] { BitBtn2Click(); };
  BitBtn3->OnClick = [this] { BitBtn3Click(); };
  BitBtn4->OnClick = [this] { BitBtn4Click(); };
  BitBtn5->OnClick = [this] { BitBtn5Click(); };
  BitBtn6->OnClick = [this] { BitBtn6Click(); };
  Edit6->OnKeyPress = [this](char16_t& key) { Edit6KeyPress(key); };
  BitBtn7->OnMouseDown = [this](auto b, auto s, int x, int y) { BitBtn7MouseDown(b, s, x, y); };
  BitBtn8->OnMouseDown = [this](auto b, auto s, int x, int y) { BitBtn8MouseDown(b, s, x, y); };
  BitBtn18->OnClick = [this] { BitBtn18Click(); };
  BitBtn19->OnClick = [this] { BitBtn19Click(); };
  BitBtn21->OnClick = [this] { BitBtn21Click(); };
  BitBtn22->OnClick = [this] { BitBtn22Click(); };
  BitBtn23->OnClick = [this] { BitBtn23Click(); };
  RadioButton3->OnClick = [this] { RadioButton3Click(); };
  RadioButton4->OnClick = [this] { RadioButton4Click(); };
  RadioButton5->OnClick = [this] { RadioButton5Click(); };
  RadioButton6->OnClick = [this] { RadioButton6Click(); };
  Image1->OnMouseDown = [this](auto b, auto s, int x, int y) { Image1MouseDown(b, s, x, y); };
  Image1->OnMouseMove = [this](auto s, int x, int y) { Image1MouseMove(s, x, y); };
  Image1->OnMouseUp = [this](auto b, auto s, int x, int y) { Image1MouseUp(b, s, x, y); };
}

// RF monitor, Zarn, antenna, designer launch and EQ presets.
void TForm3::WireExtras() {
  roles_.monitorSlow = RadioButton2;
  roles_.zarnButton = BitBtn12;
  BitBtn15->OnClick = [this] { BitBtn15Click(); };
  BitBtn16->OnClick = [this] { BitBtn16Click(); };
  BitBtn12->OnClick = [this] { BitBtn12Click(); };
}

}  // namespace vondrix
