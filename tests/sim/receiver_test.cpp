// The receivers' answers to every command row, per model and firmware, and the state
// that the set commands change.
#include <gtest/gtest.h>

#include <algorithm>

#include "sim/Bus.h"

namespace {

using sim::Bus;
using sim::Model;
using sim::Receiver;

// First model, wide firmware, at 07, tuned to group 2 channel 3 (code 7D2F), with a
// 40 dB carrier right there.
Receiver q5vAt07() {
  Receiver r = Receiver::make(Model::Q5V, 7);
  r.name = "VOCAL1";
  r.firmware = "1.4A";
  r.band = "JB";
  r.status = '0';
  r.bandStartCode = 0x7CB0;
  r.bandSteps = 960;
  r.groups = std::vector<int>(8, 16);
  r.group = 2;
  r.channel = 3;
  r.frequencyCode = 0x7D2F;
  r.calLowA = 20, r.calLowB = 22, r.calHighA = 80, r.calHighB = 90;
  r.squelchMax = 5, r.squelchLevel = 2;
  r.af = 150, r.battery = 20;
  return r;
}

// Second model, firmware 1.4A (short D, new H), at 12, group 10 channel 10 (code 628E).
Receiver z3kAt12() {
  Receiver r = Receiver::make(Model::Z3K, 12);
  r.name = "KEYS  ";
  r.firmware = "1.4A";
  r.band = "K1";
  r.status = '@';
  r.bandStartCode = 0x5EB0;
  r.bandSteps = 1200;
  r.groups = std::vector<int>(10, 12);
  r.group = 10;
  r.channel = 10;
  r.frequencyCode = 0x628E;
  r.calLowA = r.calLowB = 30;
  r.calHighA = r.calHighB = 90;
  r.squelchMax = 5, r.squelchLevel = 2;
  r.eqPresetHighest = 9, r.eqPreset = 3;
  r.af = 3, r.battery = 4, r.directionCode = 27;
  return r;
}

// First model, old firmware: uneven groups, channel 16 in the short reply.
Receiver oldQ5vAt64() {
  Receiver r = Receiver::make(Model::Q5V, 64);
  r.firmware = "1.1C";
  r.groups = {16, 9, 12};
  r.group = 1;
  r.channel = 16;
  r.frequencyCode = *r.channelCode(1, 16);
  return r;
}

class ReceiverTest : public ::testing::Test {
 protected:
  ReceiverTest() {
    bus.latencyMs = 0;
    bus.add(q5vAt07());
    bus.add(z3kAt12());
    bus.add(oldQ5vAt64());
    bus.carriers = {{0x7D2F, 40.0}, {0x628E, 40.0}};
  }
  struct Row {
    const char* request;
    const char* reply;  // "" = no reply
  };
  void expectRows(std::initializer_list<Row> rows) {
    for (const Row& row : rows) EXPECT_EQ(ask(row.request), row.reply) << row.request;
  }
  // The reply to one line (pieces joined), "" for none. Time moves 1 s per line.
  std::string ask(const std::string& line) {
    now += 1000;
    std::string out;
    for (const auto& p : bus.feed(line, now)) out += p.bytes;
    return out;
  }
  Bus bus;
  uint32_t now = 0;
};

TEST_F(ReceiverTest, FirstModelAnswersEveryRow) {
  expectRows({
      {"#07A1\r", "$07\r"},
      {"%07A\r", "$07Q5V1416505A\r"},
      {"%07N\r", "$0796505614\r"},  // AF 96, RF A 50 (40 dB), RF B 56 (38 dB)
      {"%07B\r", "$0714A0JB\r"},
      {"%07C\r", "$07VOCAL1\r"},
      {"%07D\r", "$070203\r"},
      {"%07E\r", "$077D2F\r"},
      {"%07F02\r", "$07050220\r"},
      {"%07H\r", "$070810\r"},
      {"%07I\r", "$077CB0\r"},
      {"%07J\r", "$0703C0\r"},
      {"%07G\r", ""},  // no EQ presets on this model
      {"#07G01\r", ""},
      {"#07P9000000000A\r", ""},
      {"#07A0\r", ""},
      {"#07B1\r", "$07\r"},
      {"#07B0\r", "$07\r"},
      {"#07CGUIT 2\r", "$07\r"},
      {"#07D0305\r", "$077DAE\r"},
      {"#07F03\r", "$07\r"},
      {"#07K7D00\r", "$07\r"},
      {"#07R1\r", "$07\r"},
      {"#07R0\r", "$07\r"},
      {"#07Q1\r", ""},
  });
}

TEST_F(ReceiverTest, SecondModelAnswersEveryRow) {
  expectRows({
      {"#12A1\r", "$12\r"},
      {"%12A\r", "$12Z3K1E1E5A5A\r"},
      {"%12N\r", "$12035A1B04\r"},  // RF 5A (40 dB), direction 27
      {"%12B\r", "$1214A@K1\r"},
      {"%12C\r", "$12KEYS  \r"},
      {"%12D\r", "$12A:\r"},  // group 10, channel 10 as ":"
      {"%12E\r", "$12628E\r"},
      {"%12F\r", "$1205022A\r"},  // the query's argument may be empty
      {"%12G\r", "$120903\r"},
      {"%12H\r", "$120A0C\r"},
      {"%12I\r", "$125EB0\r"},
      {"%12J\r", "$1204B0\r"},
      {"#12G05\r", "$12\r"},
      {"#12D2C\r", "$126306\r"},
      {"#12P99FFFFFFFFF\r", "#12P99FFFFFFFFF\r"},
      {"#12A0\r", "$12\r"},
      {"#12R2\r", "$12\r"},
      {"#12K5EB0\r", "$12\r"},
      {"#12B1\r", "$12\r"},
      {"#12F04\r", "$12\r"},
      {"#12CVOX 3 \r", "$12\r"},
      {"%12O\r", ""},
  });
}

TEST_F(ReceiverTest, OldFirmwareUsesShortLayouts) {
  expectRows({
      {"%64D\r", "$641@\r"},    // channel 16 as "@"
      {"%64H\r", "$64309C\r"},  // 3 groups: 16 ("0"), 9, 12
      {"#64D29\r", "$648023\r"},
      {"%64D\r", "$6429\r"},
      {"#64D10\r", "$648034\r"},  // channel "0" is 16
      {"%64D\r", "$641@\r"},
  });
}

TEST_F(ReceiverTest, MalformedOrOutOfRangeLinesAreIgnored) {
  expectRows({
      {"#12D0205\r", ""},  // wide D set on short-layout firmware
      {"#07D23\r", ""},    // short D set on wide-layout firmware
      {"#07D0911\r", ""},  // no group 9
      {"#07D0111\r", ""},  // no channel 17
      {"#64D2A\r", ""},    // group 2 has 9 channels
      {"#12K5EAF\r", ""},  // below the band
      {"#12K6361\r", ""},  // above the band's last step
      {"#07K7d00\r", ""},  // lower-case hex
      {"#12F06\r", ""},    // above the squelch maximum
      {"#12G10\r", ""},    // above the highest preset
      {"#07CTOOLONG\r", ""},
      {"#07B2\r", ""},
      {"#07R3\r", ""},
      {"#12P9A0FFFFFFFF\r", ""},  // entry index past 9F
      {"%07Z\r", ""},
      {"%33E\r", ""},   // nobody at 33
      {"#00A0\r", ""},  // the quit broadcast
      {"$07\r", ""},
  });
  EXPECT_EQ(ask("%07E\r"), "$077D2F\r") << "nothing changed";
}

TEST_F(ReceiverTest, SetCommandsChangeTheReceiversState) {
  Receiver& q = *bus.at(7);
  ask("#07K7D00\r");
  EXPECT_EQ(ask("%07E\r"), "$077D00\r");
  EXPECT_EQ(ask("%07B\r"), "$0714A1JB\r") << "bit 0: tuned by frequency";
  ask("#07B1\r");
  EXPECT_EQ(q.status, '3');
  ask("#07D0305\r");
  EXPECT_EQ(ask("%07B\r"), "$0714A2JB\r") << "D set clears bit 0 only";
  EXPECT_EQ(ask("%07D\r"), "$070305\r");
  ask("#07B0\r");
  EXPECT_EQ(q.status, '0');
  ask("#07CGUIT 2\r");
  EXPECT_EQ(ask("%07C\r"), "$07GUIT 2\r");
  ask("#07F05\r");
  EXPECT_EQ(ask("%07F00\r"), "$07050532\r") << "level 5, threshold at half the span";

  ask("#12G07\r");
  EXPECT_EQ(ask("%12G\r"), "$120907\r");
  ask("#12R2\r");
  EXPECT_EQ(ask("%12N\r").substr(7, 2), "87") << "antenna A is code 135";
  ask("#12R1\r");
  EXPECT_EQ(ask("%12N\r"), "$1203562D04\r") << "antenna B: code 45, 2 dB less";
  ask("#12R0\r");
  EXPECT_EQ(ask("%12N\r").substr(7, 2), "1B");
  ask("#12P9050000FFFF\r");
  ask("#12P99FFFFFFFFE\r");
  ASSERT_TRUE(bus.at(12)->eqSlots.count(9));
  EXPECT_EQ(bus.at(12)->eqSlots[9][0x05], 0xFFFF);
  EXPECT_EQ(bus.at(12)->eqSlots[9][0x9F], -2);
}

TEST_F(ReceiverTest, YesNoSetsBit5AndZarnMakesTheReceiverBusy) {
  Receiver& z = *bus.at(12);
  z.busyAfterZarnMs = 600;
  now = 10000;
  bus.feed("#12B1\r", now);
  bus.feed("#12Q0\r", now);
  EXPECT_EQ(z.status, '2') << "NO: bit 5 set, mute kept";
  EXPECT_TRUE(bus.feed("%12N\r", now + 599).empty()) << "busy after Q";
  EXPECT_EQ(bus.feed("%12B\r", now + 600).at(0).bytes, "$1214A2K1\r");
  bus.feed("#12Q1\r", now + 700);
  EXPECT_EQ(z.status, 'B') << "YES: bit 5 clear";
  bus.feed("%12O\r", now + 2000);
  EXPECT_TRUE(bus.feed("%12N\r", now + 2300).empty());
  EXPECT_FALSE(bus.feed("%12N\r", now + 2600).empty());
  EXPECT_FALSE(bus.feed("%07N\r", now + 2000).empty()) << "others are not busy";
}

TEST_F(ReceiverTest, RfLevelPeaksAtTheCarriersOverTheBand) {
  Receiver& q = *bus.at(7);
  bus.carriers = {{0x7D00, 45.0}, {0x7E40, 30.0}};
  std::vector<int> trace;
  for (int code = q.bandStartCode; code <= q.bandStartCode + q.bandSteps; ++code) {
    q.frequencyCode = uint16_t(code);
    trace.push_back(q.rfRawA(bus.carriers));
  }
  const auto top = std::max_element(trace.begin(), trace.end()) - trace.begin();
  EXPECT_EQ(q.bandStartCode + top, 0x7D00);
  EXPECT_GT(trace[0x7E40 - q.bandStartCode], trace[0x7E40 - q.bandStartCode + 20]);
  EXPECT_LT(trace[0], q.calLowA) << "the floor lies below the 6 dB reading";
}

}  // namespace
