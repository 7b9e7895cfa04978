// The download of a design into a receiver, against simulated receivers on fake ports and
// the virtual clock: the status texts, the lines the receivers got, what they stored.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "calyxon/device/PresetSlotDownload.h"
#include "calyxon/device/ReceiverDownload.h"
#include "common/TestPorts.h"
#include "platform/Clock.h"
#include "platform/PosixSerialPort.h"
#include "sim/Bus.h"
#include "sim/FakeSerialPort.h"
#include "sim/PtyHarness.h"
#include "tests/calyxon/DownloadTables.h"

namespace {

using calyxon::ReceiverDownload;
using calyxon::testing::ExpectedTable;
using sim::Model;

const std::string kTooLong = "Serial port Wait Too Long Before Client Reponse !!\n";

struct StatusText {
  uint32_t atMs;
  int messageRounds;  // calls of ProcessMessages before the text
  std::string text;
};

class Download : public ::testing::Test {
 protected:
  Download() : scope_(clock_), download_(design_, ports_) {
    calyxon::testing::FillTestDesign(design_);
    download_.ShowStatus = [this](const std::string& t) {
      texts_.push_back({clock_.tickCount(), messageRounds_, t});
    };
    download_.ProcessMessages = [this] {
      ++messageRounds_;
      if (onMessages_) onMessages_();
    };
  }

  // COM1 with nobody on it, COM2 with a receiver of model m at address 07.
  sim::Receiver& SilentCom1ReceiverOnCom2(Model m) {
    WriteTestPorts("COM1=/dev/ttyS90\nCOM2=/dev/ttyS91\n");
    ports_.attach("COM1", empty_);
    ports_.attach("COM2", bus_);
    return bus_.add(sim::Receiver::make(m, 7));
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> t;
    for (const auto& s : texts_) t.push_back(s.text);
    return t;
  }
  // Index of the first text equal to text; -1 when none.
  int Find(const std::string& text) const {
    auto it = std::find_if(texts_.begin(), texts_.end(),
                           [&](const StatusText& s) { return s.text == text; });
    return it == texts_.end() ? -1 : int(it - texts_.begin());
  }
  std::vector<std::string> Tail(size_t n) const {
    auto t = Texts();
    return {t.end() - std::min(n, t.size()), t.end()};
  }

  platform::VirtualClock clock_;
  platform::ScopedClock scope_;
  calyxon::EqDesign design_;
  sim::Bus empty_, bus_;
  sim::FakeSerialBackend ports_;
  ReceiverDownload download_;
  std::vector<StatusText> texts_;
  int messageRounds_ = 0;
  std::function<void()> onMessages_;
};

TEST_F(Download, SilentFirstPortThenTheReceiverGetsEveryFrameOfSlot9) {
  SilentCom1ReceiverOnCom2(Model::Z3K);
  const uint32_t start = clock_.tickCount();
  EXPECT_EQ(download_.DownloadEqSlot(7, 9), 0);

  const std::vector<std::string> search = {
      "Search COM1.\n", "Serial port COM1 successfully reconfigured.\n", "Wait Too Long !!\n",
      "Search COM2.\n", "Serial port COM2 successfully reconfigured.\n", " i   0   j   0 \n"};
  const auto texts = Texts();
  ASSERT_GE(texts.size(), search.size());
  EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 6), search);
  // The silent port: 4 s from a whole second on, one 20 ms read and one message round a time.
  EXPECT_EQ(texts_[2].atMs - start, 4000u);
  EXPECT_EQ(texts_[2].messageRounds - texts_[1].messageRounds, 200);
  EXPECT_EQ(texts.back(), "End of EQ Download.\n");
  EXPECT_EQ(Find(" i  31   j   4 \n"), int(texts.size()) - 2);
  EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                          [](const std::string& t) { return t.find("Error") != t.npos; }),
            0);

  EXPECT_EQ(empty_.lines(), std::vector<std::string>{"#07A1\r"});
  const auto lines = bus_.lines();
  ASSERT_EQ(lines.size(), 162u);
  EXPECT_EQ(lines.front(), "#07A1\r");
  EXPECT_EQ(lines[1], "#07P90020000000\r");  // band 0 is flat: b0 = 1.0
  EXPECT_EQ(lines[2], "#07P90100000000\r");
  for (int n = 0; n < 160; ++n) {
    char head[8];
    std::snprintf(head, sizeof head, "#07P9%02X", n);
    EXPECT_EQ(lines[1 + n].substr(0, 7), head);
    EXPECT_EQ(lines[1 + n].size(), 16u);
  }
  EXPECT_EQ(lines.back(), "#07A0\r");
  // 3 s after the acknowledgement before the frames, 1 s after them before the end.
  const auto& log = bus_.log();
  EXPECT_GE(log[1].atMs - log[0].atMs, 3000u);
  EXPECT_GE(log[161].atMs - log[160].atMs, 1000u);

  EXPECT_EQ(bus_.at(7)->eqSlots.at(9), ExpectedTable(design_));
  EXPECT_FALSE(ports_.isOpen("COM1"));
  EXPECT_FALSE(ports_.isOpen("COM2"));
  EXPECT_FALSE(download_.Running());
}

TEST_F(Download, ASilentPortTimesOutWhenTheWholeSecondsMovedOnByMoreThanThree) {
  struct Row {
    const char* name;
    uint32_t startMs;
    uint32_t timeoutMs;
  } rows[] = {
      {"wait starts on a whole second", 7000, 4000},
      {"wait starts late in its second", 7990, 3020},
      {"tick count wraps during the wait", 0xFFFFFFFFu - 1500, 3220},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    texts_.clear();
    WriteTestPorts("COM1=/dev/ttyS90\n");
    ports_.attach("COM1", empty_);
    platform::VirtualClock clock(r.startMs);
    platform::ScopedClock scope(clock);
    download_.ShowStatus = [&](const std::string& t) {
      texts_.push_back({clock.tickCount(), 0, t});
    };
    download_.DownloadEqSlot(7, 9);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Search COM1.\n",
                                                 "Serial port COM1 successfully reconfigured.\n",
                                                 "Wait Too Long !!\n", "Not Com Searched !!\n"}));
    EXPECT_EQ(texts_[2].atMs - r.startMs, r.timeoutMs);
  }
}

TEST_F(Download, NoEchoSendsOneFrameThenTheEndCommand) {
  struct Row {
    const char* name;
    Model model;
    sim::FaultSpec fault;
  } rows[] = {
      {"first model: answers the handshake only", Model::Q5V, {}},
      {"second model silent after the handshake",
       Model::Z3K,
       {.kind = sim::Fault::Silent, .after = 1}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    texts_.clear();
    bus_.clearLog();
    WriteTestPorts("COM1=/dev/ttyS91\n");
    ports_.attach("COM1", bus_);
    bus_.add(sim::Receiver::make(r.model, 7)).fault = r.fault;
    download_.DownloadEqSlot(7, 9);

    EXPECT_EQ(bus_.lines(), (std::vector<std::string>{"#07A1\r", "#07P90020000000\r", "#07A0\r"}));
    const auto texts = Texts();
    const int frame = Find(" i   0   j   0 \n");
    ASSERT_EQ(frame, 2);
    // Nothing of the echo came: every byte sent differs from the zeroed ring.
    EXPECT_EQ(texts[3], "  Data Error  23  0 \n");
    EXPECT_EQ(texts[18], "  Data Error  d  0 \n");
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 19, texts.end()),
              (std::vector<std::string>{kTooLong, kTooLong, "End of EQ Download.\n"}));
    EXPECT_FALSE(ports_.isOpen("COM1"));
  }
}

TEST_F(Download, AGarbledEchoIsReportedAndTheFramesGoOn) {
  WriteTestPorts("COM1=/dev/ttyS91\n");
  ports_.attach("COM1", bus_);
  bus_.add(sim::Receiver::make(Model::Z3K, 7)).fault = {
      .kind = sim::Fault::Garbage, .times = 1, .onlyFor = "#P", .after = 4};
  download_.DownloadEqSlot(7, 9);

  const int fifth = Find(" i   0   j   4 \n"), sixth = Find(" i   1   j   0 \n");
  ASSERT_GT(fifth, 0);
  ASSERT_GT(sixth, fifth + 1);
  // The echo kept "#", the address and CR; from "P" on it is noise.
  EXPECT_EQ(texts_[fifth + 1].text, "  Data Error  50  47 \n");
  for (int i = fifth + 1; i < sixth; ++i)
    EXPECT_EQ(texts_[i].text.rfind("  Data Error  ", 0), 0u) << texts_[i].text;
  const auto texts = Texts();
  EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                          [](const std::string& t) { return t.find("Data Error") != t.npos; }),
            sixth - fifth - 1);
  EXPECT_EQ(bus_.lines().size(), 162u);
  EXPECT_EQ(texts.back(), "End of EQ Download.\n");
  EXPECT_EQ(bus_.at(7)->eqSlots.at(9), ExpectedTable(design_));
}

TEST_F(Download, APortThatCannotBeUsedIsReportedAndTheNextOneTried) {
  struct Row {
    const char* name;
    std::function<void(sim::FakeSerialBackend&)> spoilCom1;
    const char* text;
  } rows[] = {
      {"no permission", [](auto& p) { p.setOpenFails("COM1", true); },
       "CreateFile failed with error 13.\n"},
      {"listed but no device", [](auto& p) { p = sim::FakeSerialBackend(); },
       "CreateFile failed with error 2.\n"},
      {"settings unreadable", [](auto& p) { p.setIoFails("COM1", true); },
       "GetCommState failed with error 5.\n"},
      {"settings refused", [](auto& p) { p.setRefusesLineSettings("COM1", true); },
       "SetCommState failed with error 22.\n"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    texts_.clear();
    bus_.clearLog();
    empty_.clearLog();
    ports_ = sim::FakeSerialBackend();
    SilentCom1ReceiverOnCom2(Model::Z3K);
    r.spoilCom1(ports_);
    ports_.attach("COM2", bus_);
    download_.DownloadEqSlot(7, 9);
    const auto texts = Texts();
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 4),
              (std::vector<std::string>{"Search COM1.\n", r.text, "Search COM2.\n",
                                        "Serial port COM2 successfully reconfigured.\n"}));
    EXPECT_TRUE(empty_.lines().empty());
    EXPECT_EQ(bus_.lines().size(), 162u);
    EXPECT_FALSE(ports_.isOpen("COM1"));
    EXPECT_FALSE(ports_.isOpen("COM2"));
  }
}

TEST_F(Download, NoPortsListedMeansNoTraffic) {
  WriteTestPorts("");
  ports_.attach("COM1", bus_);
  bus_.add(sim::Receiver::make(Model::Z3K, 7));
  download_.DownloadEqSlot(7, 9);
  EXPECT_EQ(Texts(), std::vector<std::string>{"Not Com Searched !!\n"});
  EXPECT_TRUE(ports_.openAttempts().empty());
  EXPECT_TRUE(bus_.lines().empty());
}

TEST_F(Download, ASecondStartWhileOneRunsIsRefused) {
  SilentCom1ReceiverOnCom2(Model::Z3K);
  std::vector<bool> runningSeen;
  onMessages_ = [&] {
    if (!runningSeen.empty()) return;
    runningSeen.push_back(download_.Running());
    download_.DownloadEqSlot(7, 9);  // the operator clicks Upload again
  };
  download_.DownloadEqSlot(7, 9);
  EXPECT_EQ(runningSeen, std::vector<bool>{true});
  EXPECT_EQ(empty_.lines().size(), 1u);
  EXPECT_EQ(bus_.lines().size(), 162u);
  const auto texts = Texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Search COM1.\n"), 1);
  EXPECT_FALSE(download_.Running());
}

TEST_F(Download, AnErrorInTheWindowsMessageHandlingClosesThePort) {
  SilentCom1ReceiverOnCom2(Model::Z3K);
  onMessages_ = [&] {
    if (bus_.lines().size() == 20) throw std::runtime_error("handler failed");
  };
  EXPECT_THROW(download_.DownloadEqSlot(7, 9), std::runtime_error);
  EXPECT_FALSE(ports_.isOpen("COM2"));
  EXPECT_FALSE(download_.Running());

  onMessages_ = nullptr;
  bus_.clearLog();
  download_.DownloadEqSlot(7, 9);
  EXPECT_EQ(bus_.lines().size(), 162u);
}

TEST_F(Download, SaturatedCoefficientsAreNamedBeforeTheSearch) {
  WriteTestPorts("");
  design_.BandBw[30] = 0.0;  // a low shelf of +30 dB at 18 kHz does not fit Q2.29
  design_.BandGain[30] = 30.0;
  download_.DownloadEqSlot(7, 9);
  EXPECT_EQ(Texts(),
            (std::vector<std::string>{"Coefficients Out Of Range In Band 31 Saturated !!\n",
                                      "Not Com Searched !!\n"}));
}

// Slot s of the preset page: the test design, shifted a little per slot.
void SlotBands(int s, calyxon::EqDesign& d) {
  calyxon::testing::FillTestDesign(d, s);
}

struct BandTables {
  std::array<double, calyxon::kBandCount> fc, bw, gain;
  explicit BandTables(const calyxon::EqDesign& d) : fc(d.BandFc), bw(d.BandBw), gain(d.BandGain) {}
  bool operator==(const BandTables&) const = default;
};

class TenSlots : public Download {
 protected:
  TenSlots() {
    WriteTestPorts("COM1=/dev/ttyS91\n");
    ports_.attach("COM1", bus_);
    bus_.add(sim::Receiver::make(Model::Z3K, 7));
    design_.BandGain[5] = 7.25;  // the operator's own design
    projects_.fill("/home/op/vocal.prj");
  }
  std::array<std::string, calyxon::kSlotCount> projects_;
};

TEST_F(TenSlots, EachSlotGoesOutAsItsOwnDownloadAndTheOperatorsDesignStays) {
  const BandTables operators(design_);
  int nestedCopies = 0;
  onMessages_ = [&] {
    // Download clicked again meanwhile: nothing happens.
    calyxon::DownloadPresetSlots(download_, design_, 7, projects_,
                                 [&](int, calyxon::EqDesign&) { ++nestedCopies; });
  };
  calyxon::DownloadPresetSlots(download_, design_, 7, projects_, SlotBands);

  for (int s = 0; s < calyxon::kSlotCount; ++s) {
    calyxon::EqDesign slot;
    SlotBands(s, slot);
    EXPECT_EQ(bus_.at(7)->eqSlots.at(s), ExpectedTable(slot)) << s;
  }
  EXPECT_EQ(bus_.lines().size(), 10u * 162u);
  const auto texts = Texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Search COM1.\n"), 10);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "End of EQ Download.\n"), 10);
  EXPECT_EQ(nestedCopies, 0);
  EXPECT_TRUE(BandTables(design_) == operators);
}

TEST_F(TenSlots, AProjectMissingInAnySlotStopsBeforeAnything) {
  projects_[4].clear();
  int copies = 0;
  calyxon::DownloadPresetSlots(download_, design_, 7, projects_,
                               [&](int, calyxon::EqDesign&) { ++copies; });
  EXPECT_EQ(Texts(), std::vector<std::string>{"Projects not propriately opened\n"});
  EXPECT_EQ(copies, 0);
  EXPECT_TRUE(ports_.openAttempts().empty());
}

TEST_F(TenSlots, TheDesignComesBackAlsoWhenADownloadEndsInAnError) {
  const BandTables operators(design_);
  onMessages_ = [&] {
    if (bus_.lines().size() == 200) throw std::runtime_error("handler failed");
  };
  EXPECT_THROW(calyxon::DownloadPresetSlots(download_, design_, 7, projects_, SlotBands),
               std::runtime_error);
  EXPECT_TRUE(BandTables(design_) == operators);
  EXPECT_FALSE(ports_.isOpen("COM1"));
}

// Real time for the reads, none for the pauses: the pseudo-terminal's bytes take their real
// time, the download's 4 s of pauses are skipped.
class PausesSkipped : public platform::Clock {
 public:
  uint32_t tickCount() override { return real_.tickCount() + skipped_; }
  void sleep(uint32_t ms) override { skipped_ += ms; }

 private:
  platform::Clock& real_ = platform::clock();
  uint32_t skipped_ = 0;
};

TEST(DownloadOverTermios, TheReceiverBehindAPseudoTerminalStoresTheSlot) {
  sim::Bus bus;
  bus.add(sim::Receiver::make(Model::Z3K, 7));
  sim::PtyHarness harness(bus);
  std::string error;
  ASSERT_TRUE(harness.start(&error)) << error;
  WriteTestPorts("COM1=/dev/no-such-tty\nCOM2=" + harness.slavePath() + "\n");

  PausesSkipped clock;
  platform::ScopedClock scope(clock);
  calyxon::EqDesign design;
  calyxon::testing::FillTestDesign(design);
  platform::PosixSerialBackend ports;
  ReceiverDownload download(design, ports);
  std::vector<std::string> texts;
  download.ShowStatus = [&](const std::string& t) { texts.push_back(t); };
  download.DownloadEqSlot(7, 9);

  ASSERT_GE(texts.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 4),
            (std::vector<std::string>{"Search COM1.\n", "CreateFile failed with error 2.\n",
                                      "Search COM2.\n",
                                      "Serial port COM2 successfully reconfigured.\n"}));
  EXPECT_EQ(texts.back(), "End of EQ Download.\n");
  EXPECT_EQ(texts.size(), 4u + 160u + 1u);  // no Data Error, no time-out
  harness.withBus([&](sim::Bus& b) {
    EXPECT_EQ(b.lines().size(), 162u);
    EXPECT_EQ(b.at(7)->eqSlots.at(9), ExpectedTable(design));
  });
}

}  // namespace
