// What File > Save of the main screen writes: one network-file line per detected receiver,
// built from the slot tables and from live queries of each receiver, in slot order.
//
// Per slot s = 1..ReceiverCount (at most 64):
//  1. model, address, name, group, channel and frequency code as the slot tables hold them;
//  2. the squelch query "%" + address + "F" + the squelch level held + CR (empty after
//     start-up; protocol::SquelchQuery puts "01" in place of a text that is not up to two
//     hexadecimal digits); a reply whose characters 2-3 are the address and whose
//     characters 6-7 are two hexadecimal digits gives SquelchMax, SquelchLevel and
//     SquelchThreshold (characters 4-5, 6-7, 8-9) and the level is written; without one the
//     level held is "1" and the field written "01", two digits, so that the line keeps its
//     widths and a load takes it back;
//  3. QueryState of the slot; the status digit is (the status character's code AND 3) of
//     the slot's status as it now stands in ReceiverStatus (the reply's, or the slot's own
//     value when no reply came);
//  4. second model: the YES/NO digit "0" when bit 0x20 of that character is set, else "1";
//     then QueryEqPreset; without a reply (or with a preset that is not two decimal digits)
//     the preset the receiver last reported or was given (KnownEqPresets), or "01", the
//     preset display's first text, when none is known.
// Names, groups, channels and models are written as held; a control byte that a receiver
// sent in one becomes a blank (FormatNetworkLine), so every line keeps its width.
//
// The caller switches polling and blinking off around the gathering and on again however it
// ends; an exception of QueryState (a missing mute picture) ends the gathering.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "vondrix/buslink/BusLink.h"
#include "vondrix/network/NetworkFile.h"
#include "vondrix/network/ReceiverState.h"

namespace vondrix {

// The queries a save runs besides its own squelch query.
class NetworkSaveQueries {
 public:
  virtual ~NetworkSaveQueries() = default;
  // The main screen's QueryState of the slot (ReceiverQueries::QueryState).
  virtual void QueryState(int slot) = 0;
  // The second detail window's QueryEqPreset for the receiver at address (its address
  // control set to it first): the preset number it now shows, or nothing when no valid reply
  // came.
  virtual std::optional<std::string> QueryEqPreset(const std::string& address) = 0;
};

// The lines of the network file of the receivers in the slot tables.
std::vector<std::string> GatherNetworkLines(BusLink& bus, SlotTables& tables,
                                            CurrentReceiver& current, KnownEqPresets& presets,
                                            NetworkSaveQueries& queries);

}  // namespace vondrix
