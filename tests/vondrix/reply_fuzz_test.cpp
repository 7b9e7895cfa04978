// Replies are bytes from a bus nobody controls: whatever they hold, no handler may crash,
// show anything but a conversion error, or leave the program stuck (a detection flag set,
// the progress window up, polling paused for good). Nor may any other error that ends a
// handler. Network files are such bytes too: whatever a file or a reply holds, a load puts
// only whole commands of its own on the bus, and a save writes one whole line per receiver.
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>
#include <set>

#include "common/FileBytes.h"
#include "program_fixture.h"
#include "sim/ReplyFuzzer.h"

namespace {

using sim::Model;
using vondrix::TForm1;

// The one error box a reply may cause: the run time's conversion error, "'...' is not a
// valid integer value.", whole, with the reply's control bytes escaped ("\x00").
bool isConversionError(const QString& text) {
  static const QRegularExpression allowed(
      "^'[^\\x{00}-\\x{1F}\\x{7F}-\\x{9F}]*' is not a valid (integer|floating point) value\\.$");
  return allowed.match(text).hasMatch();
}

// How hostile the bus is.
struct Profile {
  const char* label;
  bool bothModels;
  bool identifyTrue;  // identify replies stay true
  bool onTime;        // every reply in one piece when due
  double rate;        // share of replies that are not the true one
  // The operator also saves the network file and loads it back with a few bytes changed.
  bool networkFiles = false;
};

// The bytes as C escapes, for the messages.
std::string Escaped(const std::string& bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    if (c >= 0x20 && c <= 0x7E) {
      out += char(c);
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02x", c);
      out += hex;
    }
  }
  return out;
}

// A message that a network-file load may show: a refused file, or a receiver that did not
// take its frequency.
bool ShownByALoad(const QString& text) {
  return text.startsWith("No Receiver Matches This File\n") ||
         text.startsWith("Not A Network File\n") || text.endsWith("  Offline");
}

// A line that a network-file load may send to the receiver at one of addresses: one of the
// load's own commands or of the detail routines it runs, whole, with nothing after its CR.
bool IsLoadCommand(const std::string& line, const std::set<std::string>& addresses) {
  static const QRegularExpression shape(
      "^(#..(C[\\x20-\\x7E]{6}|F[0-9A-Fa-f]{2}|B[01]|D[0-9A-Fa-f]{2,4}|K[0-9A-F]{4,8}|G[0-9]{2}|"
      "R0|Q[01])|%..[BN])\r$");
  return shape.match(QString::fromLatin1(line.data(), qsizetype(line.size()))).hasMatch() &&
         addresses.count(line.substr(1, 2)) == 1;
}

// One program on a fuzzed bus, driven by a seeded operator.
class FuzzRun {
 public:
  FuzzRun(uint32_t seed, const Profile& profile)
      : rng_(seed), fuzzer_(seed, profile.rate), networkFiles_(profile.networkFiles) {
    const char* firmware[] = {"1.1A", "1.4A", "1.6A", "2.1B"};
    for (int n = below(4) + 1; n > 0; --n) {
      const Model model = profile.bothModels && below(2) ? Model::Z3K : Model::Q5V;
      bus_.add(sim::Receiver::make(model, below(64) + 1)).firmware = firmware[below(4)];
    }
    if (profile.identifyTrue) fuzzer_.spared = {"%A"};
    fuzzer_.onTime = profile.onTime;
    ports_.attach("COM1", bus_);
    fuzzer_.attach(bus_);
  }

  // Starts the program and lets the operator and the timers take steps turns, as long as
  // the program runs; after each, nothing a handler set may be left over.
  void run(int steps) {
    program_.CreateForms();
    program_.Form2->Timer1->fire();
    expectSettled("start");
    for (int i = 0; i < steps && !program_.Ending; ++i) {
      const std::string what = step();
      expectSettled(what);
    }
    for (const QString& text : dialogs_.texts(forms::DialogKind::Error))
      EXPECT_TRUE(isConversionError(text)) << text.toStdString();
  }

  bool ended() const { return program_.Ending; }
  // The only ways a program ends by itself: the address-error message or an unknown model
  // during detection, both closing the main window. (Loads have messages of their own.)
  void expectEndedByItself() {
    EXPECT_FALSE(program_.Form2->isVisible());
    for (const QString& text : dialogs_.texts(forms::DialogKind::Message)) {
      if (networkFiles_ && ShownByALoad(text)) continue;
      EXPECT_EQ(text, "Error ! Check Receiver's Address");
    }
  }

  // With the bus healthy again, the commands of a stuck program still work.
  void expectStillUsable() {
    sim::ReplyFuzzer::detach(bus_);
    TForm1& m = *program_.Form1;
    const int receivers = int(bus_.receivers().size());
    m.AutoDetectReceivers1->click();
    EXPECT_EQ(program_.Slots.ReceiverCount, receivers);
    ASSERT_TRUE(m.Timer1->enabled());
    bus_.clearLog();
    m.Timer1->fire();
    EXPECT_FALSE(bus_.lines().empty()) << "polling runs";
    m.Reconnect1->click();
    EXPECT_EQ(program_.Slots.ReceiverCount, receivers);
    EXPECT_TRUE(m.Timer1->enabled());
    dialogs_.answer("OK");
    bus_.clearLog();
    m.Exit1->click();
    EXPECT_EQ(bus_.lines(), (std::vector<std::string>{"#00A0\r", "#00A0\r"}));
  }

 private:
  int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  // Nothing a handler set may outlive it.
  void expectSettled(const std::string& after) {
    EXPECT_FALSE(program_.Net.Detecting) << after;
    if (program_.Ending) return;
    TForm1& m = *program_.Form1;
    EXPECT_TRUE(m.isVisible()) << after;
    EXPECT_FALSE(program_.Form4->isVisible()) << after;
    EXPECT_EQ(program_.Net.PollingEnabled, 1) << after;
    EXPECT_EQ(m.Timer1->enabled(), program_.Slots.ReceiverCount >= 1) << after;
  }

  // Hovers a random detected slot; 0 when there is none.
  int hoverSomeSlot() {
    TForm1& m = *program_.Form1;
    const int count = program_.Slots.ReceiverCount;
    if (count < 1) return 0;
    const int slot = below(count) + 1;
    QWidget* panel = m.PanelTable[slot];
    if (!panel) {
      ADD_FAILURE() << "slot " << slot << " of " << count << " has no panel";
      return 0;
    }
    HoverOver(m, panel);
    return slot;
  }

  // One action of the operator or the timers; returns its name for the messages.
  std::string step() {
    TForm1& m = *program_.Form1;
    vondrix::ReceiverQueries& q = m.Queries;
    const int slot = hoverSomeSlot();
    const int action = below(100);
    if (action < 40) return m.Timer1->fire(), "poll tick";
    if (action < 45) return m.Timer2->fire(), "blink";
    if (action < 47) return m.AutoDetectReceivers1->click(), "Auto Detect";
    if (action < 49) return m.Reconnect1->click(), "Reconnect";
    if (slot == 0) return "nothing to click";
    if (action < 62) return m.PanelButtons[slot][0]->click(), "mute button";
    if (action < 65) {
      // The window (or the opener's "COM PORT Offline") pauses the main screen's poll
      // until a detail window closes: close them, as the operator would.
      m.PanelButtons[slot][1]->click();
      program_.CloseDetailWindows();
      return "detail button";
    }
    if (action < 68) return forms::invokeHandler([&] { m.NameLabelDblClick(); }), "re-probe";
    if (networkFiles_ && action >= 74 && action < 90)
      return action < 80 ? (saveNetwork(), "save") : (loadNetwork(), "load");
    if (action < 74) {
      vondrix::TForm6& popup = *program_.Form6;
      const int row = below(3);
      forms::invokeHandler([&] {
        if (row == 0) popup.StaticText1MouseDown();
        if (row == 1) popup.StaticText2MouseDown();
        if (row == 2) popup.StaticText4MouseDown();
      });
      return "display select";
    }
    // Every query routine, as the handlers that call them run it.
    const std::pair<const char*, void (*)(vondrix::ReceiverQueries&, int)> queries[] = {
        {"identify", [](auto& q, int s) { q.IdentifyReceiver(s); }},
        {"state", [](auto& q, int s) { q.QueryState(s); }},
        {"mute", [](auto& q, int) { q.SendMute("1"); }},
        {"name", [](auto& q, int s) { q.QueryName(s); }},
        {"group and channel", [](auto& q, int s) { q.QueryGroupChannel(s); }},
        {"frequency", [](auto& q, int s) { q.QueryFrequency(s); }},
        {"band start", [](auto& q, int s) { q.QueryBandStart(s); }},
        {"group table", [](auto& q, int s) { q.QueryGroupTable(s); }},
        {"band steps", [](auto& q, int s) { q.QueryBandSteps(s); }},
        {"diversity", [](auto& q, int s) { q.SendDiversityMode(s); }},
        {"status", [](auto& q, int s) { q.PollStatus(s); }},
    };
    const auto& [name, query] = queries[below(std::size(queries))];
    forms::invokeHandler([&] { query(q, slot); });
    return name;
  }

  std::string savedPath() const { return files_.filePath("network.vxn").toStdString(); }

  // File > Save: whatever the replies held, one line per receiver, each of its model's
  // width and of printable bytes only.
  void saveNetwork() {
    std::remove(savedPath().c_str());
    dialogs_.choose(QString::fromStdString(savedPath()));
    program_.Form1->Save1->click();
    const std::string bytes = ReadBytes(savedPath());
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2)
      lines.push_back(bytes.substr(at, end - at));
    EXPECT_EQ(lines.size(), std::size_t(program_.Slots.ReceiverCount)) << Escaped(bytes);
    for (const std::string& line : lines) {
      EXPECT_EQ(line.size(), line.starts_with("Z3K") ? 32u : 27u) << Escaped(line);
      EXPECT_TRUE(std::all_of(line.begin(), line.end(), [](char c) {
        return c >= 0x20 && c <= 0x7E;
      })) << Escaped(line);
    }
  }

  // File > Load of the last saved file with a few bytes changed (line ends, NUL, bytes
  // above 0x7E, digits, "#" among them): only whole commands of the load go out, each to a
  // detected receiver.
  void loadNetwork() {
    std::string bytes = ReadBytes(savedPath());
    const char odd[] = {'\r', '\n', '\0', '\xff', '#', '0', 'Z', ' ', ','};
    for (int n = below(4); n > 0 && !bytes.empty(); --n)
      bytes[std::size_t(below(int(bytes.size())))] = odd[below(int(sizeof odd))];
    const std::string path = files_.filePath("load.vxn").toStdString();
    WriteBytes(path, bytes);
    std::set<std::string> addresses;
    for (int s = 1; s <= program_.Slots.ReceiverCount; ++s)
      addresses.insert(program_.Slots.ReceiverAddress[s]);
    bus_.clearLog();
    dialogs_.choose(QString::fromStdString(path));
    program_.Form1->Load1->click();
    for (const std::string& line : bus_.lines())
      EXPECT_TRUE(IsLoadCommand(line, addresses)) << Escaped(line) << " from " << Escaped(bytes);
  }

  std::mt19937 rng_;
  sim::Bus bus_;
  sim::ReplyFuzzer fuzzer_;
  bool networkFiles_;
  QTemporaryDir files_;
  sim::FakeSerialBackend ports_;
  forms::ScriptedDialogs dialogs_;
  vondrix::Program program_{ports_};
};

TEST_F(ProgramTest, AnErrorInAHandlerLeavesNothingSwitched) {
  add(Model::Q5V, 3);
  add(Model::Q5V, 5);
  std::string failAt = "#10A1\r";  // the port fails once, under this line
  bus.setLineObserver([&](const sim::LoggedLine& l) {
    if (l.line != failAt) return;
    failAt.clear();
    throw std::runtime_error("The port failed");
  });
  program.CreateForms();
  program.Form2->Timer1->fire();
  TForm1& m = *program.Form1;
  EXPECT_EQ(dialogs.texts(forms::DialogKind::Error), std::vector<QString>{"The port failed."});
  EXPECT_FALSE(program.Net.Detecting);
  EXPECT_FALSE(program.Form4->isVisible());
  EXPECT_FALSE(program.Form2->isVisible());
  EXPECT_TRUE(m.isVisible());
  EXPECT_EQ(program.Slots.ReceiverCount, 0);

  m.AutoDetectReceivers1->click();
  ASSERT_EQ(program.Slots.ReceiverCount, 2);
  failAt = "%03N\r";  // a poll visit fails: the cursor still moves on
  m.Timer1->fire();
  EXPECT_EQ(program.Net.PollCursor, 2);
  bus.clearLog();
  m.Timer1->fire();
  EXPECT_EQ(linesOf('%', 'N').front(), "%05N\r");

  m.OpenDetailQ5V = [] { throw std::runtime_error("No window"); };
  hoverSlot(1);
  m.PanelButtons[1][1]->click();
  EXPECT_EQ(program.Net.PollingEnabled, 1) << "an opener that failed opened nothing";
}

TEST_F(ProgramTest, FuzzedRepliesNeverLeaveTheProgramStuck) {
  const Profile profiles[] = {
      // No unknown model, no address error and no stray byte in an identify read: such a
      // network cannot end the program, so every run reaches its end.
      {"first model, identify true, on time", false, true, true, 0.35},
      {"both models, identify true", true, true, false, 0.35},
      {"both models, everything fuzzed", true, false, false, 0.2},
  };
  for (const Profile& profile : profiles) {
    for (uint32_t seed = 1; seed <= 6; ++seed) {
      SCOPED_TRACE(std::string(profile.label) + ", seed " + std::to_string(seed));
      FuzzRun run(seed, profile);
      run.run(120);
      if (profile.bothModels && run.ended()) {
        run.expectEndedByItself();
        continue;
      }
      ASSERT_FALSE(run.ended());
      run.expectStillUsable();
    }
  }
}

TEST_F(ProgramTest, FuzzedRepliesAndNetworkFilesPutNoForeignCommandOnTheBus) {
  const Profile profiles[] = {
      {"first model, identify true, on time", false, true, true, 0.35, true},
      {"both models, identify true", true, true, false, 0.35, true},
  };
  for (const Profile& profile : profiles) {
    for (uint32_t seed = 1; seed <= 6; ++seed) {
      SCOPED_TRACE(std::string(profile.label) + ", seed " + std::to_string(seed));
      FuzzRun run(seed, profile);
      run.run(120);
      if (run.ended()) {
        run.expectEndedByItself();
        continue;
      }
      run.expectStillUsable();
    }
  }
}

}  // namespace
