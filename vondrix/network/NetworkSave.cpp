#include "vondrix/network/NetworkSave.h"

#include <algorithm>

#include "vondrix/buslink/Protocol.h"

namespace vondrix {

namespace {

// Held when the squelch query gets no reply; written in the field's two digits ("01").
const char* const kSquelchNoReply = "1";
// Written for a preset never reported: what the preset display shows before any query.
const char* const kPresetFallback = "01";

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The squelch query of the save; leaves the level to write in current.SquelchLevel.
void QuerySquelchLevel(BusLink& bus, CurrentReceiver& current, const std::string& address) {
  const std::string reply = bus.Transact(protocol::SquelchQuery(address, current.SquelchLevel));
  current.SquelchLevel = kSquelchNoReply;
  if (!protocol::EchoMatches(reply, address)) return;
  const std::string level = protocol::Field(reply, 6, 2);
  if (!IsHexDigits(level, 2)) return;  // cut short or garbled: no level to keep
  current.SquelchMax = protocol::Field(reply, 4, 2);
  current.SquelchLevel = level;
  current.SquelchThreshold = protocol::Field(reply, 8, 2);
}

}  // namespace

std::vector<std::string> GatherNetworkLines(BusLink& bus, SlotTables& tables,
                                            CurrentReceiver& current, KnownEqPresets& presets,
                                            NetworkSaveQueries& queries) {
  std::vector<std::string> lines;
  const int count = std::min(tables.ReceiverCount, kMaxSlots);
  for (int s = 1; s <= count; ++s) {
    NetworkLine line;
    line.ModelCode = tables.ReceiverModel[s];
    line.Address = tables.ReceiverAddress[s];
    line.NameField = tables.ReceiverName[s];
    line.Group = tables.ReceiverGroup[s];
    line.Channel = tables.ReceiverChannel[s];  // a held "10" is written "0"
    line.FrequencyCode = tables.ReceiverFrequencyCode[s];

    const std::string address = Trimmed(tables.ReceiverAddress[s]);
    QuerySquelchLevel(bus, current, address);
    line.SquelchField = current.SquelchLevel;

    queries.QueryState(s);
    const std::string& status = tables.ReceiverStatus[s];
    const unsigned code = status.empty() ? 0u : static_cast<unsigned char>(status[0]);
    line.StatusBits = std::to_string(code & 3);

    if (line.ModelCode == "Z3K") {
      line.QSetting = (code & 0x20) ? "0" : "1";
      // A garbled reply counts as none: the line must load again.
      const std::optional<std::string> preset = queries.QueryEqPreset(address);
      if (preset && IsDecimalDigits(*preset, 2)) presets.byAddress[address] = *preset;
      auto known = presets.byAddress.find(address);
      line.EqPreset = known != presets.byAddress.end() ? known->second : kPresetFallback;
    }
    lines.push_back(FormatNetworkLine(line));
  }
  return lines;
}

}  // namespace vondrix
