// The detail windows' own exchanges with one receiver, addressed by its two-digit address:
// the status query, the wide group-and-channel query, the squelch query, the EQ preset
// query and the name write. Each sends once through the bus link and reads only when the
// line went out. Plain C++, no widgets.
//
// "Answered" in this module means BusLink::ReplyCame(): the line went out and a reply is
// in CommandBuffer. A query that rejects a reply (wrong address, wrong length, fields that
// are not numbers) empties the buffer, so callers that retry see no answer.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "vondrix/buslink/BusLink.h"
#include "vondrix/detail/DetailState.h"
#include "vondrix/network/ReceiverState.h"

namespace vondrix {

// Runs query up to tries times in a row and stops at the first try that was answered;
// returns whether one was.
bool WithRetries(BusLink& bus, int tries, const std::function<void()>& query);

// The antenna choices of the second model, in the order of its selector.
enum class Antenna { A, Diversity, B };

// What the third byte of a status reply holds.
enum class StatusByte3 { RfB, Direction };

class DetailLink {
 public:
  DetailLink(BusLink& bus, CurrentReceiver& current, DetailState& state)
      : bus_(bus), cur_(current), st_(state) {}

  // "%aaN\r". Accepted only when the reply is 12 characters long, carries the address in
  // characters 2-3 and four 2-digit hexadecimal fields in 4-11: they go to StatusAf,
  // StatusRfA, StatusRfB or StatusDirection, and StatusBattery. Otherwise the buffer is
  // emptied and nothing changes. Never throws.
  bool QueryStatus(const std::string& address, StatusByte3 byte3);

  // "%aaD\r", the wide reply: characters 4-5 -> CurrentGroup, 6-7 -> CurrentChannel, as
  // received. Any reply is taken; the slot tables are not written.
  void QueryDetailGroupChannel(const std::string& address);

  // "%aaF" + SquelchLevel + "\r". A reply with the address in characters 2-3 sets
  // SquelchMax (4-5), SquelchLevel (6-7) and SquelchThreshold (8-9) as received; any other
  // reply is dropped from the buffer.
  void QuerySquelch(const std::string& address);

  // "%aaG\r". A reply with the address in characters 2-3 sets EqPresetMax (4-5) and
  // EqPresetIndex (6-7) and returns true; any other reply is dropped from the buffer.
  bool QueryEqPreset(const std::string& address);

  // "#aaC" + CurrentName (blank-padded to 6) + "\r".
  enum class NameWrite { NotSent, Acknowledged, Refused };
  // Refused: a reply other than exactly "$aa\r", none included.
  NameWrite SendName(const std::string& address);

  // Group, channel and frequency
  // "#aaK" + code + "\r". Acknowledged: a reply exactly 4 characters long, whatever address
  // it carries. Refused: any other reply, none included; the buffer is then emptied.
  enum class TuneAck { NotSent, Acknowledged, Refused };
  TuneAck Tune(const std::string& address, const std::string& code);
  // "#aaD" + group + channel + "\r". The frequency code (reply characters 4-7) of a reply
  // that carries the address; nothing when the line did not go out, no reply came or it
  // carries another address.
  std::optional<std::string> SendGroupChannel(const std::string& address, const std::string& group,
                                              const std::string& channel);
  // "%aaH\r", the new form. Any reply: characters 4-5 -> GroupCount as received, 6-7 ->
  // ChannelsPerGroup[0], converted strictly (the run time's conversion error otherwise,
  // GroupCount then already set).
  void QueryGroupInfo(const std::string& address);

  // Squelch
  // "#aaF" + SquelchLevel + "\r"; true when a reply with the address in characters 2-3 came.
  bool SendSquelch(const std::string& address);

  // Zarn, YES/NO, antenna and EQ preset commands
  // "%aaO\r" (Zarn) and "#aaQ1\r" / "#aaQ0\r" (YES / NO): sent only; the receiver answers
  // none of them, it only goes quiet for a while. False when the line did not go out.
  bool SendZarn(const std::string& address);
  bool SendYesNo(const std::string& address, bool yes);
  // "#aaR2\r" (A), "#aaR0\r" (diversity) or "#aaR1\r" (B); true when a reply came that
  // carries the address in characters 2-3 (the rest is not examined).
  bool SendAntenna(const std::string& address, Antenna antenna);
  // "#aaG" + preset + "\r"; true when a reply came that carries the address (it is not
  // used otherwise, and a missing or wrong reply is not reported).
  bool SendEqPreset(const std::string& address, const std::string& preset);

 private:
  BusLink& bus_;
  CurrentReceiver& cur_;
  DetailState& st_;
};

}  // namespace vondrix
