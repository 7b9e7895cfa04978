#include "vondrix/network/ReceiverQueries.h"

#include "vondrix/buslink/Protocol.h"
#include "vondrix/network/StatusMath.h"

namespace vondrix {

using protocol::Field;
using protocol::HexOr;
using protocol::HexStrict;

bool NewGroupTableForm(const std::string& firmwareVersion) {
  return protocol::FirmwareNumber(firmwareVersion) >= 1.2;
}

void ReadNewGroupTable(const std::string& reply, CurrentReceiver& current) {
  current.GroupCount = Field(reply, 4, 2);
  current.ChannelsPerGroup[0] = HexStrict(Field(reply, 6, 2));
}

std::string ReceiverQueries::Ask(const std::string& line) {
  return bus_.Transact(line);
}

bool ReceiverQueries::IdentifyReceiver(int slot) {
  std::string r = Ask(protocol::Query(AddressOf(slot), 'A'));
  if (r.empty()) return false;
  std::string model = Field(r, 4, 3);
  cur_.CurrentModel = model;
  slots_.ReceiverModel[slot] = model;
  if (model == "Q5V" || model == "Z3K") {
    cur_.RfCalLowA = HexOr(Field(r, 7, 2), 1);
    cur_.RfCalLowB = HexOr(Field(r, 9, 2), 1);
    cur_.RfCalHighA = HexOr(Field(r, 11, 2), 40);
    cur_.RfCalHighB = HexOr(Field(r, 13, 2), 40);
    if (cur_.RfCalLowA == 1 && cur_.RfCalLowB == 1 && cur_.RfCalHighA == 40 &&
        cur_.RfCalHighB == 40) {
      slots_.AddressErrorCount += 1;
      if (slots_.AddressErrorCount >= 1) view_.AddressError();
    }
    return true;
  }
  cur_.RfCalLowA = 1;
  cur_.RfCalLowB = 1;
  cur_.RfCalHighA = 10;
  cur_.RfCalHighB = 10;
  cur_.CurrentModel.clear();
  return true;
}

void ReceiverQueries::QueryState(int slot) {
  std::string r = Ask(protocol::Query(AddressOf(slot), 'B'));
  if (r.empty()) return;
  cur_.FirmwareVersion = Field(r, 4, 1) + "." + Field(r, 5, 2);
  cur_.StatusChar = Field(r, 7, 1);
  slots_.HoveredSlot = slot;
  cur_.CurrentStatus = cur_.StatusChar;
  slots_.ReceiverStatus[slot] = cur_.StatusChar;
  view_.SetMuteGlyph(cur_.CurrentStatus);
  cur_.BandName = Field(r, 8, 2);
}

void ReceiverQueries::SendMute(const std::string& v) {
  const std::string& a = AddressOf(slots_.HoveredSlot);
  std::string r = Ask(protocol::Mute(a, v));
  if (protocol::EchoMatches(r, a)) view_.SetMuteGlyph(cur_.CurrentStatus);
}

void ReceiverQueries::ToggleMute(int slot) {
  slots_.HoveredSlot = slot;
  QueryState(slot);
  std::string& status = cur_.CurrentStatus;
  const int m = (status.empty() ? 0 : static_cast<unsigned char>(status[0])) & 3;
  if (m <= 1) {
    status = "2";
    SendMute("1");
  } else {
    status = "1";
    SendMute("0");
  }
}

void ReceiverQueries::QueryName(int slot) {
  std::string r = Ask(protocol::Query(AddressOf(slot), 'C'));
  if (r.empty()) return;
  std::string name = Field(r, 4, 6);
  view_.ShowNameLine(slot, AddressOf(slot) + " " + name);
  cur_.CurrentName = name;
  slots_.ReceiverName[slot] = name;
}

void ReceiverQueries::QueryGroupChannel(int slot) {
  protocol::GroupChannel gc =
      protocol::ParseGroupChannel(Ask(protocol::Query(AddressOf(slot), 'D')));
  if (!gc.valid) return;
  cur_.CurrentGroup = slots_.ReceiverGroup[slot] = gc.group;
  cur_.CurrentChannel = slots_.ReceiverChannel[slot] = gc.channel;
}

void ReceiverQueries::QueryFrequency(int slot) {
  std::string r = Ask(protocol::Query(AddressOf(slot), 'E'));
  if (r.empty()) return;
  cur_.CurrentFrequency = slots_.ReceiverFrequencyCode[slot] = Field(r, 4, 4);
}

void ReceiverQueries::QueryBandStart(int slot) {
  std::string r = Ask(protocol::Query(AddressOf(slot), 'I'));
  if (!r.empty()) cur_.BandStartCode = Field(r, 4, 4);
}

void ReceiverQueries::QueryGroupTable(int slot) {
  const bool newForm = NewGroupTableForm(cur_.FirmwareVersion);
  std::string r = Ask(protocol::Query(AddressOf(slot), 'H'));
  if (r.empty()) return;
  if (newForm) {
    ReadNewGroupTable(r, cur_);
    return;
  }
  cur_.GroupCount = Field(r, 4, 1);
  const int groups = HexStrict(cur_.GroupCount);
  for (int i = 1; i <= groups && i <= 15; ++i) {
    std::string c = Field(r, 4 + i, 1);
    if (c.empty()) continue;
    if (c == "0") {
      cur_.ChannelsPerGroup[i] = 16;
    } else if ((c[0] >= '1' && c[0] <= '9') || (c[0] >= 'A' && c[0] <= 'F')) {
      cur_.ChannelsPerGroup[i] = HexStrict(c);
    }
  }
}

void ReceiverQueries::QueryBandSteps(int slot) {
  std::string r = Ask(protocol::Query(AddressOf(slot), 'J'));
  if (!r.empty()) cur_.BandStepCount = HexStrict(Field(r, 4, 4));
}

void ReceiverQueries::SendDiversityMode(int slot) {
  Ask(protocol::Diversity(AddressOf(slot)));
}

void ReceiverQueries::PollStatus(int slot) {
  std::string r = Ask(protocol::Query(AddressOf(slot), 'N'));
  if (!r.empty()) ParseStatus(slot, r);
}

void ReceiverQueries::ParseStatus(int slot, const std::string& reply) {
  if (cur_.CurrentModel == "Q5V") ParseStatusQ5V(slot, reply);
  if (cur_.CurrentModel == "Z3K") ParseStatusZ3K(slot, reply);
}

void ReceiverQueries::ParseStatusQ5V(int slot, const std::string& r) {
  view_.ShowAfLevelQ5V(slot, HexOr(Field(r, 4, 2), 1));
  view_.SetBar(slot, 0, RfBarQ5V(HexOr(Field(r, 6, 2), 100), cur_.RfCalLowA, cur_.RfCalHighA));
  view_.SetBar(slot, 1, RfBarQ5V(HexOr(Field(r, 8, 2), 100), cur_.RfCalLowB, cur_.RfCalHighB));
  view_.ShowBatteryQ5V(slot, HexOr(Field(r, 10, 2), 1));
}

void ReceiverQueries::ParseStatusZ3K(int slot, const std::string& r) {
  view_.SetBar(slot, 0, HexOr(Field(r, 4, 2), 1));
  view_.SetBar(slot, 1, RfBarZ3K(HexOr(Field(r, 6, 2), 1), cur_.RfCalLowA, cur_.RfCalHighA));
  const int antenna = HexOr(Field(r, 8, 2), 55);
  if (antenna == 55) {
    slots_.AddressErrorCount += 1;
    if (slots_.AddressErrorCount >= 2) view_.AddressError();
  }
  view_.SetStatusLine(slot, AntennaLetterZ3K(antenna));
  int battery = HexOr(Field(r, 10, 2), 0);
  if (battery > 5) battery = 0;
  view_.SetBar(slot, 2, battery);
}

}  // namespace vondrix
