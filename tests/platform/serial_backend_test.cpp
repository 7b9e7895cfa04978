// Opening ports by name: the errno a failed open leaves, and the map read at every open.
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>
#include <QTemporaryDir>
#include <cerrno>
#include <fstream>

#include "common/TestPorts.h"
#include "platform/PosixSerialPort.h"

namespace {

TEST(PosixSerialBackend, AFailedOpenLeavesItsErrnoAndTheMapIsReadAtEveryOpen) {
  int master = -1, slave = -1;
  char pty[256];
  ASSERT_EQ(openpty(&master, &slave, pty, nullptr, nullptr), 0);
  QTemporaryDir dir;
  const std::string file = dir.filePath("not-a-port").toStdString();
  std::ofstream(file) << "x";
  WriteTestPorts("COM1=/dev/no-such-tty\nCOM2=" + file + "\nCOM3=" + pty + "\n");

  platform::PosixSerialBackend ports;  // reads the [Ports] section at every open
  struct Row {
    const char* name;
    int error;
  } rows[] = {{"COM1", ENOENT}, {"COM2", ENOTTY}, {"COM9", ENOENT}};
  for (const Row& r : rows) {
    EXPECT_EQ(ports.open(r.name), nullptr) << r.name;
    EXPECT_EQ(ports.lastOpenError(), r.error) << r.name;
  }
  auto port = ports.open("COM3");
  ASSERT_NE(port, nullptr);
  EXPECT_EQ(ports.lastOpenError(), 0);
  EXPECT_EQ(ports.open("COM3"), nullptr);
  EXPECT_EQ(ports.lastOpenError(), EBUSY);
  port.reset();

  WriteTestPorts(std::string("COM7=") + pty + "\n");  // the user edits the section
  EXPECT_NE(ports.open("COM7"), nullptr);
  EXPECT_EQ(ports.devicePath("COM3"), "");
  close(slave);
  close(master);
}

}  // namespace
