// The fake port's timing on the virtual clock and the fake backend's port handling.
#include <gtest/gtest.h>

#include <cerrno>

#include "platform/Clock.h"
#include "sim/FakeSerialPort.h"

namespace {

using platform::VirtualClock;
using sim::Bus;
using sim::FakeSerialBackend;
using sim::FakeSerialPort;
using sim::Fault;
using sim::Model;
using sim::Receiver;

class FakePortTest : public ::testing::Test {
 protected:
  FakePortTest() : scoped(clock), port(bus) {
    bus.latencyMs = 3;
    Receiver r = Receiver::make(Model::Q5V, 7);
    r.frequencyCode = 0x7D2F;
    bus.add(r);
    EXPECT_TRUE(port.setLineSettings(platform::LineSettings{}));
    EXPECT_TRUE(port.setTimeouts({200, 200}));
  }
  // What a program's send does: purge, write, purge.
  void send(const std::string& line) {
    uint32_t written = 0;
    ASSERT_TRUE(port.purgeReceive());
    ASSERT_TRUE(port.write(line.data(), uint32_t(line.size()), written));
    ASSERT_EQ(written, line.size());
    ASSERT_TRUE(port.purgeReceive());
  }
  // One read: the byte, or "" on a time-out; records the clock after it.
  std::string read() {
    char c = 0;
    uint32_t got = 0;
    EXPECT_TRUE(port.readByte(c, got));
    return got == 1 ? std::string(1, c) : std::string();
  }
  std::string readUntilCr(int maxReads = 20) {
    std::string out;
    for (int i = 0; i < maxReads && (out.empty() || out.back() != '\r'); ++i) out += read();
    return out;
  }

  VirtualClock clock{1000};
  platform::ScopedClock scoped;
  Bus bus;
  FakeSerialPort port;
};

TEST_F(FakePortTest, ReplyArrivesAfterTheLatencyAndSurvivesThePurgeAfterTheWrite) {
  send("%07E\r");
  EXPECT_EQ(read(), "$");
  EXPECT_EQ(clock.tickCount(), 1003u) << "the read waited for the byte, not the time-out";
  EXPECT_EQ(readUntilCr(), "077D2F\r");
  EXPECT_EQ(clock.tickCount(), 1003u);
  EXPECT_EQ(read(), "");
  EXPECT_EQ(clock.tickCount(), 1203u) << "nothing more: the whole read time-out";
}

TEST_F(FakePortTest, SilentReceiverCostsTheReadTimeoutPerRead) {
  bus.at(7)->fault.kind = Fault::Silent;
  send("%07E\r");
  EXPECT_EQ(read(), "");
  EXPECT_EQ(read(), "");
  EXPECT_EQ(clock.tickCount(), 1400u);
  port.setTimeouts({20, 20});
  EXPECT_EQ(read(), "");
  EXPECT_EQ(clock.tickCount(), 1420u);
}

TEST_F(FakePortTest, SplitAndLateRepliesArriveWhenDue) {
  bus.at(7)->fault = {.kind = Fault::Split, .splitPieces = 2, .splitGapMs = 250};
  send("%07E\r");
  EXPECT_EQ(readUntilCr(4), "$077");
  EXPECT_EQ(read(), "") << "the second piece is 250 ms away";
  EXPECT_EQ(clock.tickCount(), 1203u);
  EXPECT_EQ(readUntilCr(), "D2F\r");
  EXPECT_EQ(clock.tickCount(), 1253u);

  bus.at(7)->fault = {.kind = Fault::Late, .lateMs = 400};
  send("%07E\r");  // at 1253, due at 1656
  EXPECT_EQ(read(), "");
  EXPECT_EQ(read(), "");
  EXPECT_EQ(read(), "$");
  EXPECT_EQ(clock.tickCount(), 1656u);
}

TEST_F(FakePortTest, PurgeDropsWhatArrivedButNotWhatIsStillInFlight) {
  bus.at(7)->fault = {.kind = Fault::Split, .splitPieces = 2, .splitGapMs = 100};
  send("%07E\r");
  clock.advance(50);  // first piece in, second on its way
  ASSERT_TRUE(port.purgeReceive());
  EXPECT_EQ(readUntilCr(), "D2F\r");
  EXPECT_EQ(clock.tickCount(), 1103u);
}

TEST_F(FakePortTest, ReceiversHearNothingUntilTheLineSettingsAreTheirs) {
  FakeSerialPort fresh(bus);
  platform::LineSettings s;
  ASSERT_TRUE(fresh.getLineSettings(s));
  EXPECT_NE(s.baudRate, 115200u) << "a fresh port holds the driver's own speed";
  uint32_t written = 0;
  ASSERT_TRUE(fresh.write("#07B1\r", 6, written));
  EXPECT_TRUE(bus.log().empty());
  ASSERT_TRUE(fresh.setLineSettings(platform::LineSettings{}));
  ASSERT_TRUE(fresh.write("#07B1\r", 6, written));
  EXPECT_EQ(bus.lines(), std::vector<std::string>{"#07B1\r"});
}

TEST(FakeBackend, OpensMappedPortsOnceAtATime) {
  VirtualClock clock;
  platform::ScopedClock scoped(clock);
  Bus bus;
  bus.add(Receiver::make(Model::Z3K, 22));
  FakeSerialBackend backend;
  backend.attach("COM3", bus);
  std::string error;

  EXPECT_EQ(backend.open("COM4", &error), nullptr);
  EXPECT_EQ(error, "Not mapped to a device.");
  EXPECT_EQ(backend.devicePath("COM4"), "");
  EXPECT_EQ(backend.devicePath("COM3"), "sim:COM3");
  auto port = backend.open("COM3", &error);
  ASSERT_NE(port, nullptr);
  EXPECT_TRUE(backend.isOpen("COM3"));
  EXPECT_EQ(backend.open("COM3", &error), nullptr) << "not shared";
  EXPECT_EQ(error, "In use by another program. Close that program and try again.");
  port.reset();
  EXPECT_FALSE(backend.isOpen("COM3"));
  port = backend.open("COM3");
  ASSERT_NE(port, nullptr) << "re-openable after close";
  EXPECT_EQ(backend.openAttempts(), (std::vector<std::string>{"COM4", "COM3", "COM3", "COM3"}));

  backend.setRefusesLineSettings("COM3", true);
  EXPECT_FALSE(port->setLineSettings(platform::LineSettings{}));
  EXPECT_NE(port->lastError(), 0);
  backend.setIoFails("COM3", true);
  char c;
  uint32_t got = 7;
  EXPECT_FALSE(port->readByte(c, got));
  EXPECT_EQ(got, 0u);
  EXPECT_EQ(port->lastError(), EIO);
  port.reset();
  backend.setOpenFails("COM3", true);
  EXPECT_EQ(backend.open("COM3", &error), nullptr);
}

}  // namespace
