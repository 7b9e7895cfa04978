// Opening, polling and closing the detail windows on simulated receivers.
#include "detail_fixture.h"
#include "platform/WindowDirectory.h"

namespace {

using sim::Fault;
using sim::Model;
using vondrix::TForm3;
using vondrix::TForm7;
using Lines = std::vector<std::string>;

TEST_F(DetailTest, EachOpenerQueriesInItsOrderAndShowsGroupAndChannelByFirmware) {
  struct Row {
    Model model;
    const char* firmware;
    int groups, group, channel;
    const char* shownGroup;
    const char* shownChannel;
  } rows[] = {
      {Model::Q5V, "1.1C", 6, 2, 10, "      2", "      10"},  // short reply
      {Model::Q5V, "1.4A", 8, 3, 12, "      3", "      12"},  // wide reply
      {Model::Q5V, "1.6B", 8, 3, 5, "      13", "      5"},   // renumbered, lower half
      {Model::Q5V, "1.6B", 8, 5, 3, "      16", "      19"},  // upper half: + 11, c + 16
      {Model::Z3K, "1.9A", 10, 3, 12, "3", "12"},             // short reply
      {Model::Z3K, "2.0A", 10, 7, 11, "7", "11"},             // wide reply
  };
  int address = 1;
  for (const Row& r : rows) {
    auto& rx = add(r.model, address++);
    rx.firmware = r.firmware;
    rx.groups = std::vector<int>(r.groups, 16);
    rx.group = r.group;
    rx.channel = r.channel;
    rx.frequencyCode = *rx.channelCode(r.group, r.channel);
  }
  run();
  const Lines q5v = {"%0#B\r", "%0#J\r", "%0#C\r", "%0#A\r", "%0#D\r",
                     "%0#E\r", "%0#I\r", "%0#H\r", "%0#F\r"};
  const Lines z3k = {"%0#J\r", "%0#C\r", "%0#A\r", "%0#B\r", "%0#D\r",
                     "%0#E\r", "%0#I\r", "%0#H\r", "%0#F\r", "%0#G\r"};
  for (int slot = 1; slot <= 6; ++slot) {
    const Row& r = rows[slot - 1];
    program.Current.SquelchLevel.clear();  // the squelch query carries the level held
    openSlot(slot);
    Lines expected = r.model == Model::Q5V ? q5v : z3k;
    for (std::string& l : expected) l[2] = char('0' + slot);
    EXPECT_EQ(lines(), expected) << r.firmware;
    if (r.model == Model::Q5V) {
      const TForm3& w = *program.Form3;
      EXPECT_TRUE(w.isVisible());
      EXPECT_EQ(w.Edit1->text(), QString("     0%1").arg(slot));
      EXPECT_EQ(w.Edit9->text(), QString("   ") + r.firmware);
      EXPECT_EQ(w.Edit3->text(), r.shownGroup) << r.firmware;
      EXPECT_EQ(w.Edit4->text(), r.shownChannel) << r.firmware;
      EXPECT_TRUE(w.Timer2->enabled());
    } else {
      const TForm7& w = *program.Form7;
      EXPECT_TRUE(w.isVisible());
      EXPECT_EQ(w.StaticText28->caption(), QString("0%1").arg(slot));
      EXPECT_EQ(w.StaticText43->caption(), r.firmware);
      EXPECT_EQ(w.StaticText31->caption(), r.shownGroup) << r.firmware;
      EXPECT_EQ(w.StaticText32->caption(), r.shownChannel) << r.firmware;
      EXPECT_TRUE(w.Timer1->enabled());
    }
    EXPECT_EQ(program.Net.PollingEnabled, 0);
  }
}

TEST_F(DetailTest, TheOpenersFillTheWindows) {
  auto& q = add(Model::Q5V, 7);
  q.name = "VOCAL1", q.status = '3', q.squelchLevel = 2;
  q.bandStartCode = 31920, q.bandSteps = 960, q.frequencyCode = 32470;  // 811.750 MHz
  auto& z = add(Model::Z3K, 9);
  z.name = "KEYS  ", z.status = '0', z.band = "K1", z.eqPreset = 3;
  run();
  TForm3& w3 = *program.Form3;
  TForm7& w7 = *program.Form7;
  program.TvRegion = 3;
  openSlot(1);
  EXPECT_EQ(w3.caption(), "Detail Functions");
  EXPECT_EQ(w3.Edit2->text(), "VOCAL1");
  EXPECT_EQ(w3.Edit3->text(), "      **");  // tuned by frequency
  EXPECT_EQ(w3.Edit6->text(), "811.750");
  EXPECT_EQ(program.Current.CurrentFrequency, "811.750");
  EXPECT_EQ(w3.Edit7->text(), "798.000");
  EXPECT_EQ(w3.Edit8->text(), "822.000");
  EXPECT_EQ(w3.StaticText40->caption(), "798.000");
  EXPECT_EQ(w3.StaticText41->caption(), "822.000MHZ");
  EXPECT_EQ(w3.Edit5->text(), "63");
  EXPECT_EQ(w3.StaticText31->caption(), "             MHZ");
  EXPECT_EQ(w3.StaticText32->caption(), "        uV");
  EXPECT_TRUE(w3.RadioButton3->checked());
  EXPECT_TRUE(w3.RadioButton7->checked());
  EXPECT_EQ(w3.BitBtn18->caption(), "Run");
  EXPECT_EQ(w3.PageControl1->activePageIndex(), 0);
  EXPECT_TRUE(w3.TabSheet1->highlighted());
  EXPECT_FALSE(w3.TabSheet2->highlighted());
  EXPECT_EQ(program.Current.SquelchLevel, "02");

  openSlot(2);
  EXPECT_FALSE(w3.isVisible());
  EXPECT_EQ(w7.caption(), "Zarnel Detail Functions");
  EXPECT_EQ(w7.Edit1->text(), "KEYS  ");
  EXPECT_EQ(w7.StaticText42->caption(), "K1");
  EXPECT_EQ(w7.StaticText139->color(), forms::clWhite);  // status "0" has bit 0x20: NO
  EXPECT_EQ(w7.StaticText140->color(), forms::clRed);
  EXPECT_EQ(w7.StaticText143->color(), forms::clRed);
  EXPECT_EQ(w7.StaticText23->caption(), "03");
  EXPECT_EQ(w7.StaticText59->caption(), "654.000MHZ");
  EXPECT_EQ(w7.StaticText60->caption(), "        MHZ");
  EXPECT_EQ(w7.StaticText61->caption(), "         uV");
  EXPECT_EQ(w7.StaticText46->color(), forms::clLime);  // the panel shows "D"
  EXPECT_EQ(w7.StaticText45->color(), forms::clWhite);
  EXPECT_EQ(w7.BitBtn4->caption(), "Run");
}

TEST_F(DetailTest, AThirdUnansweredTryStopsTheOpener) {
  auto& r = add(Model::Q5V, 7);
  run();
  r.fault = {.kind = Fault::Silent};
  openSlot(1);
  EXPECT_EQ(lines(), (Lines{"%07B\r", "%07B\r", "%07B\r"}));
  EXPECT_EQ(dialogs.texts(forms::DialogKind::Message), std::vector<QString>{"COM PORT Offline"});
  EXPECT_FALSE(program.Form3->isVisible());
  EXPECT_FALSE(program.Form3->Timer2->enabled());
  // Main-screen polling stays paused until a window is next opened and closed.
  EXPECT_EQ(program.Net.PollingEnabled, 0);
  bus.clearLog();
  runTimers(500);
  EXPECT_TRUE(lines().empty());

  r.fault = {.kind = Fault::Silent, .times = 2};  // the third try is answered
  openSlot(1);
  EXPECT_EQ(count("%07B\r"), 3);
  EXPECT_TRUE(program.Form3->isVisible());
  program.Form3->BitBtn13->click();  // "Exit"
  EXPECT_FALSE(program.Form3->isVisible());
  EXPECT_EQ(program.Net.PollingEnabled, 1);
}

TEST_F(DetailTest, AConversionErrorAfterTheWindowShowedLeavesNoWindowAndTheMainScreenPolls) {
  add(Model::Q5V, 7);
  add(Model::Z3K, 8);
  run();
  // The squelch threshold "ZZ": read by the opener, converted when the pictures are cleared
  // after the window showed.
  bus.shaper = [](std::string_view line, const sim::Receiver&, std::optional<std::string> reply,
                  uint32_t dueMs) -> std::vector<sim::ReplyPiece> {
    if (!reply) return {};
    if (sim::commandOf(line).starts_with("%F")) reply->replace(7, 2, "ZZ");
    return {{dueMs, *reply}};
  };
  struct Row {
    int slot;
    forms::Form* window;
    forms::Timer* poll;
    const char* identify;
  } rows[] = {{1, program.Form3, program.Form3->Timer2, "%07A\r"},
              {2, program.Form7, program.Form7->Timer1, "%08A\r"}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.slot);
    dialogs.boxes.clear();
    openSlot(r.slot);
    EXPECT_EQ(dialogs.texts(forms::DialogKind::Error),
              std::vector<QString>{"'0xZZ' is not a valid integer value."});
    EXPECT_FALSE(r.window->isVisible());
    EXPECT_FALSE(r.poll->enabled());
    EXPECT_EQ(program.Net.PollingEnabled, 1);
    bus.clearLog();
    runTimers(300);
    EXPECT_GT(count(r.identify), 0) << "the main screen polls the receiver";
  }
  bus.shaper = nullptr;
}

TEST_F(DetailTest, OneClickOpensOneWindowEvenWhenTheReceiverNowAnswersAsTheOtherModel) {
  auto& r = add(Model::Q5V, 7);
  r.firmware = "2.1A";  // the wide layouts of both models
  run();
  ASSERT_EQ(program.Slots.ReceiverModel[1], "Q5V");
  // The receiver is swapped while the first opener identifies it.
  bus.setLineObserver([&](const sim::LoggedLine& l) {
    if (l.line == "%07A\r") r.model = Model::Z3K;
  });
  openSlot(1);
  EXPECT_EQ(program.Slots.ReceiverModel[1], "Z3K");
  EXPECT_TRUE(program.Form3->isVisible());
  EXPECT_FALSE(program.Form7->isVisible());
}

TEST_F(DetailTest, EachWindowPollsAtItsPaceWhileTheMainScreenWaits) {
  add(Model::Q5V, 7);
  add(Model::Z3K, 8);
  run();
  struct Row {
    int slot;
    const char* status;
    int ticksIn600ms;
    forms::Form* window;
  } rows[] = {{1, "%07N\r", 10, program.Form3}, {2, "%08N\r", 6, program.Form7}};
  for (const Row& r : rows) {
    openSlot(r.slot);
    bus.clearLog();
    runTimers(600);
    EXPECT_EQ(count(r.status), r.ticksIn600ms);
    EXPECT_EQ(lines().size(), size_t(r.ticksIn600ms)) << "the main screen polled";
    r.window->close();
    bus.clearLog();
    runTimers(210);
    EXPECT_GT(count("%07A\r") + count("%08A\r"), 0) << "the main screen polls again";
  }
}

TEST_F(DetailTest, ASilentReceiverClosesTheWindowWithItsAddress) {
  struct Row {
    const char* name;
    Model model;
    int tries;
    const char* message;
    std::function<void(sim::Receiver&)> fail;
  } rows[] = {
      {"silent", Model::Q5V, 10, "     07  Offline",
       [](sim::Receiver& r) { r.fault = {.kind = Fault::Silent}; }},
      {"another address", Model::Q5V, 10, "     07  Offline",
       [](sim::Receiver& r) { r.fault = {.kind = Fault::WrongAddress, .otherAddress = 8}; }},
      {"garbled fields", Model::Q5V, 10, "     07  Offline",
       [](sim::Receiver& r) { r.fault = {.kind = Fault::Garbage}; }},
      {"silent", Model::Z3K, 3, "07  Offline",
       [](sim::Receiver& r) { r.fault = {.kind = Fault::Silent}; }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    bus.remove(7);
    auto& r = add(row.model, 7);
    if (!program.Form1) run();
    hoverSlot(1);
    program.Slots.ReceiverModel[1] = sim::modelCode(row.model);
    dialogs.boxes.clear();
    openSlot(1);
    forms::Form* window = row.model == Model::Q5V ? static_cast<forms::Form*>(program.Form3)
                                                  : static_cast<forms::Form*>(program.Form7);
    ASSERT_TRUE(window->isVisible());
    row.fail(r);
    bus.clearLog();
    runTimers(row.model == Model::Q5V ? 60 : 100);
    EXPECT_EQ(count("%07N\r"), row.tries);
    EXPECT_EQ(dialogs.texts(forms::DialogKind::Message), std::vector<QString>{row.message});
    EXPECT_TRUE(dialogs.texts(forms::DialogKind::Error).empty());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(program.Net.PollingEnabled, 1);
  }
}

TEST_F(DetailTest, AWindowWhosePortIsGoneGoesOffline) {
  add(Model::Q5V, 7);
  run();
  openSlot(1);
  backend.setIoFails("COM1", true);
  runTimers(60);
  EXPECT_EQ(dialogs.texts(forms::DialogKind::Message), std::vector<QString>{"     07  Offline"});
  EXPECT_FALSE(program.Form3->isVisible());
}

TEST_F(DetailTest, TheSecondWindowDoesNotPollWhileCalyxonRuns) {
  add(Model::Z3K, 7);
  run();
  openSlot(1);
  {
    platform::WindowPublication designer("Calyxon");
    bus.clearLog();
    runTimers(1000);
    EXPECT_EQ(count("%07N\r"), 0);
    EXPECT_TRUE(program.Form7->isVisible());
  }
  runTimers(100);
  EXPECT_EQ(count("%07N\r"), 1);
}

}  // namespace
