// Detection of the receivers, the 70 ms poll, the offline blink and re-probe, and the two
// commands that start over (Auto Detect Receivers, Reconnect).
#include <utility>

#include "platform/Clock.h"
#include "vondrix/buslink/Protocol.h"
#include "vondrix/network/MainScreen.h"
#include "vondrix/network/Program.h"
#include "vondrix/network/ProgressForm.h"
#include "vondrix/network/ScopeExit.h"

namespace vondrix {

int TForm1::DetectWithBanner() {
  TForm4* progress = program_.Form4;
  progress->Label1->setCaption("Checking Connected Receiver-->" + progress->Label3->caption());
  DetectReceivers();
  return program_.Slots.ReceiverCount;
}

void TForm1::DiscardPanels() {
  for (int slot = 1; slot <= kMaxSlots; ++slot) {
    if (PanelTable[slot]) PanelTable[slot]->deleteLater();
    PanelTable[slot] = nullptr;
    PanelLabels[slot] = {};
    PanelBars[slot] = {};
    PanelLeds[slot] = {};
    PanelButtons[slot] = {};
  }
  NetworkState& net = program_.Net;
  net.PanelColumn = 1;
  net.PanelRow = 0;
  net.PanelsBuilt = false;
}

void TForm1::DetectReceivers() {
  NetworkState& net = program_.Net;
  // Panels of a pass that found nobody are all of the first model; a later port's
  // receivers get panels of their own models instead.
  if (net.PanelsBuilt && panelsFromEmptyPass_) DiscardPanels();
  net.Detecting = true;
  ScopeExit done([&net] { net.Detecting = false; });
  try {
    DetectionPass();
  } catch (...) {
    // A pass that an error cut short counts as one that found nobody, so that no slot
    // whose panel was never built is polled, shown or clicked.
    program_.Slots.ReceiverCount = program_.Slots.DetectedReceiverCount = 0;
    throw;
  }
}

void TForm1::DetectionPass() {
  SlotTables& t = program_.Slots;
  NetworkState& net = program_.Net;
  BusLink& bus = program_.Bus;
  TForm4* progress = program_.Form4;
  bool glyphErrorShown = false;
  t.ReceiverCount = 0;
  for (int i = 1; i <= kMaxSlots; ++i) {
    platform::clock().sleep(10);
    const std::string address = protocol::Address(i);
    // Only a reply counts: a probe that could not be sent finds nobody.
    const std::string reply = bus.Transact(protocol::Probe(address));
    if (protocol::EchoMatches(reply, address)) {
      t.ReceiverCount += 1;
      t.ReceiverAddress[t.ReceiverCount] = protocol::Field(reply, 2, 2);
    }
    progress->ProgressBar1->setPosition(i);
    progress->Label2->setCaption("SKIP    " + QString::number(i * 100 / 64) + "%");
    forms::processMessages();
    if (program_.Ending) break;
    if (progress->ProgressBar1->position() + 1 > 64) break;
  }
  for (int j = 1; j <= t.ReceiverCount && !program_.Ending; ++j) {
    Queries.IdentifyReceiver(j);
    if (program_.Ending) break;
    const std::string& model = program_.Current.CurrentModel;
    if (model != "Q5V" && model != "Z3K") {
      program_.EndProgram();
      break;
    }
    if (!net.PanelsBuilt) {
      if (model == "Q5V") {
        BuildPanelQ5V(j);
      } else {
        BuildPanelZ3K(j);
        Queries.SendDiversityMode(j);
      }
    }
    Queries.PollStatus(j);
    if (program_.Ending) break;
    Queries.QueryName(j);
    QueryStateInSweep(j, glyphErrorShown);
    Queries.QueryFrequency(j);
    Queries.QueryGroupChannel(j);
  }
  if (program_.Ending) return;
  if (!net.PanelsBuilt) {
    for (int slot = t.ReceiverCount + 1; slot <= kMaxSlots; ++slot) BuildPanelQ5V(slot);
    panelsFromEmptyPass_ = t.ReceiverCount == 0;
  }
  net.PanelsBuilt = true;
  t.DetectedReceiverCount = t.ReceiverCount;
  ShowScreen1();
}

void TForm1::QueryStateInSweep(int slot, bool& glyphErrorShown) {
  try {
    Queries.QueryState(slot);
  } catch (const MuteGlyphMissing& e) {
    if (!std::exchange(glyphErrorShown, true)) forms::showException(e);
  }
}

void TForm1::VisitSlot() {
  SlotTables& t = program_.Slots;
  NetworkState& net = program_.Net;
  BusLink& bus = program_.Bus;
  if (net.PollCursor > t.ReceiverCount) {
    net.PollCursor = 1;
    return;
  }
  const int slot = net.PollCursor;
  // The cursor moves on however the visit ends, so that no slot can hold the poll.
  ScopeExit next([&net] { net.PollCursor += 1; });
  if (slot <= kMaxSlots && t.ReceiverOffline[slot] != 1) {
    const bool identified = Queries.IdentifyReceiver(slot);
    if (program_.Ending) return;
    std::string reply;
    for (int attempt = 0; attempt < 3 && reply.empty(); ++attempt) {
      bus.CommandBuffer = protocol::Query(t.ReceiverAddress[slot], 'N');
      bus.SendCommand();
      bus.ReadReply();
      reply = bus.CommandBuffer;
    }
    if (!reply.empty()) {
      // Without this visit's identify the model and calibration at hand are another
      // receiver's: its parser would write wrong bars, texts and lamps into this panel.
      if (identified) Queries.ParseStatus(slot, reply);
    } else {
      t.ReceiverOffline[slot] = 1;
      if (PanelButtons[slot][0]) {
        PanelButtons[slot][0]->setEnabled(false);
        PanelButtons[slot][1]->setEnabled(false);
      }
      Timer2->setEnabled(true);
      for (int b = 0; b < 3; ++b) SetBar(slot, b, 0);
    }
  }
}

void TForm1::Timer1Timer() {
  if (program_.DesignerRunning() || program_.Net.PollingEnabled != 1) return;
  for (int visit = 0; visit < 3 && !program_.Ending; ++visit) VisitSlot();
}

void TForm1::Timer2Timer() {
  if (program_.DesignerRunning()) return;
  const SlotTables& t = program_.Slots;
  for (int slot = 1; slot <= t.ReceiverCount && slot <= kMaxSlots; ++slot) {
    forms::Label* line = PanelLabels[slot][0];
    if (t.ReceiverOffline[slot] != 1 || !line) continue;
    line->setColor(forms::clWhite);
    line->setFontColor(line->fontColor() == forms::clRed ? forms::clSilver : forms::clRed);
  }
}

void TForm1::NameLabelDblClick() {
  SlotTables& t = program_.Slots;
  const int slot = t.HoveredSlot;
  if (t.HoveredAddress.empty() || slot > t.ReceiverCount || slot < 1 ||
      t.ReceiverOffline[slot] != 1)
    return;
  const std::string& address = t.ReceiverAddress[slot];
  if (!protocol::EchoMatches(program_.Bus.Transact(protocol::Probe(address)), address)) return;
  PanelLabels[slot][0]->setFontColor(forms::clWhite);
  PanelLabels[slot][0]->setColor(forms::clGreen);
  PanelButtons[slot][0]->setEnabled(true);
  PanelButtons[slot][1]->setEnabled(true);
  t.ReceiverOffline[slot] = 0;
}

bool TForm1::ResetForDetection() {
  if (program_.DesignerRunning() || program_.Net.Detecting) return false;
  Timer1->setEnabled(false);
  Timer2->setEnabled(false);
  program_.CloseDetailWindows();
  SlotTables& t = program_.Slots;
  t.ReceiverOffline.fill(0);
  program_.Bus.CloseBus();
  for (int slot = 1; slot <= t.ReceiverCount && slot <= kMaxSlots; ++slot) ClearPanel(slot);
  for (int slot = 1; slot <= kMaxSlots; ++slot)
    if (PanelTable[slot]) PanelTable[slot]->hide();
  // The next detection builds new panels for all slots.
  DiscardPanels();
  t.ReceiverCount = t.DetectedReceiverCount = 0;
  return true;
}

void TForm1::AutoDetectReceivers1Click() {
  if (!ResetForDetection()) return;
  RunPortSearch([this] { program_.Bus.OpenBus(*this); });
  if (program_.Ending) return;
  FullView1->setChecked(false);
  ShowScreen1();
}

void TForm1::Reconnect1Click() {
  if (!ResetForDetection()) return;
  RunPortSearch([this] {
    BusLink& bus = program_.Bus;
    if (bus.ReopenSelectedPort() != BusLink::ReopenResult::Ready) return;
    DetectWithBanner();
    if (program_.Ending) return;
    if (program_.Slots.ReceiverCount >= 1)
      Timer1->setEnabled(true);
    else
      bus.CloseBus();
  });
  if (program_.Ending) return;
  FullView1->setChecked(false);
  ShowScreen1();
}

}  // namespace vondrix
