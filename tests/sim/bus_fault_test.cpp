// Faults on demand and the bus's log of received lines.
#include <gtest/gtest.h>

#include "sim/Bus.h"
#include "sim/ReplyFuzzer.h"

namespace {

using sim::Bus;
using sim::Fault;
using sim::FaultSpec;
using sim::Model;
using sim::Receiver;
using sim::ReplyPiece;

Bus busWithReceiverAt07() {
  Bus bus;
  bus.latencyMs = 3;
  Receiver r = Receiver::make(Model::Q5V, 7);
  r.frequencyCode = 0x7D2F;
  bus.add(r);
  return bus;
}

struct FaultCase {
  const char* label;
  FaultSpec fault;
  std::vector<ReplyPiece> pieces;  // reply to "%07E\r" fed at 1000
};

TEST(BusFaults, EachFaultShapesTheReply) {
  const FaultCase cases[] = {
      {"none", {}, {{1003, "$077D2F\r"}}},
      {"silent", {Fault::Silent}, {}},
      {"wrong address", {Fault::WrongAddress}, {{1003, "$087D2F\r"}}},
      {"wrong address given",
       {.kind = Fault::WrongAddress, .otherAddress = 1},
       {{1003, "$017D2F\r"}}},
      {"short", {.kind = Fault::Short, .shortKeep = 3}, {{1003, "$07\r"}}},
      {"garbage", {Fault::Garbage}, {{1003, "$07G?Zx\r"}}},
      {"split",
       {.kind = Fault::Split, .splitPieces = 3, .splitGapMs = 50},
       {{1003, "$07"}, {1053, "7D2"}, {1103, "F\r"}}},
      {"late", {.kind = Fault::Late, .lateMs = 400}, {{1403, "$077D2F\r"}}},
  };
  for (const FaultCase& c : cases) {
    Bus bus = busWithReceiverAt07();
    bus.at(7)->fault = c.fault;
    const auto got = bus.feed("%07E\r", 1000);
    ASSERT_EQ(got.size(), c.pieces.size()) << c.label;
    for (size_t i = 0; i < got.size(); ++i) {
      EXPECT_EQ(got[i].dueMs, c.pieces[i].dueMs) << c.label << " piece " << i;
      EXPECT_EQ(got[i].bytes, c.pieces[i].bytes) << c.label << " piece " << i;
    }
  }
}

TEST(BusFaults, GarbageWithoutPayloadHitsTheAddressAndWrongAddressWraps) {
  Bus bus;
  bus.latencyMs = 0;
  Receiver r = Receiver::make(Model::Q5V, 64);
  r.fault.kind = Fault::Garbage;
  bus.add(r);
  EXPECT_EQ(bus.feed("#64A1\r", 0).at(0).bytes, "$Zx\r");
  bus.at(64)->fault.kind = Fault::WrongAddress;
  EXPECT_EQ(bus.feed("#64A1\r", 0).at(0).bytes, "$01\r");
}

TEST(BusFaults, ACountedFaultWearsOff) {
  Bus bus = busWithReceiverAt07();
  bus.at(7)->fault = {.kind = Fault::Silent, .times = 2};
  EXPECT_TRUE(bus.feed("%07E\r", 0).empty());
  EXPECT_TRUE(bus.feed("%07E\r", 0).empty());
  EXPECT_EQ(bus.feed("%07E\r", 0).size(), 1u);
}

TEST(BusFaults, AFaultCanBeLimitedToOneCommand) {
  Bus bus = busWithReceiverAt07();
  bus.at(7)->fault = {.kind = Fault::Silent, .times = 1, .onlyFor = "%A"};
  EXPECT_EQ(bus.feed("#07A1\r", 0).size(), 1u) << "the probe is another command";
  EXPECT_EQ(bus.feed("%07E\r", 0).size(), 1u);
  EXPECT_TRUE(bus.feed("%07A\r", 0).empty());
  EXPECT_EQ(bus.feed("%07A\r", 0).size(), 1u) << "worn off after the one identify";
  bus.at(7)->fault = {.kind = Fault::Short, .onlyFor = "%N", .shortKeep = 5};
  EXPECT_EQ(bus.feed("%07N\r", 0).at(0).bytes, "$0796\r");
  EXPECT_EQ(bus.feed("%07E\r", 0).at(0).bytes, "$077D2F\r");
}

TEST(ReplyFuzzer, TheSameSeedGivesTheSameRepliesAndSparedLinesStayTrue) {
  auto run = [](uint32_t seed) {
    Bus bus = busWithReceiverAt07();
    sim::ReplyFuzzer fuzzer(seed, 1.0);
    fuzzer.spared = {"%E"};
    fuzzer.attach(bus);
    std::vector<std::string> got;
    for (int i = 0; i < 40; ++i) {
      for (const ReplyPiece& p : bus.feed(i % 4 ? "%07N\r" : "%07E\r", 1000u * i))
        got.push_back(std::to_string(p.dueMs - 1000u * i) + ":" + p.bytes);
      if (i % 4 == 0) {
        EXPECT_EQ(got.back(), "3:$077D2F\r");
      }
    }
    return got;
  };
  EXPECT_EQ(run(7), run(7));
  EXPECT_NE(run(7), run(8));
}

TEST(BusLog, KeepsEveryLineInOrderWithItsTime) {
  Bus bus = busWithReceiverAt07();
  bus.at(7)->fault.kind = Fault::Silent;
  std::vector<std::string> observed;
  bus.setLineObserver([&](const sim::LoggedLine& l) { observed.push_back(l.line); });
  bus.feed("#00A0\r%33", 100);  // a line and the start of the next one
  bus.feed("E\r#07B1\r", 250);
  bus.feed(std::string(257, 'x'), 260);  // noise without CR is dropped, not kept forever
  bus.feed("%07C\r", 270);
  ASSERT_EQ(bus.log().size(), 4u);
  EXPECT_EQ(bus.log()[0].line, "#00A0\r");
  EXPECT_EQ(bus.log()[0].atMs, 100u);
  EXPECT_EQ(bus.log()[1].line, "%33E\r");
  EXPECT_EQ(bus.log()[1].atMs, 250u);
  EXPECT_EQ(bus.log()[2].line, "#07B1\r");
  EXPECT_EQ(bus.log()[3].line, "%07C\r");
  EXPECT_EQ(observed, bus.lines());
  EXPECT_EQ(bus.at(7)->status, '2') << "a silent receiver still obeys";
}

}  // namespace
