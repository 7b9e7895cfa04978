// The simulator behind a pseudo-terminal, driven through the real termios port, and the
// receiver-sim program. These run in real time: a pseudo-terminal has no virtual clock.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <chrono>
#include <thread>

#include "common/FileBytes.h"
#include "platform/PosixSerialPort.h"
#include "sim/PtyHarness.h"

namespace {

using platform::PosixSerialPort;
using sim::Bus;
using sim::Model;
using sim::Receiver;

// A command as the programs send it (purge, write, purge), then the reply up to its CR.
std::string exchange(platform::SerialPort& port, const std::string& line) {
  uint32_t written = 0;
  port.purgeReceive();
  if (!port.write(line.data(), uint32_t(line.size()), written)) return "write failed";
  port.purgeReceive();
  std::string reply;
  for (int i = 0; i < 40 && (reply.empty() || reply.back() != '\r'); ++i) {
    char c;
    uint32_t got = 0;
    if (!port.readByte(c, got)) return reply + " read failed";
    if (got) reply += c;
  }
  return reply;
}

std::unique_ptr<PosixSerialPort> openPort(const std::string& path) {
  std::string error;
  auto port = PosixSerialPort::openDevice(path, &error);
  EXPECT_NE(port, nullptr) << error;
  if (!port) return nullptr;
  EXPECT_TRUE(port->setLineSettings(platform::LineSettings{}));
  EXPECT_TRUE(port->setTimeouts({200, 200}));
  return port;
}

TEST(PtyHarness, ServesTheBusToTheRealPortAcrossReopens) {
  Bus bus;
  bus.latencyMs = 20;  // well after the purge that follows the write
  Receiver r = Receiver::make(Model::Q5V, 7);
  r.frequencyCode = 0x7D2F;
  bus.add(r);
  sim::PtyHarness harness(bus);
  std::string error;
  ASSERT_TRUE(harness.start(&error)) << error;

  auto port = openPort(harness.slavePath());
  ASSERT_NE(port, nullptr);
  EXPECT_EQ(exchange(*port, "%07E\r"), "$077D2F\r");
  harness.withBus([](Bus& b) { b.at(7)->fault = {.kind = sim::Fault::Split, .splitGapMs = 30}; });
  EXPECT_EQ(exchange(*port, "%07E\r"), "$077D2F\r") << "pieces assembled";
  port.reset();

  port = openPort(harness.slavePath());
  ASSERT_NE(port, nullptr) << "the device survives the close";
  EXPECT_EQ(exchange(*port, "#07B1\r"), "$07\r");
  harness.stop();
  EXPECT_EQ(bus.lines(), (std::vector<std::string>{"%07E\r", "%07E\r", "#07B1\r"}));
}

#if defined(RECEIVER_SIM) && defined(DEMO_NETWORK)
TEST(ReceiverSimProgram, ServesTheDemoNetworkOnItsLinkAndLogsEveryLine) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string link = dir.filePath("ttySIM").toStdString();
  const std::string log = dir.filePath("sim.log").toStdString();
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    ::execl(RECEIVER_SIM, RECEIVER_SIM, "--network", DEMO_NETWORK, "--link", link.c_str(), "--log",
            log.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  struct stat st {};
  for (int i = 0; i < 500 && ::lstat(link.c_str(), &st) != 0; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  {
    auto port = openPort(link);
    if (port) {
      EXPECT_EQ(exchange(*port, "%22C\r"), "$22VOCAL2\r");
      EXPECT_EQ(exchange(*port, "%03A\r"), "$03Q5V12154C52\r");
      port->setTimeouts({20, 20});
      EXPECT_EQ(exchange(*port, "%04A\r"), "") << "nobody at 04";
    }
  }
  ASSERT_EQ(::kill(pid, SIGTERM), 0);
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_NE(::lstat(link.c_str(), &st), 0) << "link removed";
  EXPECT_EQ(ReadBytes(log), "%22C\\r\n%03A\\r\n%04A\\r\n");
}
#endif

}  // namespace
