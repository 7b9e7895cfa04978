#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>

#include "platform/Paths.h"
#include "platform/PortDirectory.h"

namespace {

using platform::PortDirectory;

void writeFile(const QString& path, const std::string& text) {
  QDir().mkpath(QFileInfo(path).path());
  std::ofstream(path.toStdString()) << text;
}

TEST(PortDirectory, PortsSectionIsTheWholeMap) {
  writeFile(QString::fromStdString(PortDirectory::configFile()),
            "[Other]\nCOM9=/dev/nothing\n[Ports]\nCOM1 = /dev/ttyUSB0\ncom3=/dev/serial/by-id/x\n"
            "bogus=/dev/y\n");
  PortDirectory d = PortDirectory::load();
  EXPECT_EQ(d.devicePath("COM1"), "/dev/ttyUSB0");
  EXPECT_EQ(d.devicePath("\\\\.\\COM3"), "/dev/serial/by-id/x");
  EXPECT_EQ(d.devicePath("COM9"), "");
  EXPECT_EQ(d.portNames(), (std::vector<std::string>{"COM1", "COM3"}));
  QFile::remove(QString::fromStdString(PortDirectory::configFile()));
}

TEST(PortDirectory, WithoutPortsSectionTheDevicesAreScanned) {
  EXPECT_FALSE(PortDirectory::parsePortsSection("[General]\nx=1\n").has_value());
  EXPECT_TRUE(PortDirectory::parsePortsSection("[Ports]\n").has_value());
}

TEST(PortDirectory, ScanOrdersDevicesStablyAndSkipsTtySWithoutUart) {
  QTemporaryDir tmp;
  QString dev = tmp.path() + "/dev", sys = tmp.path() + "/sys";
  for (const char* n : {"ttyUSB1", "ttyUSB0", "ttyACM0", "ttyS0", "ttyS1", "ttyS10", "tty1"})
    writeFile(dev + "/" + n, "");
  writeFile(sys + "/ttyS0/type", "4\n");  // a 16550A
  writeFile(sys + "/ttyS1/type", "0\n");  // no UART behind it
  writeFile(sys + "/ttyS10/type", "4\n");
  QDir().mkpath(dev + "/serial/by-id");
  QFile::link(dev + "/ttyUSB1", dev + "/serial/by-id/usb-Adapter_A");
  auto map = PortDirectory::scanDevices(dev.toStdString(), sys.toStdString());
  std::vector<std::string> paths;
  for (auto& [n, p] : map) paths.push_back(p.substr(dev.size()));
  EXPECT_EQ(paths, (std::vector<std::string>{"/serial/by-id/usb-Adapter_A", "/ttyUSB0", "/ttyACM0",
                                             "/ttyS0", "/ttyS10"}));
  EXPECT_EQ(map.begin()->first, 1);
}

TEST(PortDirectory, ComNumbers) {
  struct Row {
    const char* name;
    int number;
  } rows[] = {{"COM1", 1}, {"COM20", 20}, {"\\\\.\\COM7", 7}, {"com4", 4},
              {"COM", 0},  {"LPT1", 0},   {"COM1x", 0},       {"", 0}};
  for (const Row& r : rows) EXPECT_EQ(platform::comNumber(r.name), r.number) << r.name;
}

}  // namespace
