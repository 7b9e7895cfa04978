// The main program's queries and status parsers against simulated receivers.
#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "runtime/Convert.h"
#include "sim/Bus.h"
#include "sim/FakeSerialPort.h"
#include "vondrix/buslink/Protocol.h"
#include "vondrix/network/ReceiverQueries.h"
#include "vondrix/network/StatusMath.h"

namespace {

using sim::Model;
using namespace vondrix;

struct RecordingView : PanelView {
  std::vector<std::string> calls;
  std::map<std::pair<int, int>, int> bars;
  int addressErrors = 0;
  void ShowNameLine(int slot, const std::string& t) override {
    calls.push_back("name " + std::to_string(slot) + " " + t);
  }
  void SetMuteGlyph(const std::string& s) override { calls.push_back("glyph " + s); }
  void SetBar(int slot, int bar, int pos) override { bars[{slot, bar}] = pos; }
  void ShowBatteryQ5V(int slot, int code) override {
    calls.push_back("battery " + std::to_string(slot) + " " + std::to_string(code));
  }
  void ShowAfLevelQ5V(int slot, int v) override {
    calls.push_back("af " + std::to_string(slot) + " " + std::to_string(v));
  }
  void SetStatusLine(int slot, const std::string& t) override {
    calls.push_back("status " + std::to_string(slot) + " " + t);
  }
  void AddressError() override { ++addressErrors; }
};

class Queries : public ::testing::Test {
 protected:
  Queries() : scope_(clock_), link_(backend_), q_(link_, slots_, cur_, view_) {
    backend_.attach("COM1", bus_);
    link_.SelectedPortName = "COM1";
    link_.ReopenSelectedPort();
  }
  sim::Receiver& put(Model m, int address, int slot) {
    slots_.ReceiverAddress[slot] = protocol::Address(address);
    return bus_.add(sim::Receiver::make(m, address));
  }

  platform::VirtualClock clock_;
  platform::ScopedClock scope_;
  sim::Bus bus_;
  sim::FakeSerialBackend backend_;
  BusLink link_;
  SlotTables slots_;
  CurrentReceiver cur_;
  RecordingView view_;
  ReceiverQueries q_;
};

TEST_F(Queries, IdentifyReadsModelAndCalibration) {
  auto& r = put(Model::Q5V, 3, 1);
  r.calLowA = 0x12, r.calLowB = 0x13, r.calHighA = 0x70, r.calHighB = 0x71;
  q_.IdentifyReceiver(1);
  EXPECT_EQ(cur_.CurrentModel, "Q5V");
  EXPECT_EQ(slots_.ReceiverModel[1], "Q5V");
  EXPECT_EQ((std::array{cur_.RfCalLowA, cur_.RfCalLowB, cur_.RfCalHighA, cur_.RfCalHighB}),
            (std::array{0x12, 0x13, 0x70, 0x71}));
  EXPECT_EQ(view_.addressErrors, 0);
}

TEST_F(Queries, AnIdentifyReplyCutAfterTheModelIsAnAddressError) {
  put(Model::Q5V, 3, 1).fault = {.kind = sim::Fault::Short, .shortKeep = 6};
  q_.IdentifyReceiver(1);
  EXPECT_EQ((std::array{cur_.RfCalLowA, cur_.RfCalLowB, cur_.RfCalHighA, cur_.RfCalHighB}),
            (std::array{1, 1, 40, 40}));
  EXPECT_EQ(view_.addressErrors, 1);
}

TEST_F(Queries, AnUnknownModelIsKeptInTheTableButNotAsCurrentModel) {
  put(Model::Q5V, 3, 1);
  q_.IdentifyReceiver(1);
  link_.ComPortHandle.reset();  // replace the port's receiver with a foreign device
  link_.CommandBuffer.clear();
  cur_.CurrentModel = "Q5V";
  // A reply with another model code, fed straight to the parser path.
  struct Foreign : platform::SerialPort {
    std::string reply = "$03X9Y0102\r";
    size_t at = 0;
    bool setLineSettings(const platform::LineSettings&) override { return true; }
    bool getLineSettings(platform::LineSettings&) override { return true; }
    bool setTimeouts(const platform::Timeouts&) override { return true; }
    bool setupQueues(uint32_t, uint32_t) override { return true; }
    bool purgeReceive() override { return true; }
    bool write(const void*, uint32_t n, uint32_t& w) override { return w = n, true; }
    bool readByte(char& b, uint32_t& got) override {
      got = at < reply.size() ? 1 : 0;
      if (got) b = reply[at++];
      return true;
    }
    int lastError() const override { return 0; }
    std::string errorText() const override { return {}; }
  };
  link_.ComPortHandle = std::make_unique<Foreign>();
  q_.IdentifyReceiver(1);
  EXPECT_EQ(slots_.ReceiverModel[1], "X9Y");
  EXPECT_EQ(cur_.CurrentModel, "");
  EXPECT_EQ((std::array{cur_.RfCalLowA, cur_.RfCalLowB, cur_.RfCalHighA, cur_.RfCalHighB}),
            (std::array{1, 1, 10, 10}));
}

TEST_F(Queries, NoReplyChangesNothing) {
  put(Model::Z3K, 9, 1).fault = {.kind = sim::Fault::Silent};
  cur_.CurrentModel = "Q5V";
  q_.IdentifyReceiver(1);
  q_.QueryName(1);
  q_.QueryState(1);
  EXPECT_EQ(cur_.CurrentModel, "Q5V");
  EXPECT_EQ(slots_.ReceiverName[1], "0");
  EXPECT_TRUE(view_.calls.empty());
}

TEST_F(Queries, NameStateAndFrequencyFillTablesAndPanel) {
  auto& r = put(Model::Q5V, 17, 2);
  r.name = "VOCAL1", r.firmware = "1.4A", r.status = '2', r.frequencyCode = 0x7C2B;
  q_.QueryName(2);
  q_.QueryState(2);
  q_.QueryFrequency(2);
  EXPECT_EQ(view_.calls, (std::vector<std::string>{"name 2 17 VOCAL1", "glyph 2"}));
  EXPECT_EQ(slots_.ReceiverName[2], "VOCAL1");
  EXPECT_EQ(cur_.FirmwareVersion, "1.4A");
  EXPECT_EQ(slots_.ReceiverStatus[2], "2");
  EXPECT_EQ(slots_.HoveredSlot, 2);
  EXPECT_EQ(cur_.BandName, r.band);
  EXPECT_EQ(slots_.ReceiverFrequencyCode[2], "7C2B");
}

TEST_F(Queries, GroupAndChannelAreStoredRightInBothReplyLayouts) {
  auto& oldFw = put(Model::Q5V, 3, 1);
  oldFw.firmware = "1.1A", oldFw.group = 2, oldFw.channel = 10;
  auto& newFw = put(Model::Z3K, 40, 2);
  newFw.firmware = "2.1B", newFw.group = 3, newFw.channel = 12;
  q_.QueryGroupChannel(1);
  q_.QueryGroupChannel(2);
  EXPECT_EQ(slots_.ReceiverGroup[1], "2");
  EXPECT_EQ(slots_.ReceiverChannel[1], "A");
  EXPECT_EQ(slots_.ReceiverGroup[2], "3");
  EXPECT_EQ(slots_.ReceiverChannel[2], "C");
  EXPECT_EQ(cur_.CurrentChannel, "C");
}

TEST_F(Queries, OldGroupTableGivesTheChannelsOfEachGroup) {
  auto& r = put(Model::Q5V, 3, 1);
  r.firmware = "1.1A", r.groups = {16, 9, 12};
  q_.QueryState(1);
  q_.QueryGroupTable(1);
  EXPECT_EQ(cur_.GroupCount, "3");
  EXPECT_EQ(cur_.ChannelsPerGroup[1], 16);
  EXPECT_EQ(cur_.ChannelsPerGroup[2], 9);
  EXPECT_EQ(cur_.ChannelsPerGroup[3], 12);
}

TEST_F(Queries, NewGroupTableAndBandQueries) {
  auto& r = put(Model::Q5V, 3, 1);
  r.firmware = "1.6A", r.groups = std::vector<int>(12, 16), r.bandStartCode = 0x7CB0,
  r.bandSteps = 0x3C0;
  q_.QueryState(1);
  q_.QueryGroupTable(1);
  q_.QueryBandStart(1);
  q_.QueryBandSteps(1);
  EXPECT_EQ(cur_.GroupCount, "0C");
  EXPECT_EQ(cur_.ChannelsPerGroup[0], 16);
  EXPECT_EQ(cur_.BandStartCode, "7CB0");
  EXPECT_EQ(cur_.BandStepCount, 960);
}

TEST_F(Queries, MuteIsSentToTheHoveredSlotAndRedrawsOnAnEcho) {
  put(Model::Q5V, 5, 4);
  slots_.HoveredSlot = 4;
  cur_.CurrentStatus = "2";
  q_.SendMute("1");
  EXPECT_EQ(bus_.lines().back(), "#05B1\r");
  EXPECT_EQ(view_.calls, std::vector<std::string>{"glyph 2"});
  EXPECT_EQ(bus_.at(5)->status & 2, 2);
}

TEST(StatusMath, FirstModelRfBar) {
  EXPECT_EQ(RfBarQ5V(0x32, 2, 40), 59);  // 50 - (68/38)*100/60 + 10
  EXPECT_EQ(RfBarQ5V(0x32, 20, 80), 50 - (680 / 60) * 100 / 60 + 10);
  EXPECT_EQ(RfBarQ5V(0x32, 30, 30), 60);  // no slope: no offset, no crash
}

TEST(StatusMath, SecondModelRfBar) {
  EXPECT_EQ(RfBarZ3K(0x1E, 20, 80), 24);
  EXPECT_EQ(RfBarZ3K(20, 20, 80), 0);
  EXPECT_EQ(RfBarZ3K(5, 20, 80), 0);
  EXPECT_EQ(RfBarZ3K(40, 30, 30), 40);
}

TEST(StatusMath, FirstModelAfBar) {
  const std::pair<int, int> rows[] = {{0, 0},    {85, 0},    {86, 4},    {100, 25},
                                      {150, 75}, {200, 117}, {212, 127}, {215, 193}};
  for (auto [v, pos] : rows) EXPECT_EQ(AfBarQ5V(v), pos) << v;
}

TEST(StatusMath, FirstModelBattery) {
  const std::pair<int, const char*> rows[] = {{16, "OFF"}, {17, "100%"}, {21, "100%"}, {22, "80%"},
                                              {27, "40%"}, {32, "10%"},  {35, "10%"},  {36, "OFF"}};
  for (auto [v, text] : rows) {
    EXPECT_EQ(BatteryQ5V(v).text, text) << v;
    EXPECT_EQ(BatteryQ5V(v).off, std::string(text) == "OFF") << v;
  }
}

TEST_F(Queries, FirstModelStatusFeedsBarsBatteryAndAf) {
  cur_.CurrentModel = "Q5V";
  cur_.RfCalLowA = 2, cur_.RfCalHighA = 40, cur_.RfCalLowB = 2, cur_.RfCalHighB = 40;
  q_.ParseStatus(1, "$0396323214\r");
  EXPECT_EQ((view_.bars[{1, 0}]), 59);
  EXPECT_EQ((view_.bars[{1, 1}]), 59);  // 0x32 on both antennas
  EXPECT_EQ(view_.calls, (std::vector<std::string>{"af 1 150", "battery 1 20"}));
}

TEST_F(Queries, SecondModelStatusAndTheMissingAntennaCode) {
  cur_.CurrentModel = "Z3K";
  cur_.RfCalLowA = 20, cur_.RfCalHighA = 80;
  q_.ParseStatus(2, "$40041E2D09\r");
  EXPECT_EQ((view_.bars[{2, 0}]), 4);
  EXPECT_EQ((view_.bars[{2, 1}]), 24);
  EXPECT_EQ((view_.bars[{2, 2}]), 0);  // battery 9 shows as 0
  EXPECT_EQ(view_.calls.back(), "status 2 B");
  q_.ParseStatus(2, "$40041E\r");  // no antenna code: counted only
  EXPECT_EQ(view_.addressErrors, 0);
  EXPECT_EQ(view_.calls.back(), "status 2 D");
  q_.ParseStatus(2, "$40041E\r");  // the second one ends the program
  EXPECT_EQ(view_.addressErrors, 1);
}

}  // namespace
