// TForm7's controls: where each sits, its size, colour, font and form text.
#include <QFontMetrics>
#include <tuple>

#include "vondrix/detail/Form7.h"
#include "vondrix/detail/Pictures.h"
#include "vondrix/detail/TwinLayout.h"

namespace vondrix {

using namespace layout;

namespace {

constexpr forms::TColor kBackground = forms::rgb(0xDE, 0xEF, 0xD6);
constexpr forms::TColor kSpectrumFrame = 9211416;
constexpr forms::TColor kMonitorFrame = 3774018;
constexpr forms::TColor kEqFrame = 8097280;

forms::StaticText* Box(QWidget* parent, const char* name, QRect r, const QString& text = {}) {
  auto* t = Text(parent, name, r, text, forms::taCenter);
  t->setColor(forms::clWhite);
  t->setBorderStyle(forms::sbsSunken);
  return t;
}

// The microvolt scale left of a 155-pixel picture at 41, 32, on the frame's colour.
void MicrovoltScale(QWidget* page, forms::TColor frame, forms::TColor hundred) {
  for (auto [left, top, text] : {std::tuple{20, 10, "uV"},
                                 {7, 32, "1000"},
                                 {14, 77, "100"},
                                 {21, 122, "10"},
                                 {28, 169, "1"}})
    Caption(page, left, top, text)->setColor(QString(text) == "100" ? hundred : frame);
}

forms::StaticText* Led(QWidget* parent, const QString& name, int left, int top,
                       forms::TColor color) {
  auto* led = Put<forms::StaticText>(parent, name.toLatin1().constData(), {left, top, 15, 10});
  led->setColor(color);
  return led;
}

// A face that carries a colour and the label on top of it.
forms::StaticText* Face(QWidget* parent, const char* name, QRect r, forms::TColor color) {
  auto* face = Put<forms::StaticText>(parent, name, r);
  face->setColor(color);
  return face;
}

// "Elapsed" at captionLeft and the time under it at textLeft.
forms::StaticText* ElapsedBox(QWidget* page, const char* name, int captionLeft, int textLeft) {
  Caption(page, captionLeft, 161, "Elapsed");
  auto* t = ArialBold(Text(page, name, {textLeft, 181, 89, 28}, "00:00:00", forms::taCenter));
  t->setColor(forms::clWhite);
  return t;
}

}  // namespace

TForm7::TForm7(Program& program)
    : DetailWindow(program, kForm7Traits),
      MarkerIndex7(spectrum_.MarkerIndex),
      MonitorTrace(monitor_.traces[0]) {
  setCaption("Zarnel Detail Functions");
  setOuterSize(607, 577);
  setColor(kBackground);
  BuildReceiverBlock();
  BuildExtras();
  BuildLedColumns();
  PageControl1 = Put<forms::PageControl>(this, "PageControl1", {4, 290, 591, 256});
  roles_.sheets = TabSheets(PageControl1, {"Spectrum", "RF Monitor", "Microphone EQ"});
  TabSheet1 = roles_.sheets[0];
  TabSheet2 = roles_.sheets[1];
  TabSheet3 = roles_.sheets[2];
  BuildSpectrumPage();
  BuildMonitorPage();
  BuildEqPage();
  Timer1 = StoppedTimer(this, "Timer1", kForm7Traits.pollIntervalMs);
  Timer2 = StoppedTimer(this, "Timer2", 500);

  roles_.address = StaticText28;
  roles_.nameEdit = Edit1;
  roles_.firmware = StaticText43;
  roles_.group = StaticText31;
  roles_.channel = StaticText32;
  roles_.tv = StaticText35;
  roles_.frequency = EditEx1;
  roles_.bandStart = StaticText38;
  roles_.bandStop = StaticText39;
  roles_.spectrumStart = StaticText58;
  roles_.spectrumStop = StaticText59;
  roles_.markerLabel = StaticText60;
  roles_.microvolts = StaticText61;
  roles_.dbm = StaticText62;
  roles_.scanElapsed = StaticText64;
  roles_.monitorElapsed = StaticText75;
  roles_.run = BitBtn4;
  roles_.steps = {RadioButton3, RadioButton4, RadioButton5, RadioButton6};
  roles_.sweeps = {RadioButton7, RadioButton8, RadioButton9};
  roles_.pages = PageControl1;
  roles_.spectrumImage = Image3;
  roles_.monitorImage = Image4;
  roles_.monitorReadouts = {{StaticText72, StaticText73}};
  roles_.pollTimer = Timer1;
  roles_.squelchLeds.assign(SquelchLeds.begin(), SquelchLeds.end());

  WireEvents();
  WireTuning();
  WireExtras();
  centerOnScreen();
  FormCreate();
}

void TForm7::BuildReceiverBlock() {
  Caption(this, 8, 10, "Address");
  StaticText28 = ArialBold(Box(this, "StaticText28", {64, 6, 36, 22}));
  Caption(this, 112, 10, "Name");
  Edit1 = Put<forms::Edit>(this, "Edit1", {148, 6, 64, 22});
  Edit1->setMaxLength(6);
  BitBtn3 = Put<forms::BitBtn>(this, "BitBtn3", {218, 5, 25, 25});
  Caption(this, 8, 40, "Firmware");
  StaticText43 = Box(this, "StaticText43", {64, 36, 48, 22});
  Caption(this, 120, 40, "Band");
  StaticText42 = Box(this, "StaticText42", {148, 36, 40, 22});

  Caption(this, 8, 72, "Group");
  BitBtn11 = Button(this, "BitBtn11", {64, 68, 23, 23}, "<");
  StaticText31 = ArialBold(Box(this, "StaticText31", {89, 68, 40, 23}));
  BitBtn12 = Button(this, "BitBtn12", {131, 68, 23, 23}, ">");
  Caption(this, 164, 72, "Channel");
  BitBtn13 = Button(this, "BitBtn13", {208, 68, 23, 23}, "<");
  StaticText32 = ArialBold(Box(this, "StaticText32", {233, 68, 40, 23}));
  BitBtn14 = Button(this, "BitBtn14", {275, 68, 23, 23}, ">");
  Caption(this, 8, 104, "TV");
  StaticText35 = ArialBold(Box(this, "StaticText35", {64, 100, 40, 22}));

  Caption(this, 8, 136, "Start");
  StaticText38 = Box(this, "StaticText38", {64, 132, 76, 20});
  Caption(this, 148, 136, "Stop MHz");
  StaticText39 = Box(this, "StaticText39", {206, 132, 76, 20});
  Caption(this, 8, 178, "Frequency (MHz)");
  BitBtn18 = Button(this, "BitBtn18", {6, 200, 25, 25}, "<");
  EditEx1 = Put<TEditEx>(this, "EditEx1", {33, 197, 237, 30});
  EditEx1->setFontName("Arial");
  EditEx1->setFontBold(true);
  EditEx1->setFontHeight(24);
  EditEx1->setFontColor(forms::clBlack);
  EditEx1->setMaxLength(7);
  EditEx1->setText("810.000");
  EditEx1->SetAlignment(forms::taCenter);
  EditEx1->SetDataType(tdNumber);
  BitBtn17 = Button(this, "BitBtn17", {272, 200, 25, 25}, ">");
}

void TForm7::BuildExtras() {
  Panel2 = Put<forms::Panel>(this, "Panel2", {308, 4, 138, 128});
  Panel2->setColor(forms::clWhite);
  Shape1 = Put<forms::Shape>(Panel2, "Shape1", {27, 22, 81, 81});
  Shape1->setShape(forms::stCircle);
  Shape1->setBrushColor(forms::rgb(0xEA, 0xEA, 0xEA));
  Pie1 = Put<forms::Pie>(Panel2, "Pie1", {30, 25, 75, 75});
  Pie1->setBrushColor(forms::clBlack);
  Pie1->setAngles(338, 22);
  Shape2 = Put<forms::Shape>(Panel2, "Shape2", {57, 52, 20, 20});
  Shape2->setShape(forms::stCircle);
  Shape2->setBrushColor(forms::clBlack);
  Shape2->setPenColor(forms::clWhite);
  Caption(Panel2, 114, 56, "0");
  Caption(Panel2, 61, 6, "90");
  Caption(Panel2, 6, 56, "180");
  Caption(Panel2, 58, 106, "270");

  Panel1 = Put<forms::Panel>(this, "Panel1", {306, 140, 144, 56});
  Caption(Panel1, 5, 4, "Antenna");
  StaticText45 = ArialBold(Text(Panel1, "StaticText45", {5, 24, 30, 28}, "A", forms::taCenter));
  StaticText46 = Text(Panel1, "StaticText46", {34, 24, 74, 28}, "Diversity", forms::taCenter);
  StaticText46->setFontBold(true);
  StaticText47 = ArialBold(Text(Panel1, "StaticText47", {108, 24, 30, 28}, "B", forms::taCenter));
  StaticText45->setColor(forms::clWhite);
  StaticText46->setColor(forms::clSilver);
  StaticText47->setColor(forms::clWhite);
  for (forms::StaticText* t : {StaticText45, StaticText46, StaticText47})
    t->setCursor(Qt::PointingHandCursor);

  StaticText138 = Face(this, "StaticText138", {5, 238, 71, 45}, forms::clRed);
  StaticText141 =
      ArialBold(Text(this, "StaticText141", {20, 248, 47, 28}, "Zarn", forms::taCenter), 12);
  StaticText141->setColor(forms::clRed);
  StaticText141->setFontColor(forms::clWhite);
  Shape10 = Put<forms::Shape>(this, "Shape10", {75, 238, 198, 45});
  Shape10->setBrushColor(forms::clWhite);
  Shape10->setPenColor(forms::rgb(0x00, 0x8E, 0x7B));
  Shape10->setPenWidth(2);
  Image1 = Put<forms::Image>(this, "Image1", {81, 241, 90, 38});
  Image1->loadPicture(pictures::Receiver());
  Image2 = Put<forms::Image>(this, "Image2", {231, 241, 31, 40});
  Image2->loadPicture(pictures::Microphone());
  StaticText139 = Face(this, "StaticText139", {280, 238, 71, 45}, forms::clRed);
  StaticText142 =
      ArialBold(Text(this, "StaticText142", {296, 249, 45, 28}, "YES", forms::taCenter), 12);
  StaticText142->setColor(forms::clRed);
  StaticText140 = Face(this, "StaticText140", {351, 238, 71, 45}, forms::clWhite);
  StaticText143 =
      ArialBold(Text(this, "StaticText143", {372, 249, 34, 28}, "NO", forms::taCenter), 12);
  StaticText143->setColor(forms::clWhite);
  Image7 = Put<forms::Image>(this, "Image7", {432, 244, 25, 33});
  Image7->loadPicture(pictures::Key());
  StaticText150 =
      ArialBold(Text(this, "StaticText150", {470, 251, 110, 23}, "ENCRYPTION", forms::taCenter));
  StaticText150->setColor(forms::clWhite);
}

void TForm7::BuildLedColumns() {
  const int rfNames[kRfLeds] = {1, 2, 3, 4, 5, 88, 109, 110, 111, 112, 113, 114, 115, 137};
  const int afNames[kAfLeds] = {7, 8, 9, 10, 11, 12, 101, 102, 103, 104};
  const int sqNames[10] = {51, 84, 85, 86, 87, 96, 97, 98, 99, 100};
  const int btNames[kBatteryLeds] = {18, 19, 20, 21, 22, 105, 106, 107, 108};
  auto column = [this](auto& leds, const int* names, int left, auto colorOf) {
    for (int i = 0; i < static_cast<int>(leds.size()); ++i)
      leds[i] = Led(this, QString("StaticText%1").arg(names[i]), left, 194 - 14 * i, colorOf(i));
  };
  column(RfLeds, rfNames, 456, [](int) { return forms::clLime; });
  column(AfLeds, afNames, 495, [](int i) {
    return i == 9 ? forms::clRed : i == 8 ? forms::clYellow : forms::clLime;
  });
  column(SquelchLeds, sqNames, 534, [](int) { return forms::clLime; });
  column(BatteryLeds, btNames, 573, [](int i) {
    return i == 0 ? forms::clRed : i <= 2 ? forms::clYellow : forms::clLime;
  });
  for (auto [left, text] : {std::pair{456, "RF"}, {495, "AF"}, {534, "SQ"}, {573, "BT"}})
    Caption(this, left + 1, 208, text);
  for (auto [top, text] : {std::pair{8, "1000"}, {78, "100"}, {148, "10"}, {190, "1"}})
    Caption(this, 452 - QFontMetrics(font()).horizontalAdvance(text), top, text);
  Caption(this, 436, 220, "uV");
  BitBtn21 = Button(this, "BitBtn21", {531, 16, 21, 21}, "+");
  BitBtn22 = Button(this, "BitBtn22", {531, 40, 21, 21}, "-");
}

void TForm7::BuildSpectrumPage() {
  QWidget* page = TabSheet1;
  PaintBox1 = Put<forms::PaintBox>(page, "PaintBox1", {0, 2, 485, 208});
  PaintBox1->setColor(kSpectrumFrame);
  Image3 = Put<forms::Image>(page, "Image3", {41, 32, 360, 155});
  BitBtn19 = Button(page, "BitBtn19", {42, 6, 23, 23}, "<");
  BitBtn20 = Button(page, "BitBtn20", {66, 6, 23, 23}, ">");
  StaticText60 = Text(page, "StaticText60", {106, 8, 89, 18}, "", forms::taCenter);
  StaticText61 = Text(page, "StaticText61", {218, 8, 79, 18}, "        uV", forms::taCenter);
  StaticText62 = Text(page, "StaticText62", {320, 8, 81, 18}, "          dBm", forms::taCenter);
  for (forms::StaticText* t : {StaticText60, StaticText61, StaticText62}) {
    t->setColor(forms::clWhite);
    t->setFontBold(true);
  }
  MicrovoltScale(page, kSpectrumFrame, 8097304);
  StaticText58 = Text(page, "StaticText58", {46, 190, 76, 17}, "");
  StaticText59 = Text(page, "StaticText59", {326, 190, 76, 17}, "");
  for (forms::StaticText* t : {StaticText58, StaticText59}) t->setColor(kSpectrumFrame);

  BitBtn4 = Button(page, "BitBtn4", {415, 32, 57, 25}, "Run");
  BitBtn5 = Button(page, "BitBtn5", {415, 74, 57, 25}, "Peak");
  BitBtn7 = Button(page, "BitBtn7", {415, 117, 57, 25}, "Next P");
  BitBtn6 = Button(page, "BitBtn6", {415, 160, 57, 25}, "Clear");

  Caption(page, 497, 2, "Step (KHz)");
  const ScanChoices scan = BuildScanChoices(page, {493, 16, 87, 51}, "", {493, 90, 87, 65});
  GroupBox1 = scan.step;
  GroupBox2 = scan.sweep;
  std::tie(RadioButton3, RadioButton4, RadioButton5, RadioButton6, RadioButton7, RadioButton8,
           RadioButton9) = std::tuple_cat(scan.radios);
  RadioButton3->setChecked(true);

  StaticText64 = ElapsedBox(page, "StaticText64", 488, 491);
}

void TForm7::BuildMonitorPage() {
  QWidget* page = TabSheet2;
  PaintBox2 = Put<forms::PaintBox>(page, "PaintBox2", {0, 2, 409, 208});
  PaintBox2->setColor(kMonitorFrame);
  Image4 = Put<forms::Image>(page, "Image4", {41, 32, 360, 155});
  MicrovoltScale(page, kMonitorFrame, kMonitorFrame);
  Caption(page, 41, 190, "0")->setColor(kMonitorFrame);
  Caption(page, 376, 190, "Sec")->setColor(kMonitorFrame);

  StaticText72 = Text(page, "StaticText72", {418, 20, 89, 18}, "", forms::taCenter);
  StaticText73 = Text(page, "StaticText73", {418, 44, 89, 18}, "", forms::taCenter);
  for (forms::StaticText* t : {StaticText72, StaticText73}) {
    t->setColor(forms::clWhite);
    t->setFontBold(true);
  }
  std::tie(RadioButton1, RadioButton2) = BuildSpeedChoice(page, 418, 76);
  BitBtn8 = Button(page, "BitBtn8", {512, 20, 57, 25}, "Run");
  BitBtn9 = Button(page, "BitBtn9", {512, 60, 57, 25}, "Stop");
  BitBtn10 = Button(page, "BitBtn10", {512, 100, 57, 25}, "Clear");
  StaticText75 = ElapsedBox(page, "StaticText75", 418, 418);
}

void TForm7::BuildEqPage() {
  QWidget* page = TabSheet3;
  PaintBox3 = Put<forms::PaintBox>(page, "PaintBox3", {0, 0, 585, 217});
  PaintBox3->setColor(kEqFrame);
  StaticText24 = ArialBold(Text(page, "StaticText24", {516, 8, 62, 54}, "EQ", forms::taCenter));
  StaticText24->setColor(forms::clWhite);
  StaticText23 =
      ArialBold(Text(page, "StaticText23", {518, 34, 59, 30}, "01", forms::taCenter), 16);
  StaticText23->setColor(forms::clBlack);
  StaticText23->setFontColor(forms::clRed);
  BitBtn15 = Put<forms::BitBtn>(page, "BitBtn15", {518, 65, 30, 30});
  BitBtn15->setGlyph(pictures::Triangle(true));
  BitBtn16 = Put<forms::BitBtn>(page, "BitBtn16", {548, 65, 30, 30});
  BitBtn16->setGlyph(pictures::Triangle(false));
  StaticText89 = Text(page, "StaticText89", {34, 9, 215, 23}, "Microphone Capsule Model");
  StaticText89->setColor(kEqFrame);
  StaticText89->setFontColor(forms::clWhite);
  StaticText89->setFontBold(true);
  StaticText90 = Text(page, "StaticText90", {256, 7, 255, 23}, "QX41", forms::taCenter);
  StaticText90->setColor(forms::clWhite);
  StaticText90->setFontBold(true);
  Image5 = Put<forms::Image>(page, "Image5", {32, 36, 480, 153});
  Image6 = Put<forms::Image>(page, "Image6", {36, 40, 472, 145});
  // Frequencies under the plot at x(f), levels left of it at y(level).
  for (auto [left, text] :
       {std::pair{30, "20"}, {133, "100"}, {289, "1K"}, {440, "10K"}, {484, "20KHz"}})
    Caption(page, left, 191, text)->setColor(kEqFrame);
  for (auto [top, text] : {std::pair{28, "dB"},
                           {48, "20"},
                           {77, "10"},
                           {92, "5"},
                           {106, "0"},
                           {121, "-5"},
                           {135, "-10"},
                           {164, "-20"}})
    Caption(page, 30 - QFontMetrics(font()).horizontalAdvance(text), top, text)->setColor(kEqFrame);
  BitBtn1 = ArialBold(Button(page, "BitBtn1", {518, 156, 60, 33}, "Calyxon"));
}

// Group, channel and frequency, squelch and spectrum scan.
void TForm7::WireTuning() {
  BitBtn11->OnClick = [this] { BitBtn11Click(); };
  BitBtn12->OnClick = [this] { BitBtn12Click(); };
  BitBtn13->OnClick = [this] { BitBtn13Click(); };
  BitBtn14->OnClick = [this] { BitBtn14Click(); };
  BitBtn18->OnClick = [this] { BitBtn18Click(); };
  BitBtn17->OnClick = [this] { BitBtn17Click(); };
  EditEx1->OnKeyPress = [this](char16_t& key) { EditEx1KeyPress(key); };
  BitBtn21->OnMouseDown = [this](auto b, auto s, int x, int y) { BitBtn21MouseDown(b, s, x, y); };
  BitBtn22->OnMouseDown = [this](auto b, auto s, int x, int y) { BitBtn22MouseDown(b, s, x, y); };
  BitBtn4->OnClick = [this] { BitBtn4Click(); };
  BitBtn5->OnClick = [this] { BitBtn5Click(); };
  BitBtn7->OnClick = [this] { BitBtn7Click(); };
  BitBtn19->OnClick = [this] { BitBtn19Click(); };
  BitBtn20->OnClick = [this] { BitBtn20Click(); };
  RadioButton3->OnClick = [this] { RadioButton3Click(); };
  RadioButton4->OnClick = [this] { RadioButton4Click(); };
  RadioButton5->OnClick = [this] { RadioButton5Click(); };
  RadioButton6->OnClick = [this] { RadioButton6Click(); };
  Image3->OnMouseDown = [this](auto b, auto s, int x, int y) { Image3MouseDown(b, s, x, y); };
  Image3->OnMouseMove = [this](auto s, int x, int y) { Image3MouseMove(s, x, y); };
  Image3->OnMouseUp = [this](auto b, auto s, int x, int y) { Image3MouseUp(b, s, x, y); };
}

// RF monitor, Zarn, antenna, designer launch and EQ presets.
void TForm7::WireExtras() {
  roles_.monitorSlow = RadioButton2;
  roles_.zarnFace = StaticText138;
  roles_.zarnFrom = Image1;
  roles_.zarnTo = Image2;
  roles_.yesFace = StaticText139;
  roles_.yesLabel = StaticText142;
  roles_.noFace = StaticText140;
  roles_.noLabel = StaticText143;
  roles_.antennaFaces = {StaticText45, StaticText46, StaticText47};
  roles_.designerWatch = Timer2;

  StaticText138->OnMouseDown = [this](auto, auto, int, int) { StaticText138MouseDown(); };
  StaticText138->OnMouseUp = [this](auto, auto, int, int) { StaticText138MouseUp(); };
  StaticText141->OnMouseDown = [this](auto, auto, int, int) { StaticText141MouseDown(); };
  StaticText141->OnMouseUp = [this](auto, auto, int, int) { StaticText141MouseUp(); };
  StaticText139->OnMouseDown = [this](auto, auto, int, int) { StaticText139MouseDown(); };
  StaticText139->OnMouseUp = [this](auto, auto, int, int) { StaticText139MouseUp(); };
  StaticText142->OnMouseDown = [this](auto, auto, int, int) { StaticText142MouseDown(); };
  StaticText142->OnMouseUp = [this](auto, auto, int, int) { StaticText142MouseUp(); };
  StaticText140->OnMouseDown = [this](auto, auto, int, int) { StaticText140MouseDown(); };
  StaticText140->OnMouseUp = [this](auto, auto, int, int) { StaticText140MouseUp(); };
  StaticText143->OnMouseDown = [this](auto, auto, int, int) { StaticText143MouseDown(); };
  StaticText143->OnMouseUp = [this](auto, auto, int, int) { StaticText143MouseUp(); };
  StaticText45->OnMouseDown = [this](auto, auto, int, int) { StaticText45MouseDown(); };
  StaticText45->OnMouseUp = [this](auto, auto, int, int) { StaticText45MouseUp(); };
  StaticText46->OnMouseDown = [this](auto, auto, int, int) { StaticText46MouseDown(); };
  StaticText46->OnMouseUp = [this](auto, auto, int, int) { StaticText46MouseUp(); };
  StaticText47->OnMouseDown = [this](auto, auto, int, int) { StaticText47MouseDown(); };
  StaticText47->OnMouseUp = [this](auto, auto, int, int) { StaticText47MouseUp(); };
  BitBtn8->OnClick = [this] { BitBtn8Click(); };
  BitBtn9->OnClick = [this] { BitBtn9Click(); };
  BitBtn1->OnClick = [this] { BitBtn1Click(); };
  Timer2->OnTimer = [this] { Timer2Timer(); };
  BitBtn15->OnClick = [this] { BitBtn15Click(); };
  BitBtn16->OnClick = [this] { BitBtn16Click(); };
}

}  // namespace vondrix
