// The send and read primitives and the port search, on the simulator's fake ports.
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>
#include <QTemporaryDir>
#include <fstream>
#include <functional>

#include "platform/Clock.h"
#include "platform/PosixSerialPort.h"
#include "sim/Bus.h"
#include "sim/FakeSerialPort.h"
#include "vondrix/buslink/BusLink.h"

namespace {

using sim::Fault;
using sim::Model;
using vondrix::BusLink;

class BusLinkTest : public ::testing::Test {
 protected:
  BusLinkTest() : scope_(clock_), link_(backend_) {
    bus_.add(sim::Receiver::make(Model::Q5V, 5));
    backend_.attach("COM1", bus_);
  }
  void openWith(uint32_t timeoutMs) {
    link_.ComPortHandle.reset();
    link_.ComPortHandle = backend_.open("COM1");
    ASSERT_TRUE(link_.ComPortHandle);
    platform::Timeouts t;
    t.readTotalConstant = t.writeTotalConstant = timeoutMs;
    link_.ComPortHandle->setTimeouts(t);
    link_.ComPortHandle->setLineSettings({});
  }
  uint32_t elapsedSince(uint32_t t0) { return clock_.tickCount() - t0; }

  platform::VirtualClock clock_;
  platform::ScopedClock scope_;
  sim::Bus bus_;
  sim::FakeSerialBackend backend_;
  BusLink link_;
};

TEST_F(BusLinkTest, AReplyIsReadWholeWithItsCr) {
  openWith(200);
  EXPECT_EQ(link_.Transact("#05A1\r"), "$05\r");
  EXPECT_EQ(bus_.lines().back(), "#05A1\r");
}

TEST_F(BusLinkTest, AReplyInPiecesWithinTheWindowIsKept) {
  openWith(200);
  bus_.at(5)->fault = {.kind = Fault::Split, .splitPieces = 3, .splitGapMs = 100};
  EXPECT_EQ(link_.Transact("#05A1\r"), "$05\r");
}

TEST_F(BusLinkTest, AReplyWhoseCrComesAfterTheWindowIsDroppedWhole) {
  openWith(20);
  bus_.at(5)->fault = {.kind = Fault::Split, .splitPieces = 2, .splitGapMs = 320};
  EXPECT_EQ(link_.Transact("#05A1\r"), "");
  clock_.advance(100);  // let the dropped reply's tail arrive before the next command
  bus_.at(5)->fault = {.kind = Fault::Late, .lateMs = 400};
  EXPECT_EQ(link_.Transact("#05A1\r"), "");
}

TEST_F(BusLinkTest, ASilentReceiverCostsALittleMoreThanTheWindow) {
  bus_.at(5)->fault = {.kind = Fault::Silent};
  for (auto [timeout, low, high] : {std::tuple{200u, 400u, 401u}, std::tuple{20u, 320u, 321u}}) {
    openWith(timeout);
    uint32_t t0 = clock_.tickCount();
    EXPECT_EQ(link_.Transact("#05A1\r"), "");
    EXPECT_GE(elapsedSince(t0), low);
    EXPECT_LE(elapsedSince(t0), high);
  }
}

TEST_F(BusLinkTest, BytesAfterTheCrAreLeftForTheNextSendToDiscard) {
  openWith(200);
  link_.CommandBuffer = "%05A\r%05B\r";  // two queries, two replies
  link_.SendCommand();
  link_.ReadReply();
  EXPECT_EQ(link_.CommandBuffer.substr(0, 6), "$05Q5V");
  clock_.advance(50);  // the second reply has arrived by now
  EXPECT_EQ(link_.Transact("#05A1\r"), "$05\r");
}

TEST_F(BusLinkTest, WithoutAPortTheCommandStaysInTheBufferAndNothingIsRead) {
  link_.CommandBuffer = "#05A1\r";
  link_.SendCommand();
  EXPECT_EQ(link_.CommandBuffer, "#05A1\r");
  link_.ReadReply();
  EXPECT_EQ(link_.CommandBuffer, "");
  EXPECT_FALSE(link_.LastIoResult);
}

TEST_F(BusLinkTest, AFailedWriteKeepsTheCommand) {
  openWith(200);
  backend_.setIoFails("COM1", true);
  link_.CommandBuffer = "#05A1\r";
  link_.SendCommand();
  EXPECT_EQ(link_.CommandBuffer, "#05A1\r");
}

// A line sent without a read, a pause, then a query: the query must get its own reply,
// however late the first one comes.
TEST_F(BusLinkTest, AReplyNobodyReadIsNeverTakenForTheNextCommandsReply) {
  struct Case {
    const char* name;
    uint32_t latencyMs;
    uint32_t pauseMs;
  };
  for (const Case& c : {Case{"later than the pause", 20, 10}, Case{"within the pause", 3, 10},
                        Case{"behind an adapter's latency timer", 16, 0}}) {
    SCOPED_TRACE(c.name);
    openWith(200);
    bus_.latencyMs = c.latencyMs;
    link_.CommandBuffer = "#05F03\r";
    link_.SendCommand();
    clock_.advance(c.pauseMs);
    const uint32_t t0 = clock_.tickCount();
    EXPECT_EQ(link_.Transact("%05B\r").substr(0, 3), "$05");
    EXPECT_EQ(link_.CommandBuffer.size(), 10u) << "the state reply, not the squelch ack";
    // The wait for the unread reply costs no more than its own lateness.
    EXPECT_LE(elapsedSince(t0), 2 * c.latencyMs);
  }
}

TEST_F(BusLinkTest, TheWaitForAnUnreadReplyIsBoundedAndBroadcastsAreNotWaitedFor) {
  openWith(200);
  // The receiver never answers "Q1": the next send waits out the window counted from that
  // line, as a read right after it would have, and no more.
  struct Case {
    const char* name;
    const char* unread;             // the line whose reply nobody reads
    std::function<void()> between;  // what happens before the next send
    uint32_t least, most;           // that send's wait
  };
  const Case cases[] = {
      {"the next send at once", "#05Q1\r", [] {}, 300, 401},
      {"after a pause of 250 ms", "#05Q1\r", [&] { clock_.advance(250); }, 50, 250},
      {"after a long animation", "#05Q1\r", [&] { clock_.advance(3000); }, 0, 0},
      {"after the reply was read", "#05Q1\r", [&] { link_.ReadReply(); }, 0, 0},
      {"on a port closed and opened since", "#05Q1\r", [&] { link_.CloseBus(), openWith(200); }, 0,
       0},
      {"after the quit's broadcast", "#00A0\r", [] {}, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    link_.CommandBuffer = c.unread;
    link_.SendCommand();
    c.between();
    const uint32_t t0 = clock_.tickCount();
    link_.CommandBuffer = "#05B0\r";
    link_.SendCommand();
    EXPECT_GE(elapsedSince(t0), c.least);
    EXPECT_LE(elapsedSince(t0), c.most);
    link_.ReadReply();
  }
}

// The port search with a scripted detection: ports with receivers are listed here.
struct Hooks : vondrix::PortSearchHooks {
  BusLink* link = nullptr;
  std::set<std::string> withReceivers;
  std::vector<std::string> calls;
  void EnablePortMenuItem(const std::string& n) override {
    calls.push_back("enable " + std::to_string(link->PortIndex) + " " + n);
  }
  void CheckPortMenuItem() override { calls.push_back("check " + std::to_string(link->PortIndex)); }
  void UncheckPortMenuItem() override {
    calls.push_back("uncheck " + std::to_string(link->PortIndex));
  }
  void ShowMessage(const std::string& t) override { calls.push_back("message " + t); }
  void ShowTriedPort(const std::string& n) override { calls.push_back("try " + n); }
  int DetectWithBanner() override {
    calls.push_back("detect " + link->SelectedPortName);
    return withReceivers.count(link->SelectedPortName) ? 1 : 0;
  }
  void StartPolling() override { calls.push_back("poll"); }
  bool SearchCancelled() override { return cancelAfter == link->SelectedPortName; }
  std::string cancelAfter;  // the operator ends the search during this port's sweep
};

class PortSearch : public ::testing::Test {
 protected:
  PortSearch() : scope_(clock_), link_(backend_) { hooks_.link = &link_; }
  platform::VirtualClock clock_;
  platform::ScopedClock scope_;
  sim::Bus bus_;
  sim::FakeSerialBackend backend_;
  BusLink link_;
  Hooks hooks_;
};

TEST_F(PortSearch, OnlyTheSixLowestPortsAreListedAndTheHighestIsTriedFirst) {
  for (int n = 1; n <= 20; ++n) backend_.attach("COM" + std::to_string(n), bus_);
  hooks_.withReceivers = {"COM6"};
  link_.OpenBus(hooks_);
  std::vector<std::string> want = {
      "enable 1 COM1", "enable 2 COM2", "enable 3 COM3", "enable 4 COM4", "enable 5 COM5",
      "enable 6 COM6", "try COM6",      "detect COM6",   "check 6",       "poll"};
  EXPECT_EQ(hooks_.calls, want);
  EXPECT_EQ(link_.SelectedPortName, "COM6");
  EXPECT_TRUE(backend_.isOpen("COM6"));
  EXPECT_EQ(link_.ComPortHandle ? 1 : 0, 1);
}

TEST_F(PortSearch, SilentAndRefusingPortsAreSkippedDownToOneWithReceivers) {
  for (const char* n : {"COM2", "COM4", "COM9"}) backend_.attach(n, bus_);
  backend_.setRefusesLineSettings("COM9", true);
  hooks_.withReceivers = {"COM2"};
  link_.OpenBus(hooks_);
  std::vector<std::string> want = {"enable 1 COM2", "enable 2 COM4", "enable 3 COM9", "try COM9",
                                   "try COM4",      "detect COM4",   "uncheck 2",     "try COM2",
                                   "detect COM2",   "check 1",       "poll"};
  EXPECT_EQ(hooks_.calls, want);
  EXPECT_EQ(link_.SelectedPortName, "COM2");
  EXPECT_FALSE(backend_.isOpen("COM4"));
  EXPECT_FALSE(backend_.isOpen("COM9"));
}

TEST_F(PortSearch, ACancelledSweepEndsTheSearchWithTheFallbackSelection) {
  for (const char* n : {"COM1", "COM2", "COM3"}) backend_.attach(n, bus_);
  hooks_.withReceivers = {"COM1"};
  hooks_.cancelAfter = "COM3";
  link_.OpenBus(hooks_);
  const std::vector<std::string> tail = {"try COM3", "detect COM3", "uncheck 3", "check 3"};
  EXPECT_EQ(std::vector<std::string>(hooks_.calls.end() - 4, hooks_.calls.end()), tail);
  EXPECT_EQ(backend_.openAttempts().back(), "COM3");
  EXPECT_FALSE(link_.ComPortHandle);
}

TEST_F(PortSearch, WithoutReceiversTheFirstPortTriedIsSelectedButStaysClosed) {
  for (const char* n : {"COM1", "COM3"}) backend_.attach(n, bus_);
  link_.OpenBus(hooks_);
  EXPECT_EQ(hooks_.calls.back(), "check 2");
  EXPECT_EQ(link_.SelectedPortName, "COM3");
  EXPECT_EQ(link_.PortIndex, 2);
  EXPECT_FALSE(link_.ComPortHandle);
  for (const auto& c : hooks_.calls) EXPECT_EQ(c.find("message"), std::string::npos);
}

TEST_F(PortSearch, ALastPortThatCannotBeSetUpStillLeavesTheFallbackSelection) {
  for (const char* n : {"COM1", "COM3"}) backend_.attach(n, bus_);
  backend_.setRefusesLineSettings("COM1", true);
  link_.OpenBus(hooks_);
  EXPECT_EQ(hooks_.calls.back(), "check 2");
  EXPECT_EQ(link_.SelectedPortName, "COM3");
}

TEST_F(PortSearch, NoPortAtAllSaysSoOnTheScreenAndOnStandardError) {
  testing::internal::CaptureStderr();
  link_.OpenBus(hooks_);
  const std::string text = "Can't Open COM Port\nCOM1 to COM20: Not mapped to a device.";
  EXPECT_EQ(hooks_.calls, std::vector<std::string>{"message " + text});
  EXPECT_EQ(testing::internal::GetCapturedStderr(), text + "\n");
}

// The real serial layer's reasons, one line per port tried, on devices the test makes.
TEST(PortSearchOnRealDevices, EveryPortThatWouldNotOpenGetsALineWithItsReason) {
  int master = -1, slave = -1;
  char pty[256];
  ASSERT_EQ(openpty(&master, &slave, pty, nullptr, nullptr), 0);
  close(slave);
  std::string why;
  auto holder = platform::PosixSerialPort::openDevice(pty, &why);  // another program has it
  ASSERT_TRUE(holder) << why;
  QTemporaryDir dir;
  const std::string file = dir.filePath("log.txt").toStdString();
  std::ofstream(file) << "not a port\n";
  const std::string missing = dir.filePath("ttyUSB9").toStdString();
  platform::PosixSerialBackend backend(
      platform::PortDirectory({{1, pty}, {2, file}, {3, missing}}));
  platform::VirtualClock clock;
  platform::ScopedClock scope(clock);
  BusLink link(backend);
  Hooks hooks;
  hooks.link = &link;
  testing::internal::CaptureStderr();
  link.OpenBus(hooks);
  const std::string ports = "the [Ports] section of " + platform::PortDirectory::configFile();
  std::string text = "Can't Open COM Port";
  for (const std::string& line : {
           "COM1 (" + std::string(pty) +
               "): In use by another program. Close that program and "
               "try again.",
           "COM2 (" + file +
               "): Not a serial device (a regular file or another kind of "
               "device). Name the adapter's device in " +
               ports + ".",
           "COM3 (" + missing +
               "): The device is not there. Plug in the adapter, or correct "
               "the port's line in " +
               ports + ".",
       })
    text += "\n" + line;
  EXPECT_EQ(hooks.calls, std::vector<std::string>{"message " + text});
  EXPECT_EQ(testing::internal::GetCapturedStderr(), text + "\n");
  holder.reset();
  close(master);
}

TEST_F(PortSearch, ReopenUsesTheShortTimeoutsAndKeepsARefusedPortOpen) {
  backend_.attach("COM3", bus_);
  link_.SelectedPortName = "COM3";
  EXPECT_EQ(link_.ReopenSelectedPort(), BusLink::ReopenResult::Ready);
  auto* port = dynamic_cast<sim::FakeSerialPort*>(link_.ComPortHandle.get());
  ASSERT_TRUE(port);
  EXPECT_EQ(port->timeouts().readTotalConstant, 20u);
  link_.CloseBus();
  EXPECT_FALSE(backend_.isOpen("COM3"));
  backend_.setRefusesLineSettings("COM3", true);
  EXPECT_EQ(link_.ReopenSelectedPort(), BusLink::ReopenResult::SettingsRefused);
  EXPECT_TRUE(backend_.isOpen("COM3"));
  link_.CloseBus();
  link_.SelectedPortName = "COM8";
  EXPECT_EQ(link_.ReopenSelectedPort(), BusLink::ReopenResult::NotOpened);
}

}  // namespace
