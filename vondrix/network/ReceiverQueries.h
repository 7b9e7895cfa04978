// The main program's receiver queries: each sends once through the bus link, reads once
// when the line went out, and leaves every value as it was when no reply came. Retries
// belong to the callers. What a reply changes on the main screen goes through PanelView, so
// the queries know no widget.
#pragma once

#include <stdexcept>
#include <string>

#include "vondrix/buslink/BusLink.h"
#include "vondrix/network/ReceiverState.h"

namespace vondrix {

// A mute picture that cannot be loaded; what() names the file and what to do.
class MuteGlyphMissing : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The main screen as the queries and status parsers see it.
class PanelView {
 public:
  virtual ~PanelView() = default;
  // Name line := text, made visible, white on green.
  virtual void ShowNameLine(int slot, const std::string& text) = 0;
  // Mute glyph of slot HoveredSlot (and the detail windows' mute buttons) from status s.
  // A picture that cannot be loaded throws MuteGlyphMissing and changes no glyph, so the
  // query that called it stops there.
  virtual void SetMuteGlyph(const std::string& s) = 0;
  virtual void SetBar(int slot, int bar, int position) = 0;
  virtual void ShowBatteryQ5V(int slot, int code) = 0;
  virtual void ShowAfLevelQ5V(int slot, int value) = 0;
  virtual void SetStatusLine(int slot, const std::string& text) = 0;
  // "Error ! Check Receiver's Address", then the program ends (no broadcast, no region
  // write).
  virtual void AddressError() = 0;
};

// True when a receiver of this firmware answers the group table query in the new form
// (firmware 1.2 on, both models): one channel count for all groups.
bool NewGroupTableForm(const std::string& firmwareVersion);

// The group table reply of the new form (firmware 1.2 on): characters 4-5 -> GroupCount as
// received, 6-7 -> ChannelsPerGroup[0], converted strictly (the run time's conversion error
// otherwise, GroupCount then already set).
void ReadNewGroupTable(const std::string& reply, CurrentReceiver& current);

class ReceiverQueries {
 public:
  ReceiverQueries(BusLink& bus, SlotTables& tables, CurrentReceiver& current, PanelView& view)
      : bus_(bus), slots_(tables), cur_(current), view_(view) {}

  // True when a reply came (whatever it held): without one, CurrentModel and the
  // calibration still describe the receiver identified before.
  bool IdentifyReceiver(int slot);
  void QueryState(int slot);
  void SendMute(const std::string& v);  // to slot HoveredSlot
  // The mute buttons (main screen and detail windows): HoveredSlot := slot, QueryState,
  // then mute a receiver whose status says unmuted ("1", CurrentStatus "2") and unmute a
  // muted one ("0", CurrentStatus "1"). Without a state reply the decision rests on the
  // CurrentStatus held from before.
  void ToggleMute(int slot);
  void QueryName(int slot);
  // Group and channel; the reply's layout (short or wide) is told by its length.
  void QueryGroupChannel(int slot);
  void QueryFrequency(int slot);
  void QueryBandStart(int slot);
  void QueryGroupTable(int slot);
  void QueryBandSteps(int slot);
  void SendDiversityMode(int slot);
  void PollStatus(int slot);

  // The status reply in CommandBuffer, by model.
  void ParseStatusQ5V(int slot, const std::string& reply);
  void ParseStatusZ3K(int slot, const std::string& reply);
  // Parses reply by CurrentModel; other models are ignored.
  void ParseStatus(int slot, const std::string& reply);

 private:
  // Sends line to the slot's receiver; the reply, or "" when none came.
  std::string Ask(const std::string& line);
  const std::string& AddressOf(int slot) const { return slots_.ReceiverAddress[slot]; }

  BusLink& bus_;
  SlotTables& slots_;
  CurrentReceiver& cur_;
  PanelView& view_;
};

}  // namespace vondrix
