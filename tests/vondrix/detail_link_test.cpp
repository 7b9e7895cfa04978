// The detail windows' own exchanges against simulated receivers.
#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "sim/Bus.h"
#include "sim/FakeSerialPort.h"
#include "vondrix/detail/DetailLink.h"

namespace {

using sim::Fault;
using sim::Model;
using namespace vondrix;

class Link : public ::testing::Test {
 protected:
  Link() : scope_(clock_), bus_(backend_), link_(bus_, cur_, st_) {
    backend_.attach("COM1", sim_);
    bus_.SelectedPortName = "COM1";
    bus_.ReopenSelectedPort();
  }
  sim::Receiver& put(Model m, int address) { return sim_.add(sim::Receiver::make(m, address)); }

  platform::VirtualClock clock_;
  platform::ScopedClock scope_;
  sim::Bus sim_;
  sim::FakeSerialBackend backend_;
  BusLink bus_;
  CurrentReceiver cur_;
  DetailState st_;
  DetailLink link_;
};

TEST_F(Link, AStatusReplyIsAcceptedOnlyWhole) {
  auto& r = put(Model::Q5V, 7);
  r.af = 0x12, r.battery = 0x78;
  r.calLowA = r.calLowB = 6, r.calHighA = r.calHighB = 40;
  ASSERT_TRUE(link_.QueryStatus("07", StatusByte3::RfB));
  EXPECT_EQ(sim_.lines().back(), "%07N\r");
  EXPECT_EQ(st_.StatusAf, 0x12);
  EXPECT_EQ(st_.StatusBattery, 0x78);
  EXPECT_TRUE(bus_.ReplyCame());

  struct Row {
    const char* name;
    sim::FaultSpec fault;
  } rows[] = {
      {"another address", {.kind = Fault::WrongAddress, .otherAddress = 8}},
      {"cut short", {.kind = Fault::Short, .shortKeep = 9}},
      {"fields not hexadecimal", {.kind = Fault::Garbage}},
      {"silent", {.kind = Fault::Silent}},
  };
  for (const Row& row : rows) {
    st_ = DetailState{};
    r.fault = row.fault;
    EXPECT_FALSE(link_.QueryStatus("07", StatusByte3::RfB)) << row.name;
    EXPECT_TRUE(bus_.CommandBuffer.empty()) << row.name;
    EXPECT_FALSE(bus_.ReplyCame()) << row.name;
    EXPECT_EQ(st_.StatusAf, 0) << row.name;
  }
}

TEST_F(Link, TheSecondModelsThirdByteIsTheDirection) {
  auto& r = put(Model::Z3K, 7);
  r.directionCode = 27;
  ASSERT_TRUE(link_.QueryStatus("07", StatusByte3::Direction));
  EXPECT_EQ(st_.StatusDirection, 27);
  EXPECT_EQ(st_.StatusRfB, 0);
}

TEST_F(Link, AStatusLineThatDidNotGoOutIsNoAnswer) {
  put(Model::Q5V, 7);
  backend_.setIoFails("COM1", true);
  EXPECT_FALSE(link_.QueryStatus("07", StatusByte3::RfB));
  EXPECT_TRUE(bus_.CommandBuffer.empty());
  bus_.CloseBus();
  EXPECT_FALSE(link_.QueryStatus("07", StatusByte3::RfB));
  EXPECT_TRUE(bus_.CommandBuffer.empty());
}

TEST_F(Link, RetriesStopAtTheFirstAnswer) {
  auto& r = put(Model::Q5V, 7);
  r.fault = {.kind = Fault::Silent, .times = 2};
  int tries = 0;
  EXPECT_TRUE(WithRetries(bus_, 3, [&] {
    ++tries;
    link_.QuerySquelch("07");
  }));
  EXPECT_EQ(tries, 3);
  r.fault = {.kind = Fault::Silent};
  tries = 0;
  EXPECT_FALSE(WithRetries(bus_, 3, [&] {
    ++tries;
    link_.QuerySquelch("07");
  }));
  EXPECT_EQ(tries, 3);
}

// The query carries the level held; a level that a reply cut short leaves is not sent.
TEST_F(Link, ASquelchReplyCutAfterOneLevelDigitPutsNoCrIntoTheNextQuery) {
  auto& r = put(Model::Z3K, 7);
  r.squelchMax = 5, r.squelchLevel = 3;
  r.fault = {.kind = Fault::Short, .times = 1, .shortKeep = 6};  // "$0705" "0" CR
  link_.QuerySquelch("07");
  EXPECT_EQ(cur_.SquelchLevel, "0\r");  // as received: the step buttons report it
  link_.QuerySquelch("07");
  EXPECT_EQ(sim_.lines(), (std::vector<std::string>{"%07F\r", "%07F01\r"}));
  EXPECT_EQ(cur_.SquelchLevel, "03");
}

TEST_F(Link, SquelchAndPresetRepliesOfAnotherReceiverAreDropped) {
  auto& r = put(Model::Z3K, 1);
  r.squelchMax = 5, r.squelchLevel = 3, r.eqPresetHighest = 9, r.eqPreset = 3;
  cur_.SquelchLevel = "02";
  link_.QuerySquelch("01");
  EXPECT_EQ(sim_.lines().back(), "%01F02\r");
  EXPECT_EQ(cur_.SquelchMax, "05");
  EXPECT_EQ(cur_.SquelchLevel, "03");
  EXPECT_TRUE(link_.QueryEqPreset("01"));
  EXPECT_EQ(st_.EqPresetMax, "09");
  EXPECT_EQ(st_.EqPresetIndex, "03");

  r.fault = {.kind = Fault::WrongAddress, .otherAddress = 2};
  r.squelchLevel = 1, r.eqPreset = 5;
  link_.QuerySquelch("01");
  EXPECT_EQ(cur_.SquelchLevel, "03");
  EXPECT_TRUE(bus_.CommandBuffer.empty());
  EXPECT_FALSE(link_.QueryEqPreset("01"));
  EXPECT_EQ(st_.EqPresetIndex, "03");
  EXPECT_TRUE(bus_.CommandBuffer.empty());
}

TEST_F(Link, TheWideGroupChannelReplyIsKeptAsReceived) {
  auto& r = put(Model::Q5V, 7);
  r.firmware = "1.2A", r.group = 3, r.channel = 12;
  link_.QueryDetailGroupChannel("07");
  EXPECT_EQ(cur_.CurrentGroup, "03");
  EXPECT_EQ(cur_.CurrentChannel, "0C");
}

TEST_F(Link, ANameWriteNeedsTheExactAcknowledgement) {
  auto& r = put(Model::Q5V, 7);
  cur_.CurrentName = "AB";
  EXPECT_EQ(link_.SendName("07"), DetailLink::NameWrite::Acknowledged);
  EXPECT_EQ(sim_.lines().back(), "#07CAB    \r");
  EXPECT_EQ(r.name, "AB    ");
  r.fault = {.kind = Fault::WrongAddress, .otherAddress = 1};
  EXPECT_EQ(link_.SendName("07"), DetailLink::NameWrite::Refused);
  r.fault = {.kind = Fault::Silent};
  EXPECT_EQ(link_.SendName("07"), DetailLink::NameWrite::Refused);
  bus_.CloseBus();
  EXPECT_EQ(link_.SendName("07"), DetailLink::NameWrite::NotSent);
}

}  // namespace
