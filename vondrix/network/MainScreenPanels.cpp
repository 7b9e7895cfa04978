// The main screen's receiver panels: the two layouts, the screens and views, the hit test
// and the panel buttons.
#include <QFont>
#include <algorithm>

#include "platform/Paths.h"
#include "runtime/Convert.h"
#include "vondrix/network/DisplaySelectForm.h"
#include "vondrix/network/MainScreen.h"
#include "vondrix/network/NameLineFace.h"
#include "vondrix/network/Program.h"
#include "vondrix/network/ReplyText.h"
#include "vondrix/network/StatusMath.h"

namespace vondrix {
namespace {

forms::Label* captionLabel(QWidget* parent, int left, int top, const char* text) {
  auto* l = new forms::Label(parent);
  l->setBounds(left, top, 0, 0);
  l->setCaption(text);
  return l;
}

forms::ProgressBar* bar(QWidget* parent, QRect r, forms::BarOrientation o, bool smooth, int max) {
  auto* b = new forms::ProgressBar(parent);
  b->setBounds(r.x(), r.y(), r.width(), r.height());
  b->setOrientation(o);
  b->setSmooth(smooth);
  b->setMin(0);
  b->setMax(max);
  b->setPosition(0);
  return b;
}

forms::Shape* lamp(QWidget* parent, int left, int top) {
  auto* s = new forms::Shape(parent);
  s->setBounds(left, top, 10, 10);
  s->setShape(forms::stCircle);
  s->setBrushColor(forms::clLime);
  s->hide();
  return s;
}

forms::Label* nameLine(QWidget* parent) {
  auto* l = new forms::Label(parent);
  l->setAutoSize(false);
  l->setBounds(5, 1, 70, 10);
  const NameLineFace face = NameLineFaceHere();
  l->setFontName(face.fontName);
  l->setFontHeight(face.pixels);
  l->setAlignment(forms::taCenter);
  l->hide();
  return l;
}

}  // namespace

void TForm1::AddPanelButtons(int slot, QRect mute, QPoint more) {
  auto* m = new forms::BitBtn(PanelTable[slot]);
  m->setBounds(mute.x(), mute.y(), mute.width(), mute.height());
  auto* d = new forms::BitBtn(PanelTable[slot]);
  d->setBounds(more.x(), more.y(), 18, 18);
  d->setCaption("...");
  PanelButtons[slot] = {m, d};
  AttachPanelEvents(slot);
}

void TForm1::AttachPanelEvents(int slot) {
  auto move = [this](auto...) { FormMouseMove(); };
  PanelTable[slot]->OnMouseMove = move;
  forms::Label* name = PanelLabels[slot][0];
  name->OnMouseMove = move;
  name->OnDblClick = [this] { NameLabelDblClick(); };
  name->OnMouseDown = [this](forms::MouseButton b, auto...) { NameLabelMouseDown(b); };
  PanelButtons[slot][0]->OnMouseMove = move;
  PanelButtons[slot][1]->OnMouseMove = move;
  PanelButtons[slot][0]->OnClick = [this] { BitBtn1Click(); };
  PanelButtons[slot][1]->OnClick = [this] { BitBtn2Click(); };
}

// Creates the slot's panel at the builders' running position and advances it (8 a row).
static forms::Panel* newPanel(QWidget* form, NetworkState& net, int width) {
  auto* p = new forms::Panel(form);
  p->setBounds(net.PanelColumn * width - width, net.PanelRow * 80, width, 80);
  p->setDoubleBuffered(true);
  p->hide();
  if (net.PanelColumn > 7) {
    net.PanelColumn = 0;
    net.PanelRow += 1;
  }
  net.PanelColumn += 1;
  return p;
}

void TForm1::BuildPanelQ5V(int slot) {
  forms::Panel* p = newPanel(this, program_.Net, 80);
  PanelTable[slot] = p;
  PanelLabels[slot][0] = nameLine(p);
  auto* status = new forms::Label(p);
  status->setBounds(62, 22, 20, 10);
  status->setFontSize(8);
  status->setColor(forms::clWhite);
  status->setAlignment(forms::taCenter);
  status->hide();
  PanelLabels[slot][1] = status;
  PanelBars[slot][0] = bar(p, {2, 22, 12, 40}, forms::pbVertical, true, 100);
  PanelBars[slot][1] = bar(p, {17, 22, 12, 40}, forms::pbVertical, true, 100);
  PanelBars[slot][2] = bar(p, {32, 22, 12, 40}, forms::pbVertical, true, 127);
  PanelLeds[slot] = {lamp(p, 49, 24), lamp(p, 49, 36), lamp(p, 49, 48)};
  captionLabel(p, 4, 62, "A");
  captionLabel(p, 19, 62, "B");
  captionLabel(p, 30, 62, "AF");
  captionLabel(p, 62, 35, "RF");
  captionLabel(p, 62, 45, "Pilot");
  AddPanelButtons(slot, {47, 59, 18, 18}, {68, 59});
}

void TForm1::BuildPanelZ3K(int slot) {
  forms::Panel* p = newPanel(this, program_.Net, 90);
  p->setCaption(QString::number(slot));
  p->setAlignment(forms::taLeftJustify);
  PanelTable[slot] = p;
  PanelLabels[slot][0] = nameLine(p);
  auto* status = new forms::Label(p);
  status->setAutoSize(false);
  status->setBounds(4, 57, 20, 15);
  status->setFontSize(8);
  status->setFontBold(true);
  status->setColor(forms::rgb(166, 202, 240));
  status->setAlignment(forms::taCenter);
  PanelLabels[slot][1] = status;
  PanelBars[slot][0] = bar(p, {22, 41, 45, 12}, forms::pbHorizontal, false, 6);
  PanelBars[slot][1] = bar(p, {22, 24, 45, 12}, forms::pbHorizontal, true, 150);
  PanelBars[slot][2] = bar(p, {73, 23, 11, 32}, forms::pbVertical, false, 5);
  auto* cap = new forms::StaticText(p);  // the battery's terminal, drawn over bar 2
  cap->setBounds(76, 21, 5, 3);
  cap->setBevelKind(forms::bkSoft);
  auto* bt = new forms::Label(p);
  bt->setAutoSize(false);
  bt->setBounds(72, 57, 15, 15);
  bt->setCaption("BT");
  captionLabel(p, 1, 38, "AF")->setAlignment(forms::taRightJustify);
  captionLabel(p, 1, 22, "RF")->setAlignment(forms::taRightJustify);
  PanelLeds[slot] = {lamp(p, 9, 22), lamp(p, 9, 22), lamp(p, 9, 22)};
  AddPanelButtons(slot, {28, 56, 19, 18}, {49, 56});
}

void TForm1::ShowScreen(int first) {
  const int other = first == 1 ? 33 : 1;
  const int count = program_.Slots.ReceiverCount;
  const bool hideUnused = HideUnusedPanel1->checked();
  for (int k = 1; k <= 32; ++k) {
    const int slot = first + k - 1;
    if (forms::Panel* o = PanelTable[other + k - 1]) {
      o->hide();
      o->setEnabled(false);
    }
    forms::Panel* p = PanelTable[slot];
    if (!p) continue;
    p->setBounds((k - 1) % 8 * 90, (k - 1) / 8 * 80, 90, 80);
    if (hideUnused && slot > count) {
      p->hide();
      p->setEnabled(false);
    } else {
      p->show();
      p->setEnabled(slot <= count);
    }
  }
  setOuterSize(730, 410);
  Button2->show();
  Button3->show();
  Button2->setFontName(first == 1 ? "@System" : "MS Sans Serif");
  Button3->setFontName(first == 1 ? "MS Sans Serif" : "@System");
}

void TForm1::ShowScreen1() {
  ShowScreen(1);
}
void TForm1::ShowScreen2() {
  ShowScreen(33);
}

void TForm1::PlaceOnFullGrid(int slot) {
  if (forms::Panel* p = PanelTable[slot])
    p->setBounds((slot - 1) % 8 * 90, (slot - 1) / 8 * 80, 90, 80);
}

void TForm1::ClearPanel(int slot) {
  if (!PanelTable[slot]) return;
  for (int b = 0; b < 3; ++b) SetBar(slot, b, 0);
  PanelLabels[slot][0]->hide();
  PanelLabels[slot][1]->hide();
  for (forms::Shape* led : PanelLeds[slot]) led->hide();
  PanelButtons[slot][0]->clearGlyph();
}

void TForm1::ShowSlotsWithoutReceiver(int first, int last) {
  for (int slot = std::max(first, 1); slot <= std::min(last, kMaxSlots); ++slot) {
    forms::Panel* p = PanelTable[slot];
    if (!p) continue;
    ClearPanel(slot);
    p->setEnabled(false);
    if (HideUnusedPanel1->checked()) p->hide();
  }
}

void TForm1::ShowSlotsWithReceiver(int first, int last) {
  SlotTables& t = program_.Slots;
  const int hovered = t.HoveredSlot;
  ScopeExit back([&t, hovered] { t.HoveredSlot = hovered; });
  for (int slot = std::max(first, 1); slot <= std::min(last, kMaxSlots); ++slot) {
    forms::Panel* p = PanelTable[slot];
    if (!p) continue;
    if (HideUnusedPanel1->checked()) p->show();
    p->setEnabled(!p->isHidden());
    ShowNameLine(slot, t.ReceiverAddress[slot] + " " + t.ReceiverName[slot]);
    t.HoveredSlot = slot;
    SetMuteGlyph(t.ReceiverStatus[slot]);
  }
}

void TForm1::FullView1Click() {
  setLeft(150);
  setTop(20);
  if (FullView1->checked()) {
    FullView1->setChecked(false);
    ShowScreen1();
    return;
  }
  const int count = program_.Slots.ReceiverCount;
  for (int slot = 1; slot <= kMaxSlots; ++slot) {
    PlaceOnFullGrid(slot);
    if (forms::Panel* p = PanelTable[slot])
      p->setVisible(!(HideUnusedPanel1->checked() && slot > count));
  }
  FullView1->setChecked(true);
  setOuterSize(730, 690);
  Button2->hide();
  Button3->hide();
}

void TForm1::HideUnusedPanel1Click() {
  const int count = program_.Slots.ReceiverCount;
  if (HideUnusedPanel1->checked()) {
    HideUnusedPanel1->setChecked(false);
    if (FullView1->checked()) {
      for (int slot = 1; slot <= kMaxSlots; ++slot) {
        PlaceOnFullGrid(slot);
        if (PanelTable[slot]) PanelTable[slot]->show();
      }
    } else {
      ShowScreen1();
    }
    return;
  }
  for (int slot = 1; slot <= kMaxSlots; ++slot) {
    PlaceOnFullGrid(slot);
    if (PanelTable[slot] && slot > count) PanelTable[slot]->hide();
  }
  HideUnusedPanel1->setChecked(true);
}

void TForm1::FormMouseMove() {
  const QPoint at = forms::screenToClient(this, CursorPos());
  for (int slot = 1; slot <= kMaxSlots; ++slot)
    if (PanelTable[slot]) PanelTable[slot]->setCaption(QString::number(slot));
  // Disabled panels are skipped, hidden ones are not: the window finder's rule.
  QWidget* hit = forms::childWindowFromPoint(this, at, true, false);
  SlotTables& t = program_.Slots;
  t.HoveredSlot = runtime::StrToIntDef(hit ? forms::windowText(hit) : QString(), 0);
  if (t.HoveredSlot >= 1 && t.HoveredSlot <= kMaxSlots && t.HoveredSlot <= t.ReceiverCount) {
    t.HoveredAddress = t.ReceiverAddress[t.HoveredSlot];
    t.SelectedSlot = t.HoveredSlot;
  } else {
    t.HoveredAddress.clear();
  }
  for (int slot = 1; slot <= kMaxSlots; ++slot)
    if (PanelTable[slot]) PanelTable[slot]->setCaption("");
}

void TForm1::NameLabelMouseDown(forms::MouseButton button) {
  TForm6* popup = program_.Form6;
  if (button != forms::mbRight) {
    popup->close();
    return;
  }
  const QPoint at = CursorPos();
  popup->setLeft(at.x());
  popup->setTop(at.y());
  popup->show();
}

void TForm1::FormMouseDown() {
  program_.Form6->close();
}

void TForm1::BitBtn1Click() {
  SlotTables& t = program_.Slots;
  if (program_.DesignerRunning() || t.HoveredAddress.empty()) return;
  Queries.ToggleMute(t.HoveredSlot);
}

void TForm1::BitBtn2Click() {
  SlotTables& t = program_.Slots;
  if (program_.DesignerRunning() || t.HoveredAddress.empty()) return;
  program_.CloseDetailWindows();
  const std::string& model = t.ReceiverModel[t.HoveredSlot];
  // Polling pauses only for a window that really opens.
  // One window per click: the opener's identify may rewrite the model it was chosen by.
  if (model == "Q5V" && OpenDetailQ5V)
    OpenDetail(OpenDetailQ5V);
  else if (model == "Z3K" && OpenDetailZ3K)
    OpenDetail(OpenDetailZ3K);
}

void TForm1::OpenDetail(const std::function<void()>& opener) {
  program_.Net.PollingEnabled = 0;
  try {
    opener();
  } catch (...) {
    program_.Net.PollingEnabled = 1;
    throw;
  }
}

void TForm1::SetMuteGlyph(const std::string& s) {
  ExeFolder = program_.ProgramFolder;
  const int m = (s.empty() ? 0 : static_cast<unsigned char>(s[0])) & 3;
  const std::string file = ExeFolder + (m <= 1 ? "sp_on.bmp" : "sp_off.bmp");
  QImage glyph;
  try {
    glyph = forms::loadBitmapFile(QString::fromStdString(file));
  } catch (const std::exception& e) {
    throw MuteGlyphMissing(std::string(e.what()) +
                           ". The mute pictures sp_on.bmp and sp_off.bmp belong beside the "
                           "program: install it again");
  }
  const int slot = program_.Slots.HoveredSlot;
  if (slot >= 1 && slot <= kMaxSlots && PanelButtons[slot][0])
    PanelButtons[slot][0]->setGlyph(glyph);
  program_.SetDetailMuteGlyphs(glyph);
}

void TForm1::ShowNameLine(int slot, const std::string& text) {
  forms::Label* line = PanelLabels[slot][0];
  if (!line) return;
  line->setCaption(ReplyText(text));
  line->show();
  line->setFontColor(forms::clWhite);
  line->setColor(forms::clGreen);
}

void TForm1::SetBar(int slot, int index, int position) {
  if (forms::ProgressBar* b = PanelBars[slot][index]) b->setPosition(position);
}

void TForm1::SetStatusLine(int slot, const std::string& text) {
  if (forms::Label* l = PanelLabels[slot][1]) l->setCaption(ReplyText(text));
}

void TForm1::ShowBatteryQ5V(int slot, int code) {
  if (!PanelLabels[slot][1]) return;
  const BatteryView v = BatteryQ5V(code);
  PanelLabels[slot][1]->setCaption(QString::fromStdString(v.text));
  if (v.off) PanelLabels[slot][1]->show();
  PanelLeds[slot][0]->setVisible(!v.off);
  PanelLeds[slot][1]->setBrushColor(v.off ? forms::clRed : forms::clLime);
  PanelLeds[slot][1]->show();
  PanelLeds[slot][2]->show();
}

void TForm1::ShowAfLevelQ5V(int slot, int value) {
  SetBar(slot, 2, AfBarQ5V(value));
}

}  // namespace vondrix
