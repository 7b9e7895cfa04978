// What the program knows about the receivers: the slot tables (one entry per detected
// receiver, slots 1..64 in detection order) and the current-receiver values, which always
// describe the receiver queried last.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vondrix {

constexpr int kMaxSlots = 64;
constexpr int kTableSize = 70;  // entries 1..64 are used

struct SlotTables {
  SlotTables() {
    for (auto* t : {&ReceiverAddress, &ReceiverModel, &ReceiverName, &ReceiverGroup,
                    &ReceiverChannel, &ReceiverFrequencyCode, &ReceiverStatus})
      t->fill("0");
    ReceiverOffline.fill(0);
  }

  std::array<std::string, kTableSize> ReceiverAddress;
  std::array<std::string, kTableSize> ReceiverModel;
  std::array<std::string, kTableSize> ReceiverName;
  std::array<std::string, kTableSize> ReceiverGroup;
  std::array<std::string, kTableSize> ReceiverChannel;
  std::array<std::string, kTableSize> ReceiverFrequencyCode;
  std::array<std::string, kTableSize> ReceiverStatus;
  std::array<int32_t, kTableSize> ReceiverOffline;

  int32_t ReceiverCount = 0;
  // What the last detection found: a load counts the file's lines but never more than these,
  // so that a load of the whole network's file brings back what a shorter one left out.
  int32_t DetectedReceiverCount = 0;
  int32_t HoveredSlot = 0;
  std::string HoveredAddress;
  int32_t SelectedSlot = 0;
  int32_t AddressErrorCount = 0;  // never reset
};

struct CurrentReceiver {
  std::string CurrentModel;  // "Q5V", "Z3K" or "" for any other code
  int32_t RfCalLowA = 0, RfCalLowB = 0, RfCalHighA = 0, RfCalHighB = 0;
  std::string FirmwareVersion;  // "1.4A"
  std::string StatusChar, CurrentStatus;
  std::string BandName;
  std::string CurrentName;
  std::string CurrentGroup, CurrentChannel;
  std::string CurrentFrequency;
  std::string BandStartCode;
  int32_t BandStepCount = 0;
  std::string GroupCount;
  std::array<int32_t, 17> ChannelsPerGroup{};
  std::string SquelchLevel, SquelchMax, SquelchThreshold;
};

}  // namespace vondrix
