// File > Save and File > Load of the real program over the real termios layer, against the
// simulator on a pseudo-terminal whose receivers answer later than the load's own pauses
// (as behind a USB adapter's latency timer) and sooner than them.
#include <QTemporaryDir>
#include <map>
#include <memory>

#include <gtest/gtest.h>
#include "demo_network_file.h"
#include "forms/ScriptedDialogs.h"
#include "menu_clicks.h"
#include "platform/PosixSerialPort.h"
#include "program_fixture.h"
#include "sim/NetworkFile.h"
#include "sim/PtyHarness.h"
#include "tests/forms/Wait.h"
#include "vondrix/detail/DetailWindows.h"
#include "vondrix/network/MainScreen.h"
#include "vondrix/network/Program.h"

namespace {

// The demo network's receivers at addresses 1..5, so that the sweep ends after address 5.
void AddDemoReceiversFrom1(sim::Bus& bus) {
  sim::Bus demo;
  std::string error;
  ASSERT_TRUE(sim::loadNetworkFile(DEMO_NETWORK, demo, &error)) << error;
  bus.carriers = demo.carriers;
  int address = 0;
  for (auto [old, r] : demo.receivers()) {
    r.address = ++address;
    // A user takes longer than the receiver's pause after a YES/NO command before the next
    // save; the rounds here follow each other at once.
    r.busyAfterZarnMs = 0;
    bus.add(r);
  }
}

const std::map<std::string, std::string> kAddressFrom1 = {
    {"03", "01"}, {"05", "02"}, {"17", "03"}, {"22", "04"}, {"40", "05"}};

// The demo's file with the addresses 1..5 in place of its own.
std::string DemoFileFrom1() {
  std::string file = kDemoNetworkFile;
  for (std::size_t at = 0; at < file.size(); at = file.find("\r\n", at) + 2)
    file.replace(at + 4, 2, kAddressFrom1.at(file.substr(at + 4, 2)));
  return file;
}

class NetworkFileOverPty : public ::testing::TestWithParam<uint32_t> {
 protected:
  NetworkFileOverPty() : harness(bus, GetParam()) { bus.latencyMs = GetParam(); }

  vondrix::TForm1& start() {
    AddDemoReceiversFrom1(bus);
    std::string error;
    EXPECT_TRUE(harness.start(&error)) << error;
    backend = std::make_unique<platform::PosixSerialBackend>(
        platform::PortDirectory({{1, harness.slavePath()}}));
    program = std::make_unique<vondrix::Program>(*backend);
    vondrix::TForm1& m = StartUpToAddress(*program, 5);
    dialogs.boxes.clear();  // the first start's region box
    return m;
  }
  std::vector<std::string> lines() {
    return harness.withBus([](sim::Bus& b) { return b.lines(); });
  }
  // Runs the File menu's entry as the user does, with the poll held off afterwards so that
  // the log holds the command's lines alone.
  void clickFileEntry(vondrix::TForm1& m, forms::MenuItem* entry) {
    harness.withBus([](sim::Bus& b) { b.clearLog(); });
    QMenu* file = openEntry(m.MainMenu1->bar(), m.MainMenu1->item(0));
    ASSERT_TRUE(file);
    clickEntry(file, entry->action());
    m.Timer1->setEnabled(false);
  }

  sim::Bus bus;
  sim::PtyHarness harness;
  forms::ScriptedDialogs dialogs;
  std::unique_ptr<platform::PosixSerialBackend> backend;
  std::unique_ptr<vondrix::Program> program;
  QTemporaryDir dir;
};

TEST_P(NetworkFileOverPty, SaveThenLoadReplaysEveryLineWithoutABoxTimeAfterTime) {
  vondrix::TForm1& m = start();
  ASSERT_EQ(program->Slots.ReceiverCount, 5);
  const QString path = dir.filePath("network.vxn");
  std::vector<std::string> loadLines = kDemoLoadLines;
  for (std::string& line : loadLines) line.replace(1, 2, kAddressFrom1.at(line.substr(1, 2)));

  for (int round = 1; round <= 3; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    dialogs.choose(path);
    clickFileEntry(m, m.Save1);
    EXPECT_EQ(ReadBytes(path.toStdString()), DemoFileFrom1());
    std::map<int, std::string> saved;
    harness.withBus([&](sim::Bus& b) {
      for (const auto& [address, r] : b.receivers()) saved[address] = ReceiverSettings(r);
      // What an operator changed since: every receiver renamed, unmuted and re-squelched.
      for (int address = 1; address <= 5; ++address) {
        sim::Receiver& r = *b.at(address);
        r.name = "OTHER" + std::to_string(address);
        r.status = char(r.status & ~0x02);
        r.squelchLevel = 5;
      }
    });

    dialogs.choose(path);
    clickFileEntry(m, m.Load1);
    EXPECT_TRUE(dialogs.boxes.empty()) << dialogs.boxes.front().text.toStdString();
    dialogs.boxes.clear();
    // The last lines need no reply: let them reach the log.
    forms::waitUntil([&] { return lines().size() >= loadLines.size(); });
    EXPECT_EQ(lines(), loadLines);
    harness.withBus([&](sim::Bus& b) {
      for (const auto& [address, r] : b.receivers()) EXPECT_EQ(ReceiverSettings(r), saved[address]);
    });
    for (int s = 1; s <= 5; ++s)
      EXPECT_EQ(m.PanelLabels[s][0]->caption().left(3), QString("0%1 ").arg(s));
  }
}

// Later than the load's 10 and 20 ms pauses, and well inside them.
INSTANTIATE_TEST_SUITE_P(ReplyLatency, NetworkFileOverPty, ::testing::Values(20u, 3u),
                         [](const auto& info) { return std::to_string(info.param) + "ms"; });

}  // namespace
