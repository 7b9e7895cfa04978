// The network file: its line format, the save's queries and bytes, reading a file back, and
// the steps a load replays, against the demo network on simulated receivers.
#include <gtest/gtest.h>

#include <sys/ioctl.h>
#include <unistd.h>
#include <QTemporaryDir>
#include <map>

#include "common/FileSizeLimit.h"
#include "demo_network_file.h"
#include "platform/Clock.h"
#include "runtime/Convert.h"
#include "sim/FakeSerialPort.h"
#include "sim/NetworkFile.h"
#include "vondrix/buslink/Protocol.h"
#include "vondrix/network/NetworkFile.h"
#include "vondrix/network/NetworkLoad.h"
#include "vondrix/network/NetworkSave.h"

namespace {

using namespace vondrix;

struct RecordingView : PanelView {
  std::vector<std::string> calls;
  void ShowNameLine(int slot, const std::string& t) override {
    calls.push_back("name line " + std::to_string(slot) + " " + t);
  }
  void SetMuteGlyph(const std::string& s) override { calls.push_back("glyph " + s); }
  void SetBar(int, int, int) override {}
  void ShowBatteryQ5V(int, int) override {}
  void ShowAfLevelQ5V(int, int) override {}
  void SetStatusLine(int, const std::string&) override {}
  void AddressError() override {}
};

const char* WindowName(DetailWindowKind w) {
  return w == DetailWindowKind::Form3 ? "Form3" : "Form7";
}

// The detail windows' routines as the load calls them.
struct RecordingRoutines : NetworkLoadRoutines {
  explicit RecordingRoutines(const CurrentReceiver& current) : current(current) {}
  const CurrentReceiver& current;
  std::vector<std::string> calls;
  void QueryState(int slot) override { calls.push_back("QueryState " + std::to_string(slot)); }
  void SendName(DetailWindowKind w, const std::string& a) override {
    calls.push_back(std::string(WindowName(w)) + " SendName " + a + " '" + current.CurrentName +
                    "'");
  }
  void SendGroupChannel(DetailWindowKind w, const std::string& a) override {
    calls.push_back(std::string(WindowName(w)) + " SendGroupChannel " + a + " " +
                    current.CurrentGroup + current.CurrentChannel);
  }
  void TuneFrequency(DetailWindowKind w, const std::string& a, int32_t kHz) override {
    calls.push_back(std::string(WindowName(w)) + " TuneFrequency " + a + " " + std::to_string(kHz));
  }
  void SendEqPreset(const std::string& a, const std::string& preset) override {
    calls.push_back("Form7 SendEqPreset " + a + " " + preset);
  }
};

// A step as one line of text, for tables.
std::string Describe(const LoadStep& s) {
  using Kind = LoadStep::Kind;
  const std::string w = WindowName(s.window);
  switch (s.kind) {
    case Kind::Sleep:
      return "sleep " + std::to_string(s.ms);
    case Kind::Send:
      return "send " + s.text.substr(0, s.text.size() - 1) + "\\r";
    case Kind::Store:
      return "store " + std::to_string(s.slot) + " '" + s.fields.NameField + "' " + s.fields.Group +
             s.fields.Channel + " " + s.fields.FrequencyCode + " status " + s.fields.StatusBits;
    case Kind::Select:
      return "select " + std::to_string(s.slot);
    case Kind::QueryState:
      return "QueryState " + std::to_string(s.slot);
    case Kind::SendName:
      return w + " SendName " + s.address + " '" + s.text + "'";
    case Kind::SendGroupChannel:
      return w + " SendGroupChannel " + s.address;
    case Kind::TuneFrequency:
      return w + " TuneFrequency " + s.address + " " + s.text;
    case Kind::SendEqPreset:
      return "SendEqPreset " + s.address + " " + s.text;
  }
  return "?";
}

std::vector<std::string> Describe(const std::vector<LoadStep>& steps) {
  std::vector<std::string> out;
  for (const LoadStep& s : steps) out.push_back(Describe(s));
  return out;
}

TEST(NetworkLine, FieldsKeepTheirWidths) {
  struct Row {
    const char* name;
    NetworkLine fields;
    std::string line;
  } rows[] = {
      {"first model",
       {"Q5V", "05", "VOCAL1", "2", "7", "7C2B", "0A", "0", "", ""},
       "Q5V,05,VOCAL1,2,7,7C2B,0A,0"},
      {"second model",
       {"Z3K", "22", "VOCAL2", "3", "C", "6190", "02", "0", "1", "03"},
       "Z3K,22,VOCAL2,3,C,6190,02,0,1,03"},
      {"held channel 10 and short texts",
       {"Q5V", "7", "BASS", "", "10", "7E9", "1", "3", "", ""},
       "Q5V,07,BASS  ,0,0,07E9,01,3"},
      {"long texts",
       {"Z3K", "064", "VOCALIST", "10", "1F", "17E95", "0A0", "12", "10", "009"},
       "Z3K,06,VOCALI,0,F,17E9,0A,1,1,00"},
      {"control bytes a receiver sent",
       {"Q\r5", "05", "VO\nAL\x7f", "\x01", "\r", "7C2B", "0A", "0", "", ""},
       "Q 5,05,VO AL , , ,7C2B,0A,0"},
  };
  for (const Row& r : rows) {
    const std::string line = FormatNetworkLine(r.fields);
    EXPECT_EQ(line, r.line) << r.name;
    EXPECT_EQ(line.size(), r.fields.ModelCode == "Z3K" ? 32u : 27u) << r.name;
  }
  const NetworkLine cut = CutNetworkLine("Z3K,22,VOCAL2,3,C,6190,02,0,1,03");
  EXPECT_EQ(FormatNetworkLine(cut), "Z3K,22,VOCAL2,3,C,6190,02,0,1,03");
}

TEST(NetworkFileRead, LinesEndWithCrLfOrLfAndFilesBeyondTheLimitsAreRefused) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("net.vxn").toStdString();
  const std::string longest(256, 'x');
  std::string full, tooMany;
  for (int i = 1; i <= 64; ++i) full += longest + "\r\n";
  for (int i = 1; i <= 65; ++i) tooMany += "A,1\r\n";
  using Refusal = NetworkFileText::Refusal;
  struct Row {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
    Refusal refusal = Refusal::None;
    int longLine = 0;
  } rows[] = {
      {"CR LF", "A,1\r\nB,2\r\n", {"A,1", "B,2"}},
      {"LF", "A,1\nB,2\n", {"A,1", "B,2"}},
      {"no end on the last line", "A,1\r\nB,2", {"A,1", "B,2"}},
      {"an empty line counts", "A,1\r\n\r\nC,3\r\n", {"A,1", "", "C,3"}},
      {"empty lines at the end do not", "A,1\r\n\r\n\n\r\n\r", {"A,1"}},
      {"empty file", "", {}},
      {"only empty lines", "\r\n\r\n", {}},
      {"64 lines of 256 characters", full, std::vector<std::string>(64, longest)},
      {"64 lines and an empty one", full + "\r\n", std::vector<std::string>(64, longest)},
      {"64 lines, an empty one and one more",
       tooMany.substr(5) + "\r\nA,1\r\n",
       {},
       Refusal::TooManyLines},
      {"65 lines", tooMany, {}, Refusal::TooManyLines},
      {"64 lines and a flood of line ends",
       full + std::string(20000, '\n'),
       {},
       Refusal::TooManyLines},
      {"a line of 257 characters", "A,1\r\n" + longest + "y\r\n", {}, Refusal::LineTooLong, 2},
      {"the last line too long, without its end",
       "A,1\n" + longest + "y",
       {},
       Refusal::LineTooLong,
       2},
      {"a megabyte without a line end", std::string(1 << 20, 'x'), {}, Refusal::LineTooLong, 1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    WriteBytes(path, r.bytes);
    const NetworkFileText read = ReadNetworkFile(path);
    EXPECT_EQ(read.refusal, r.refusal);
    EXPECT_EQ(read.lines, r.lines);
    EXPECT_EQ(read.longLine, r.longLine);
  }
  const NetworkFileText zero = ReadNetworkFile("/dev/zero");  // a typed device path
  EXPECT_EQ(zero.refusal, Refusal::LineTooLong);
  EXPECT_EQ(zero.longLine, 1);
  EXPECT_EQ(ReadNetworkFile(dir.filePath("missing.vxn").toStdString()).refusal,
            Refusal::Unreadable);
  EXPECT_EQ(ReadNetworkFile(dir.path().toStdString()).refusal, Refusal::Unreadable);

  // A source without end is read no further than one byte past the largest file allowed.
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  const std::string flood = full + std::string(1999, 'z') + "X";
  ASSERT_EQ(write(pipeEnds[1], flood.data(), flood.size()), ssize_t(flood.size()));
  const NetworkFileText piped =
      ReadNetworkFile("/proc/self/fd/" + std::to_string(pipeEnds[0]));  // the writer stays open
  EXPECT_EQ(piped.refusal, Refusal::TooManyLines);
  int unread = 0;
  ASSERT_EQ(ioctl(pipeEnds[0], FIONREAD, &unread), 0);
  EXPECT_EQ(std::size_t(unread), flood.size() - (kMaxFileBytes + 1));
  close(pipeEnds[0]);
  close(pipeEnds[1]);

  struct Count {
    int lines, detected, loaded;
  } counts[] = {{70, 5, 5}, {3, 5, 3}, {64, 64, 64}, {0, 5, 0}};
  for (const Count& c : counts)
    EXPECT_EQ(LoadedReceiverCount(c.lines, c.detected), c.loaded) << c.lines << " " << c.detected;
}

// The demo network, detected as the main screen does it, on the virtual clock.
class DemoNetwork : public ::testing::Test {
 protected:
  DemoNetwork()
      : scope_(clock_),
        link_(backend_),
        queries_(link_, slots_, current_, view_),
        routines_(current_),
        load_(link_, slots_, current_, presets_, view_, routines_) {
    std::string error;
    EXPECT_TRUE(sim::loadNetworkFile(DEMO_NETWORK, bus_, &error)) << error;
    backend_.attach("COM1", bus_);
    link_.SelectedPortName = "COM1";
    link_.ReopenSelectedPort();
    for (const auto& [address, r] : bus_.receivers()) {
      const int s = ++slots_.ReceiverCount;
      slots_.ReceiverAddress[s] = protocol::Address(address);
      queries_.IdentifyReceiver(s);
      queries_.QueryName(s);
      queries_.QueryState(s);
      queries_.QueryFrequency(s);
      queries_.QueryGroupChannel(s);
    }
    slots_.DetectedReceiverCount = slots_.ReceiverCount;  // as a detection leaves it
    bus_.clearLog();
    view_.calls.clear();
    dir_ = std::make_unique<QTemporaryDir>();
    path_ = dir_->filePath("network.vxn").toStdString();
  }

  // The save's queries: the main screen's state query, and the preset query as the second
  // detail window makes it.
  struct SaveQueries : NetworkSaveQueries {
    explicit SaveQueries(DemoNetwork& t) : t(t) {}
    DemoNetwork& t;
    void QueryState(int slot) override { t.queries_.QueryState(slot); }
    std::optional<std::string> QueryEqPreset(const std::string& a) override {
      const std::string r = t.link_.Transact(protocol::Query(a, 'G'));
      if (!protocol::EchoMatches(r, a)) return std::nullopt;
      return protocol::Field(r, 6, 2);
    }
  };
  std::vector<std::string> Gather() {
    SaveQueries q(*this);
    return GatherNetworkLines(link_, slots_, current_, presets_, q);
  }

  platform::VirtualClock clock_;
  platform::ScopedClock scope_;
  sim::Bus bus_;
  sim::FakeSerialBackend backend_;
  BusLink link_;
  SlotTables slots_;
  CurrentReceiver current_;
  RecordingView view_;
  ReceiverQueries queries_;
  KnownEqPresets presets_;
  RecordingRoutines routines_;
  NetworkLoad load_;
  std::unique_ptr<QTemporaryDir> dir_;
  std::string path_;
};

TEST_F(DemoNetwork, SavedByteForByteAfterQueryingEveryReceiverInOrder) {
  const auto lines = Gather();
  ASSERT_TRUE(SaveNetworkFile(path_, lines).ok());
  EXPECT_EQ(ReadBytes(path_), kDemoNetworkFile);
  for (int s = 1; s <= 5; ++s) EXPECT_TRUE(LineAppliesToSlot(lines[s - 1], s, slots_)) << s;
  EXPECT_EQ(bus_.lines(), kDemoSaveQueries);
  EXPECT_EQ(current_.SquelchLevel, "04");
  EXPECT_EQ(slots_.HoveredSlot, 5);
}

TEST_F(DemoNetwork, AReceiverThatDoesNotAnswerKeepsItsOwnValuesAndTheWidths) {
  Gather();                        // the presets are known from here on
  slots_.ReceiverStatus[4] = "B";  // the slot's own: muted, YES
  struct Row {
    const char* name;
    bool presetsKnown;
    std::string line4, line5;
  } rows[] = {
      {"presets known", true, "Z3K,22,VOCAL2,3,C,6310,01,2,1,03",
       "Z3K,40,KEYS  ,1,1,60F4,04,1,0,09"},
      {"presets never reported", false, "Z3K,22,VOCAL2,3,C,6310,01,2,1,01",
       "Z3K,40,KEYS  ,1,1,60F4,04,1,0,09"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    if (!r.presetsKnown) presets_ = {};
    bus_.at(22)->fault = {.kind = sim::Fault::Silent};
    const auto lines = Gather();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[3], r.line4);
    EXPECT_EQ(lines[4], r.line5);
    bus_.clearLog();
  }
  EXPECT_EQ(current_.SquelchLevel, "04");
}

TEST_F(DemoNetwork, BytesAReceiverSentOutOfPlaceNeitherGoOutNorBreakTheFile) {
  Gather();  // the presets are known from here on
  bus_.clearLog();
  current_.SquelchLevel = "0\r";  // what a garbled squelch reply left in a detail window
  bus_.at(17)->name = "BA\nS  ";
  queries_.QueryName(3);
  // The true reply, with bytes written over it from position at (0-based).
  const std::map<std::string, std::pair<std::size_t, std::string>> garbled = {
      {"%05F", {5, "Z\n"}},  // the squelch level
      {"%40A", {5, "\n"}},   // the model: "Z3\n"
      {"%22G", {5, "\r"}},   // the preset cut at a CR
  };
  bus_.shaper = [&](std::string_view line, const sim::Receiver&, std::optional<std::string> reply,
                    uint32_t due) -> std::vector<sim::ReplyPiece> {
    if (!reply) return {};
    for (const auto& [lead, bytes] : garbled)
      if (line.starts_with(lead)) {
        reply->replace(bytes.first, bytes.second.size(), bytes.second);
        if (bytes.second == "\r") reply->resize(bytes.first + 1);
      }
    return {{due, *reply}};
  };
  queries_.IdentifyReceiver(5);
  bus_.clearLog();

  ASSERT_TRUE(SaveNetworkFile(path_, Gather()).ok());
  EXPECT_EQ(ReadBytes(path_),
            "Q5V,03,VOCAL1,2,A,7ED6,01,0\r\n"
            "Q5V,05,GUIT 2,1,3,7D28,01,0\r\n"  // the garbled level counts as no reply
            "Q5V,17,BA S  ,1,1,7E95,00,3\r\n"
            "Z3K,22,VOCAL2,3,C,6310,02,0,1,03\r\n"  // the preset known from before
            "Z3 ,40,KEYS  ,1,1,60F4,04,1\r\n");
  // The garbled level held goes out as "01"; after the garbled reply the level held is "1".
  EXPECT_EQ(bus_.lines(), (std::vector<std::string>{"%03F01\r", "%03B\r", "%05F01\r", "%05B\r",
                                                    "%17F1\r", "%17B\r", "%22F00\r", "%22B\r",
                                                    "%22G\r", "%40F02\r", "%40B\r"}));
}

TEST_F(DemoNetwork, AFailedSaveKeepsTheOldFile) {
  WriteBytes(path_, "the network saved before\r\n");
  const auto lines = Gather();
  {
    const FileSizeLimit full(64);
    EXPECT_FALSE(SaveNetworkFile(path_, lines).ok());
  }
  EXPECT_EQ(ReadBytes(path_), "the network saved before\r\n");
}

TEST_F(DemoNetwork, EachLineIsPlannedAsTheCommandsOfItsModel) {
  struct Row {
    const char* name;
    int slot;
    std::string line;
    std::vector<std::string> steps;
  } rows[] = {
      {"first model by group and channel",
       1,
       "Q5V,03,SOLO  ,4,2,7ED6,05,0",
       {"sleep 20", "store 1 'SOLO  ' 42 7ED6 status 0", "send #03F05\\r", "sleep 10",
        "send #03B0\\r", "sleep 20", "select 1", "Form3 SendName 03 'SOLO  '", "QueryState 1",
        "Form3 SendGroupChannel 03"}},
      {"first model muted on a frequency",
       3,
       "Q5V,17,BASS  ,1,1,7E95,00,3",
       {"sleep 20", "store 3 'BASS  ' 11 7E95 status 3", "send #17F00\\r", "sleep 10",
        "send #17B1\\r", "sleep 20", "select 3", "Form3 SendName 17 'BASS  '",
        "Form3 TuneFrequency 17 7E95"}},
      {"second model, NO",
       5,
       "Z3K,40,KEYS  ,1,1,60F4,04,1,0,09",
       {"sleep 20", "store 5 'KEYS  ' 11 60F4 status 1", "send #40F04\\r", "sleep 10",
        "send #40B0\\r", "sleep 20", "select 5", "Form7 SendName 40 'KEYS  '",
        "Form7 TuneFrequency 40 60F4", "SendEqPreset 40 09", "sleep 10", "send #40R0\\r",
        "sleep 20", "send #40Q0\\r", "sleep 40"}},
      {"second model, YES, muted in group mode",
       4,
       "Z3K,22,VOCAL2,3,C,6310,02,2,1,03",
       {"sleep 20", "store 4 'VOCAL2' 3C 6310 status 2", "send #22F02\\r", "sleep 10",
        "send #22B1\\r", "sleep 20", "select 4", "Form7 SendName 22 'VOCAL2'", "QueryState 4",
        "Form7 SendGroupChannel 22", "SendEqPreset 22 03", "sleep 10", "send #22R0\\r", "sleep 20",
        "send #22Q1\\r", "sleep 40"}},
      {"another address", 1, "Q5V,05,GUIT 2,1,3,7D28,03,0", {"sleep 20"}},
      {"another model", 4, "Q5V,22,VOCAL2,3,C,6310,02,0", {"sleep 20"}},
      {"a second-model line cut short", 4, "Z3K,22,VOCAL2,3,C,6310,02,0", {"sleep 20"}},
      {"a line written with a one-digit squelch", 1, "Q5V,03,VOCAL1,2,A,7ED6,1,0", {"sleep 20"}},
      // Fields that would go out as they stand must be what they say.
      {"a CR in the name", 1, "Q5V,03,\r#00A0,2,7,7C2B,0A,0", {"sleep 20"}},
      {"a name byte above 0x7E", 1, "Q5V,03,VOCAL\xe9,2,A,7ED6,01,0", {"sleep 20"}},
      {"a group that is no hex digit", 1, "Q5V,03,VOCAL1,G,A,7ED6,01,0", {"sleep 20"}},
      {"a blank channel", 1, "Q5V,03,VOCAL1,2, ,7ED6,01,0", {"sleep 20"}},
      {"a squelch of other bytes", 1, "Q5V,03,VOCAL1,2,A,7ED6,\r#,0", {"sleep 20"}},
      {"a preset that is no decimal number", 4, "Z3K,22,VOCAL2,3,C,6310,02,0,1,0A", {"sleep 20"}},
      // The status and YES/NO characters choose their commands, whatever they hold; the
      // frequency code is converted when it is tuned.
      {"other status and YES/NO characters",
       4,
       "Z3K,22,VOCAL2,3,C,7XY9,02,X,x,03",
       {"sleep 20", "store 4 'VOCAL2' 3C 7XY9 status X", "send #22F02\\r", "sleep 10",
        "send #22B1\\r", "sleep 20", "select 4", "Form7 SendName 22 'VOCAL2'",
        "Form7 TuneFrequency 22 7XY9", "SendEqPreset 22 03", "sleep 10", "send #22R0\\r",
        "sleep 20", "send #22Q1\\r", "sleep 40"}},
  };
  for (const Row& r : rows)
    EXPECT_EQ(Describe(PlanLoadLine(r.slot, r.line, slots_)), r.steps) << r.name;
}

TEST_F(DemoNetwork, ALoadReplaysAFileThatDiffersFromTheReceivers) {
  const std::string file =
      "Q5V,03,LEAD  ,2,A,7ED6,03,2\r\n"
      "Q5V,07,NOBODY,1,3,7D28,03,0\r\n"  // a receiver detected elsewhere: applies to nobody
      "Q5V,17,BASS 2,1,1,7E9A,04,1\r\n"
      "Z3K,22,VOX   ,3,C,6310,05,0,0,07\r\n"
      "Z3K,40,KEYS  ,1,1,60F4,01,3,1,02\r\n"
      "Q5V,41,EXTRA ,1,1,7E95,00,0\r\n";  // more lines than receivers
  WriteBytes(path_, file);
  const NetworkFileText read = ReadNetworkFile(path_);
  ASSERT_TRUE(read.ok());
  const auto before = clock_.tickCount();
  load_.Replay(read.lines);

  EXPECT_EQ(slots_.ReceiverCount, 5);
  EXPECT_EQ(bus_.lines(), (std::vector<std::string>{"#03F03\r", "#03B1\r", "#17F04\r", "#17B0\r",
                                                    "#22F05\r", "#22B0\r", "#22R0\r", "#22Q0\r",
                                                    "#40F01\r", "#40B1\r", "#40R0\r", "#40Q1\r"}));
  EXPECT_EQ(routines_.calls,
            (std::vector<std::string>{
                "Form3 SendName 03 'LEAD  '", "QueryState 1", "Form3 SendGroupChannel 03 2A",
                "Form3 SendName 17 'BASS 2'", "Form3 TuneFrequency 17 810250",
                "Form7 SendName 22 'VOX   '", "QueryState 4", "Form7 SendGroupChannel 22 3C",
                "Form7 SendEqPreset 22 07", "Form7 SendName 40 'KEYS  '",
                "Form7 TuneFrequency 40 620500", "Form7 SendEqPreset 40 02"}));
  // What the receivers took of the load's own commands.
  EXPECT_EQ(bus_.at(3)->squelchLevel, 3);
  EXPECT_EQ(bus_.at(3)->status & 0x02, 0x02);
  EXPECT_EQ(bus_.at(17)->squelchLevel, 4);
  EXPECT_EQ(bus_.at(17)->status & 0x02, 0);
  EXPECT_EQ(bus_.at(22)->squelchLevel, 5);
  EXPECT_EQ(bus_.at(22)->status & 0x20, 0x20);  // NO
  EXPECT_EQ(bus_.at(40)->status & 0x22, 0x02);  // YES, muted
  EXPECT_EQ(bus_.at(40)->antennaMode, sim::AntennaMode::Diversity);
  // The slot tables and panels of the lines that applied.
  EXPECT_EQ(slots_.ReceiverName[1], "LEAD  ");
  EXPECT_EQ(slots_.ReceiverName[2], "GUIT 2");
  EXPECT_EQ(slots_.ReceiverFrequencyCode[3], "7E9A");
  EXPECT_EQ(view_.calls.front(), "name line 1 03 LEAD  ");
  EXPECT_EQ(view_.calls.back(), "glyph 3");
  EXPECT_EQ(slots_.SelectedSlot, 5);
  EXPECT_EQ(presets_.byAddress.at("40"), "02");
  // 20 ms per line, the pacing of each command, and before line 5's first command the wait
  // for a reply to line 4's YES/NO command, which this receiver never sends: the rest of
  // the 0.3 s window after that command (60 ms of pauses have passed), checked after each
  // 20 ms read.
  EXPECT_EQ(clock_.tickCount() - before, 5 * 20 + 2 * 30 + 2 * 100 + 260);
}

TEST_F(DemoNetwork, ABadFrequencyFieldStopsTheLoadWithTheConversionError) {
  const std::vector<std::string> lines = {
      "Q5V,03,LEAD  ,2,A,7ED6,03,0", "Q5V,05,GUIT 2,1,3,7XY9,03,1", "Q5V,17,BASS 2,1,1,7E9A,04,1"};
  try {
    load_.Replay(lines);
    FAIL() << "no conversion error";
  } catch (const runtime::ConversionError& e) {
    EXPECT_EQ(std::string(e.what()), "'0x7XY9' is not a valid integer value");
  }
  EXPECT_EQ(bus_.lines(), (std::vector<std::string>{"#03F03\r", "#03B0\r", "#05F03\r", "#05B0\r"}));
  EXPECT_EQ(routines_.calls.back(), "Form3 SendName 05 'GUIT 2'");
}

}  // namespace
