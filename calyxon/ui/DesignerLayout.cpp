// The designer window's controls at their places: plots, pages, status line, timers and
// dialogs. The menus are in DesignerMenus.cpp.
#include "calyxon/ui/DesignerForm.h"
#include "calyxon/ui/Place.h"

#include <memory>

namespace calyxon {

namespace {

constexpr std::array<const char*, 5> kLevelCaptions = {"10", "5", "0", "-5", "-10"};
constexpr std::array<int, kManualBandCount> kManualRowTops = {223, 255, 287, 319, 351, 383};
constexpr std::array<int, 10> kSlotEditTops = {24, 66, 109, 152, 195, 237, 280, 323, 366, 409};
constexpr std::array<int, 10> kSlotButtonTops = {24, 66, 109, 152, 195, 238, 281, 324, 367, 410};

QString Numbered(const char* kind, int number) {
  return QString::fromLatin1(kind) + QString::number(number);
}

QStringList AddressItems() {
  QStringList items;
  for (int a = 1; a <= kUploadAddressCount; ++a) items << QString::number(a);
  return items;
}

// An edit that only shows a result: disabled, blue text.
forms::Edit* PlaceResultEdit(QWidget* parent, const char* name, int left, int width) {
  auto* edit = Place<forms::Edit>(parent, name, left, 136, width, 21);
  edit->setEnabled(false);
  edit->setFontColor(forms::clBlue);
  return edit;
}

}  // namespace

void TForm1::BuildPlots() {
  Image3 = Place<forms::Image>(this, "Image3", 376, 10, 529, 289);
  Image1 = Place<forms::Image>(this, "Image1", 384, 18, 513, 273);
  Image4 = Place<forms::Image>(this, "Image4", 376, 312, 529, 289);
  Image2 = Place<forms::Image>(this, "Image2", 384, 320, 513, 273);
  Label22 = PlaceCaption<forms::Label>(this, "Label22", "100", 492, 602);
  Label23 = PlaceCaption<forms::Label>(this, "Label23", "1K", 662, 602);
  Label24 = PlaceCaption<forms::Label>(this, "Label24", "10K", 830, 602);
  Label25 = PlaceCaption<forms::Label>(this, "Label25", "20KHz", 880, 602);
  // Their tops follow the plot levels at every redraw.
  for (int i = 0; i < 5; ++i) {
    UpperLevelLabels[i] =
        PlaceCaption<forms::Label>(this, Numbered("Label", 26 + i), kLevelCaptions[i], 910, 0);
    LowerLevelLabels[i] =
        PlaceCaption<forms::Label>(this, Numbered("Label", 31 + i), kLevelCaptions[i], 910, 0);
  }
  Label36 = PlaceCaption<forms::Label>(this, "Label36", "dB", 910, 8);
  PaintBox1 = Place<forms::PaintBox>(this, "PaintBox1", 364, 18, 8, 8);
  PaintBox1->OnPaint = [this] { PaintBox1Paint(); };
  PaintBox2 = Place<forms::PaintBox>(this, "PaintBox2", 364, 320, 8, 8);
}

void TForm1::BuildPages() {
  PageControl1 = Place<forms::PageControl>(this, "PageControl1", 8, 8, 353, 594);
  TabSheet1 = new forms::TabSheet(PageControl1, "AutoTune");
  TabSheet1->setObjectName("TabSheet1");
  TabSheet2 = new forms::TabSheet(PageControl1, "Save And Load");
  TabSheet2->setObjectName("TabSheet2");
  TabSheet3 = new forms::TabSheet(PageControl1, "DownloadToReceiver");
  TabSheet3->setObjectName("TabSheet3");
  TabSheet4 = new forms::TabSheet(PageControl1, "TabSheet4");
  TabSheet4->setObjectName("TabSheet4");
  BuildAutoTunePage();
  BuildSaveLoadPage();
  BuildDownloadPage();
  BuildHiddenPage();
  for (forms::TabSheet* sheet : {TabSheet1, TabSheet2, TabSheet3, TabSheet4})
    sheet->setTabVisible(false);

  StatusBar1 = new forms::StatusBar(this);
  StatusBar1->setObjectName("StatusBar1");
  StatusBar1->setSimplePanel(true);

  Timer1 = new forms::Timer(this);
  Timer1->setInterval(300);
  Timer1->setEnabled(false);
  Timer1->OnTimer = [this] { Timer1Timer(); };
  Timer2 = new forms::Timer(this);
  Timer2->setInterval(2000);
  Timer2->OnTimer = [this] { Timer2Timer(); };
}

void TForm1::BuildAutoTunePage() {
  QWidget* page = TabSheet1;
  PlaceCaption<forms::Label>(page, "Label2", "Target Mic", 16, 16);
  Edit1 = Place<forms::Edit>(page, "Edit1", 96, 12, 233, 21);
  PlaceCaption<forms::Label>(page, "Label3", "Source Mic", 16, 48);
  Edit24 = Place<forms::Edit>(page, "Edit24", 96, 44, 233, 21);
  ProgressBar1 = Place<forms::ProgressBar>(page, "ProgressBar1", 16, 84, 257, 17);
  ProgressBar1->setMin(0);
  ProgressBar1->setMax(100);
  Label1 = PlaceCaption<forms::Label>(page, "Label1", "", 288, 86);

  PlaceCaption<forms::Label>(page, "Label4", "Nunber", 16, 120);
  PlaceCaption<forms::Label>(page, "Label5", "Fc", 80, 120);
  PlaceCaption<forms::Label>(page, "Label8", "KHz", 136, 120);
  PlaceCaption<forms::Label>(page, "Label6", "Q", 168, 120);
  PlaceCaption<forms::Label>(page, "Label7", "Gain", 248, 120);
  PlaceCaption<forms::Label>(page, "Label9", "dB", 304, 120);
  Edit5 = PlaceResultEdit(page, "Edit5", 16, 49);
  Edit2 = PlaceResultEdit(page, "Edit2", 80, 73);
  Edit3 = PlaceResultEdit(page, "Edit3", 168, 65);
  Edit4 = PlaceResultEdit(page, "Edit4", 248, 73);

  PlaceCaption<forms::Label>(page, "Label10", "Fc(KHz)", 72, 200);
  PlaceCaption<forms::Label>(page, "Label11", "Q", 160, 200);
  PlaceCaption<forms::Label>(page, "Label12", "Gain(dB)", 240, 200);
  for (int k = 0; k < kManualBandCount; ++k) {
    const int top = kManualRowTops[k];
    ManualRadio[k] =
        Place<forms::RadioButton>(page, Numbered("RadioButton", k + 1), 16, top, 49, 17);
    ManualRadio[k]->setCaption(QString::number(k + 1));
    ManualFcEdit[k] = Place<forms::Edit>(page, Numbered("Edit", 6 + 3 * k), 72, top, 73, 21);
    ManualQEdit[k] = Place<forms::Edit>(page, Numbered("Edit", 7 + 3 * k), 160, top, 65, 21);
    ManualGainEdit[k] = Place<forms::Edit>(page, Numbered("Edit", 8 + 3 * k), 240, top, 73, 21);
    for (forms::Edit* edit : {ManualFcEdit[k], ManualQEdit[k], ManualGainEdit[k]})
      edit->setText("0");
  }
  ManualRadio[0]->setChecked(true);

  PlaceCaption<forms::Label>(page, "Label13", "Fc", 16, 432);
  FcBar = Place<forms::TrackBar>(page, "FcBar", 56, 424, 281, 33);
  PlaceCaption<forms::Label>(page, "Label14", "Q", 16, 480);
  BwBar = Place<forms::TrackBar>(page, "BwBar", 56, 472, 281, 33);
  BwBar->setMax(20000);
  PlaceCaption<forms::Label>(page, "Label15", "Gain", 16, 528);
  GainBar = Place<forms::TrackBar>(page, "GainBar", 56, 520, 281, 33);
  GainBar->setMin(-2000);
  GainBar->setMax(2000);

  // Wired last, so that setting the controls up runs none of the handlers.
  for (int k = 0; k < kManualBandCount; ++k) {
    ManualRadio[k]->OnClick = [this, k] { RadioButtonClick(k); };
    for (forms::Edit* edit : {ManualFcEdit[k], ManualQEdit[k], ManualGainEdit[k]})
      edit->OnKeyPress = [this, edit](char16_t& key) { ManualEditKeyPress(*edit, key); };
  }
  FcBar->OnChange = [this] { FcBarChange(); };
  BwBar->OnChange = [this] { BwBarChange(); };
  GainBar->OnChange = [this] { GainBarChange(); };
}

void TForm1::BuildSaveLoadPage() {
  QWidget* page = TabSheet2;
  Button18 = Place<forms::Button>(page, "Button18", 16, 16, 75, 25);
  Button18->setCaption("Save");
  Button18->OnClick = [this] { Button18Click(); };
  Button19 = Place<forms::Button>(page, "Button19", 16, 48, 75, 25);
  Button19->setCaption("Load");
  Button19->OnClick = [this] { Button19Click(); };
  Edit37 = Place<forms::Edit>(page, "Edit37", 104, 32, 225, 21);
  Edit37->setText("*.prj");
}

void TForm1::BuildDownloadPage() {
  QWidget* page = TabSheet3;
  for (int s = 0; s < 10; ++s) {
    SlotPathEdit[s] =
        Place<forms::Edit>(page, Numbered("Edit", 26 + s), 8, kSlotEditTops[s], 265, 22);
    SlotButton[s] =
        Place<forms::Button>(page, Numbered("Button", 5 + s), 288, kSlotButtonTops[s], 41, 22);
    SlotButton[s]->setCaption(Numbered("EQ", s));
    SlotButton[s]->OnClick = [this, s] { SlotButtonClick(s); };
  }
  Edit36 = Place<forms::Edit>(page, "Edit36", 8, 480, 321, 22);
  PlaceCaption<forms::Label>(page, "Label16", "Addr", 16, 520);
  ComboBox3 = Place<forms::ComboBox>(page, "ComboBox3", 8, 536, 53, 24);
  ComboBox3->setStyle(forms::csDropDownList);
  ComboBox3->setItems(AddressItems());
  ComboBox3->setItemIndex(0);
  Button4 = Place<forms::Button>(page, "Button4", 72, 528, 129, 33);
  Button4->setCaption("Download");
  Button4->OnClick = [this] { Button4Click(); };
  Button15 = Place<forms::Button>(page, "Button15", 200, 528, 129, 33);
  Button15->setCaption("Generate PIC File");
  Button15->OnClick = [this] { Button15Click(); };
}

void TForm1::BuildHiddenPage() {
  QWidget* page = TabSheet4;
  auto button = [&](const char* name, const char* caption, int left, int top) {
    auto* b = Place<forms::Button>(page, name, left, top, 75, 25);
    b->setCaption(caption);
    b->hide();
    return b;
  };
  Button2 = button("Button2", "Load", 16, 16);
  Button2->OnClick = [this] { Button2Click(); };
  Button3 = button("Button3", "Load", 16, 48);
  Button3->OnClick = [this] { Button3Click(); };
  Button16 = button("Button16", "Reset", 16, 80);
  Button16->OnClick = [this] { Button16Click(); };
  Button1 = button("Button1", "Save", 16, 112);
  Button1->OnClick = [this] { Button1Click(); };
  Button17 = button("Button17", "Preset EQ", 16, 144);
  Button17->OnClick = [this] { Button17Click(); };
  auto panel = [&](const char* name, const char* caption, int top) {
    auto* p = Place<forms::Panel>(page, name, 112, top, 105, 25);
    p->setCaption(caption);
    p->setColor(forms::clBtnFace);
    p->hide();
    return p;
  };
  Panel1 = panel("Panel1", "Calibration", 16);
  Panel1->OnClick = [this] { Panel1Click(); };
  Panel2 = panel("Panel2", "Save", 48);
  Panel2->OnClick = [this] { Panel2Click(); };
  auto combo = [&](const char* name, int top) {
    auto* c = Place<forms::ComboBox>(page, name, 232, top, 65, 21);
    c->hide();
    return c;
  };
  ComboBox1 = combo("ComboBox1", 16);
  ComboBox2 = combo("ComboBox2", 48);
  ComboBox2->setItems(AddressItems());
  ComboBox2->setItemIndex(0);
  auto edit = [&](const char* name, int top) {
    auto* e = Place<forms::Edit>(page, name, 112, top, 185, 21);
    e->hide();
    return e;
  };
  Edit25 = edit("Edit25", 96);
  Edit38 = edit("Edit38", 128);
  Edit39 = edit("Edit39", 160);
  Edit40 = edit("Edit40", 192);
}

void TForm1::BuildDialogs() {
  auto own = [&]<class D>(std::unique_ptr<D> dialog, const QString& title, const QString& filter,
                          const QString& ext) {
    D* d = dialog.get();
    d->setTitle(title);
    d->setFilter(filter);
    d->setDefaultExt(ext);
    dialogs_.push_back(std::move(dialog));
    return d;
  };
  auto open = [&](const QString& title, const QString& filter, const QString& ext = {}) {
    return own(std::make_unique<forms::OpenDialog>(this), title, filter, ext);
  };
  auto save = [&](const QString& title, const QString& filter, const QString& ext) {
    return own(std::make_unique<forms::SaveDialog>(this), title, filter, ext);
  };
  OpenDialog1 = open("Open TargetMic ", "*.dat|*.dat");
  OpenDialog2 = open("Open SourceMic", "*.dat|*.dat");
  SaveDialog1 = save("Save Project", "*.prj|*.prj", "prj");
  OpenDialog14 = open("Load Project", "*.prj|*.prj", "prj");
  OpenDialog13 = open("", "*.prj|*.prj", "prj");
  for (int s = 0; s < 10; ++s)
    SlotOpenDialog[s] = open(QString("Open EQ%1 Project").arg(s), "*.prj|*.prj");
  SaveDialog2 = save("Save Pic File", "*.log|*.log", "log");
  SaveDialog3 = save("Save Target Curve", "*.flt|*.flt", "flt");
  SaveDialog4 = save("Save Target+ManualEQ Curve", "*.flt|*.flt", "flt");
  SaveDialog5 = save("Save ManualEQ Curve", "*.flt|*.flt", "flt");
}

}  // namespace calyxon
