#include "vondrix/detail/DetailLink.h"

#include <array>

#include "runtime/Convert.h"
#include "vondrix/buslink/Protocol.h"
#include "vondrix/network/ReceiverQueries.h"

namespace vondrix {

using protocol::Field;

bool WithRetries(BusLink& bus, int tries, const std::function<void()>& query) {
  for (int i = 0; i < tries; ++i) {
    query();
    if (bus.ReplyCame()) return true;
  }
  return false;
}

bool DetailLink::QueryStatus(const std::string& a, StatusByte3 byte3) {
  const std::string reply = bus_.Transact(protocol::Query(a, 'N'));
  std::array<int32_t, 4> fields{};
  bool accepted = protocol::EchoAnd12(reply, a);
  for (int i = 0; accepted && i < 4; ++i) {
    try {
      fields[i] = protocol::HexStrict(Field(reply, 4 + 2 * i, 2));
    } catch (const runtime::ConversionError&) {
      accepted = false;  // a garbled reply is no answer; a poll tick shows no error box
    }
  }
  if (!accepted) {
    bus_.CommandBuffer.clear();
    return false;
  }
  st_.StatusAf = fields[0];
  st_.StatusRfA = fields[1];
  (byte3 == StatusByte3::RfB ? st_.StatusRfB : st_.StatusDirection) = fields[2];
  st_.StatusBattery = fields[3];
  return true;
}

void DetailLink::QueryDetailGroupChannel(const std::string& a) {
  const std::string reply = bus_.Transact(protocol::Query(a, 'D'));
  if (reply.empty()) return;
  cur_.CurrentGroup = Field(reply, 4, 2);
  cur_.CurrentChannel = Field(reply, 6, 2);
}

void DetailLink::QuerySquelch(const std::string& a) {
  const std::string reply = bus_.Transact(protocol::SquelchQuery(a, cur_.SquelchLevel));
  if (reply.empty()) return;
  if (!protocol::EchoMatches(reply, a)) {
    bus_.CommandBuffer.clear();
    return;
  }
  cur_.SquelchMax = Field(reply, 4, 2);
  cur_.SquelchLevel = Field(reply, 6, 2);
  cur_.SquelchThreshold = Field(reply, 8, 2);
}

bool DetailLink::QueryEqPreset(const std::string& a) {
  const std::string reply = bus_.Transact(protocol::Query(a, 'G'));
  if (reply.empty()) return false;
  if (!protocol::EchoMatches(reply, a)) {
    bus_.CommandBuffer.clear();
    return false;
  }
  st_.EqPresetMax = Field(reply, 4, 2);
  st_.EqPresetIndex = Field(reply, 6, 2);
  return true;
}

DetailLink::NameWrite DetailLink::SendName(const std::string& a) {
  const std::string reply = bus_.Transact(protocol::SetName(a, cur_.CurrentName));
  if (!bus_.LineSent) return NameWrite::NotSent;
  return protocol::ExactAck(reply, a) ? NameWrite::Acknowledged : NameWrite::Refused;
}

// Group, channel and frequency

DetailLink::TuneAck DetailLink::Tune(const std::string& a, const std::string& code) {
  const std::string reply = bus_.Transact(protocol::Tune(a, code));
  if (!bus_.LineSent) return TuneAck::NotSent;
  if (protocol::LengthIs4(reply)) return TuneAck::Acknowledged;
  bus_.CommandBuffer.clear();
  return TuneAck::Refused;
}

std::optional<std::string> DetailLink::SendGroupChannel(const std::string& a,
                                                        const std::string& group,
                                                        const std::string& channel) {
  const std::string reply = bus_.Transact(protocol::SetGroupChannel(a, group, channel));
  if (!protocol::EchoMatches(reply, a)) return std::nullopt;
  return Field(reply, 4, 4);
}

void DetailLink::QueryGroupInfo(const std::string& a) {
  const std::string reply = bus_.Transact(protocol::Query(a, 'H'));
  if (!reply.empty()) ReadNewGroupTable(reply, cur_);
}

// Squelch

bool DetailLink::SendSquelch(const std::string& a) {
  return protocol::EchoMatches(bus_.Transact(protocol::SetSquelch(a, cur_.SquelchLevel)), a);
}

// Zarn, YES/NO, antenna and EQ preset commands

bool DetailLink::SendZarn(const std::string& a) {
  bus_.CommandBuffer = protocol::Query(a, 'O');
  bus_.SendCommand();
  return bus_.LineSent;
}

bool DetailLink::SendYesNo(const std::string& a, bool yes) {
  bus_.CommandBuffer = protocol::Command(a, yes ? "Q1" : "Q0");
  bus_.SendCommand();
  return bus_.LineSent;
}

bool DetailLink::SendAntenna(const std::string& a, Antenna antenna) {
  const char* letters = antenna == Antenna::A ? "R2" : antenna == Antenna::B ? "R1" : "R0";
  return protocol::EchoMatches(bus_.Transact(protocol::Command(a, letters)), a);
}

bool DetailLink::SendEqPreset(const std::string& a, const std::string& preset) {
  return protocol::EchoMatches(bus_.Transact(protocol::Command(a, "G" + preset)), a);
}

}  // namespace vondrix
