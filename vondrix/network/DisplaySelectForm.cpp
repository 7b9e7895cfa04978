#include "vondrix/network/DisplaySelectForm.h"
#include "runtime/Convert.h"
#include "runtime/FloatText.h"

#include "vondrix/buslink/Protocol.h"
#include "vondrix/network/MainScreen.h"
#include "vondrix/network/Program.h"
#include "vondrix/network/ReplyText.h"

namespace vondrix {

TForm6::TForm6(Program& program) : program_(program) {
  setCaption("Display Select");
  setBorderStyle(forms::bsSingle);
  setBorderIcons(0);
  setClientSize(175, 57);  // three visible rows
  auto row = [this](int top, const char* text) {
    auto* r = new forms::StaticText(this);
    r->setAutoSize(false);
    r->setBounds(0, top, 175, 17);
    r->setCaption(text);
    return r;
  };
  StaticText1 = row(0, "Show Group and Channel");
  StaticText2 = row(20, "Show Frequency");
  StaticText4 = row(40, "Show Receiver's Address_Name");
  StaticText3 = row(60, "Show Squelch");
  StaticText3->hide();
  rows_ = {StaticText1, StaticText2, StaticText3, StaticText4};
  StaticText1->OnMouseMove = [this](auto...) { StaticText1MouseMove(); };
  StaticText2->OnMouseMove = [this](auto...) { StaticText2MouseMove(); };
  StaticText3->OnMouseMove = [this](auto...) { StaticText3MouseMove(); };
  StaticText4->OnMouseMove = [this](auto...) { StaticText4MouseMove(); };
  StaticText1->OnMouseDown = [this](auto...) { StaticText1MouseDown(); };
  StaticText2->OnMouseDown = [this](auto...) { StaticText2MouseDown(); };
  StaticText3->OnMouseDown = [this](auto...) { StaticText3MouseDown(); };
  StaticText4->OnMouseDown = [this](auto...) { StaticText4MouseDown(); };
}

void TForm6::Highlight(forms::StaticText* row) {
  for (forms::StaticText* r : rows_) {
    r->setColor(r == row ? forms::clBlue : forms::clBtnFace);
    r->setFontColor(r == row ? forms::clWindow : forms::clWindowText);
  }
}

void TForm6::StaticText1MouseDown() {
  close();
  ShowGroupChannel();
}

void TForm6::StaticText2MouseDown() {
  close();
  ShowFrequency();
}

void TForm6::StaticText4MouseDown() {
  close();
  ShowAddressName();
}

void TForm6::SetNameLine(int slot, const QString& text) {
  TForm1* main = program_.Form1;
  if (main && slot <= kMaxSlots && main->PanelLabels[slot][0])
    main->PanelLabels[slot][0]->setCaption(text);
}

void TForm6::ShowGroupChannel() {
  TForm1* main = program_.Form1;
  if (!main) return;
  const SlotTables& t = program_.Slots;
  for (int s = 1; s <= t.ReceiverCount && s <= kMaxSlots; ++s) {
    main->Queries.QueryState(s);
    const std::string& status = program_.Current.StatusChar;
    const int c = (status.empty() ? 0 : static_cast<unsigned char>(status[0])) & 3;
    if (c == 1 || c == 3) {
      SetNameLine(s, "  GR ** CH **");
      continue;
    }
    const int group = protocol::HexStrict(t.ReceiverGroup[s]);
    const int channel = protocol::HexStrict(t.ReceiverChannel[s]);
    SetNameLine(s, "GR " + runtime::IntToStr(group) + " CH " + runtime::IntToStr(channel));
  }
}

void TForm6::ShowFrequency() {
  const SlotTables& t = program_.Slots;
  for (int s = 1; s <= t.ReceiverCount && s <= kMaxSlots; ++s) {
    const int kHz = protocol::HexStrict(t.ReceiverFrequencyCode[s]) * 25;
    SetNameLine(s,
                runtime::FloatToStrF(kHz / 1000.0, runtime::FloatFormat::ffNumber, 7, 3) + "MHZ");
  }
}

void TForm6::ShowAddressName() {
  const SlotTables& t = program_.Slots;
  for (int s = 1; s <= t.ReceiverCount && s <= kMaxSlots; ++s)
    SetNameLine(s, ReplyText(t.ReceiverAddress[s] + "  " + t.ReceiverName[s]));
}

}  // namespace vondrix
