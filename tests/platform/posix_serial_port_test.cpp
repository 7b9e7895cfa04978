// The real termios layer, driven over a pseudo-terminal.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <fstream>
#include <optional>

#include "PeerWithoutRoot.h"
#include "platform/PosixSerialPort.h"

namespace {

using platform::PosixSerialPort;

class PtyPort : public ::testing::Test {
 protected:
  void SetUp() override {
    int slave = -1;
    char name[256];
    ASSERT_EQ(openpty(&master_, &slave, name, nullptr, nullptr), 0);
    termios tio{};
    tcgetattr(master_, &tio);
    cfmakeraw(&tio);
    tcsetattr(master_, TCSANOW, &tio);
    path_ = name;
    port_ = PosixSerialPort::openDevice(path_, &error_);
    close(slave);  // the port holds its own descriptor
    ASSERT_TRUE(port_) << error_;
    ASSERT_TRUE(port_->setLineSettings({}));
  }
  void TearDown() override {
    port_.reset();
    if (master_ >= 0) close(master_);
  }
  void fromReceiver(const std::string& bytes) {
    ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    usleep(20000);  // let the line discipline move the bytes to the slave side
  }
  std::string readAll(int timeoutMs) {
    std::string got;
    platform::Timeouts t;
    t.readTotalConstant = timeoutMs;
    port_->setTimeouts(t);
    char c;
    uint32_t n = 0;
    while (port_->readByte(c, n) && n == 1) got += c;
    return got;
  }

  int master_ = -1;
  std::string path_, error_;
  std::unique_ptr<PosixSerialPort> port_;
};

TEST_F(PtyPort, WrittenBytesArriveAtTheOtherEnd) {
  uint32_t written = 0;
  ASSERT_TRUE(port_->write("#05A1\r", 6, written));
  EXPECT_EQ(written, 6u);
  char buf[16] = {};
  usleep(20000);
  ASSERT_EQ(read(master_, buf, sizeof buf), 6);
  EXPECT_STREQ(buf, "#05A1\r");
}

TEST_F(PtyPort, ReadsTheReplyByteByByte) {
  fromReceiver("$05\r");
  EXPECT_EQ(readAll(50), "$05\r");
}

TEST_F(PtyPort, OneByteReadGivesUpAfterItsTimeoutWhenNothingComes) {
  platform::Timeouts t;
  t.readTotalConstant = 50;
  port_->setTimeouts(t);
  char c;
  uint32_t n = 99;
  auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(port_->readByte(c, n));
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                  start)
                .count();
  EXPECT_EQ(n, 0u);
  EXPECT_GE(ms, 45);
  EXPECT_LT(ms, 500);
}

TEST_F(PtyPort, PurgeDropsWhatWasReceivedButNotRead) {
  fromReceiver("stale reply\r");
  ASSERT_TRUE(port_->purgeReceive());
  fromReceiver("$07\r");
  EXPECT_EQ(readAll(50), "$07\r");
}

TEST_F(PtyPort, LineSettingsReadBackAsSet) {
  platform::LineSettings s;
  s.baudRate = 0;
  ASSERT_TRUE(port_->getLineSettings(s));
  EXPECT_EQ(s.baudRate, 115200u);
  EXPECT_EQ(s.byteSize, 8);
  EXPECT_EQ(s.parity, 0);
  EXPECT_EQ(s.stopBits, 0);
  platform::LineSettings odd;
  odd.baudRate = 12345;
  EXPECT_FALSE(port_->setLineSettings(odd));
  EXPECT_EQ(port_->lastError(), EINVAL);
}

TEST_F(PtyPort, AVanishedDeviceFailsTheReadInsteadOfHanging) {
  close(master_);
  master_ = -1;
  char c;
  uint32_t n = 0;
  platform::Timeouts t;
  t.readTotalConstant = 200;
  port_->setTimeouts(t);
  EXPECT_FALSE(port_->readByte(c, n));
  EXPECT_NE(port_->lastError(), 0);
}

TEST_F(PtyPort, ASecondOpenOfTheSameDeviceIsRefusedAsBusy) {
  std::string why;
  EXPECT_EQ(PosixSerialPort::openDevice(path_, &why), nullptr);
  EXPECT_EQ(why, "In use by another program. Close that program and try again.");
}

// Opens path as a serial port without root's rights: the reason the open gave, "opened", or
// nothing when no process without root's rights can be had.
std::optional<std::string> reasonWithoutRoot(const std::string& path) {
  return PeerWithoutRoot({"open", QString::fromStdString(path)});
}

TEST_F(PtyPort, ADeviceWithoutPermissionNamesTheGroupToJoin) {
  port_.reset();  // the device is free: only the rights stand in the way
  ASSERT_EQ(chmod(path_.c_str(), 0), 0);
  const std::optional<std::string> why = reasonWithoutRoot(path_);
  if (!why)
    GTEST_SKIP() << "running as root and unable to drop to another user here, so no "
                    "permission failure can be made";
  struct stat st {};
  ASSERT_EQ(stat(path_.c_str(), &st), 0);
  const std::string group = getgrgid(st.st_gid) ? getgrgid(st.st_gid)->gr_name : "dialout";
  EXPECT_EQ(*why, "No permission to use the device. Join the group " + group +
                      " (sudo usermod -aG " + group + " $USER), then log out and in.");
}

TEST(PosixSerialOpen, PathsThatAreNoSerialDeviceAreRefusedWithTheReason) {
  QTemporaryDir dir;
  const std::string file = dir.filePath("not-a-port").toStdString();
  std::ofstream(file) << "a regular file\n";
  const std::string ports = platform::PortDirectory::configFile();
  struct Row {
    std::string path;
    std::string reason;
  } rows[] = {
      {"/dev/no-such-tty",
       "The device is not there. Plug in the adapter, or correct the port's "
       "line in the [Ports] section of " +
           ports + "."},
      {file,
       "Not a serial device (a regular file or another kind of device). Name the adapter's "
       "device in the [Ports] section of " +
           ports + "."},
      {"/dev/null",
       "Not a serial device (a regular file or another kind of device). Name the "
       "adapter's device in the [Ports] section of " +
           ports + "."},
  };
  for (const Row& r : rows) {
    std::string why;
    EXPECT_EQ(PosixSerialPort::openDevice(r.path, &why), nullptr) << r.path;
    EXPECT_EQ(why, r.reason) << r.path;
  }
  std::ifstream kept(file);
  std::string line;
  std::getline(kept, line);
  EXPECT_EQ(line, "a regular file");  // refused untouched
}

}  // namespace
