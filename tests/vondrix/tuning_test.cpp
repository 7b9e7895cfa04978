// Group, channel and frequency entry and the squelch of both detail windows, as the operator
// uses them, on simulated receivers: what the receivers got and what the windows show.
#include <QTest>

#include "detail_fixture.h"
#include "vondrix/detail/MhzText.h"

namespace {

using sim::Fault;
using sim::Model;
using vondrix::TForm3;
using vondrix::TForm7;
using Lines = std::vector<std::string>;

// "aa" in each line replaced by the two-digit address.
Lines At(int address, Lines lines) {
  const std::string a = (address < 10 ? "0" : "") + std::to_string(address);
  for (std::string& l : lines) l.replace(l.find("aa"), 2, a);
  return lines;
}

// A window's controls of this behaviour, whichever model it is.
struct Controls {
  forms::BitBtn *groupDown, *groupUp, *channelDown, *channelUp, *frequencyDown, *frequencyUp;
  forms::Edit* frequency;
  std::function<QString()> group, channel;
  forms::BitBtn* run;
  forms::Form* window;
  std::array<forms::RadioButton*, 4> steps;  // 25, 50, 100, 125 kHz
};

class Tuning : public DetailTest {
 protected:
  Controls controlsOf(Model m) {
    if (m == Model::Q5V) {
      TForm3& w = *program.Form3;
      return {w.BitBtn1,
              w.BitBtn2,
              w.BitBtn3,
              w.BitBtn4,
              w.BitBtn5,
              w.BitBtn6,
              w.Edit6,
              [&w] { return w.Edit3->text(); },
              [&w] { return w.Edit4->text(); },
              w.BitBtn18,
              &w,
              {w.RadioButton3, w.RadioButton4, w.RadioButton5, w.RadioButton6}};
    }
    TForm7& w = *program.Form7;
    return {w.BitBtn11,
            w.BitBtn12,
            w.BitBtn13,
            w.BitBtn14,
            w.BitBtn18,  // the second window numbers its frequency buttons the other way round
            w.BitBtn17,
            w.EditEx1,
            [&w] { return w.StaticText31->caption(); },
            [&w] { return w.StaticText32->caption(); },
            w.BitBtn4,
            &w,
            {w.RadioButton3, w.RadioButton4, w.RadioButton5, w.RadioButton6}};
  }
  // Types text into the frequency field and presses Enter.
  void enter(forms::Edit* field, const QString& text) {
    field->clear();
    QTest::keyClicks(field, text);
    bus.clearLog();
    QTest::keyClick(field, Qt::Key_Return);
  }
};

TEST_F(Tuning, GroupButtonsSendTheFirmwaresFormWrapAndStartAtChannelOne) {
  struct Row {
    const char* name;
    Model model;
    const char* firmware;
    int groups, group;
    bool up;
    Lines sent;
    const char* shownGroup;
    const char* shownChannel;
  } rows[] = {
      {"new form, then the group info",
       Model::Q5V,
       "1.2A",
       8,
       1,
       true,
       {"#aaD0201\r", "%aaH\r"},
       "      2",
       "      1"},
      {"old form", Model::Q5V, "1.1C", 6, 2, true, {"#aaD31\r"}, "      3", "      1"},
      {"up from the last group",
       Model::Q5V,
       "1.4A",
       8,
       8,
       true,
       {"#aaD0101\r", "%aaH\r"},
       "      1",
       "      1"},
      {"down from the first group",
       Model::Q5V,
       "1.4A",
       8,
       1,
       false,
       {"#aaD0801\r", "%aaH\r"},
       "      8",
       "      1"},
      {"shifted display, upper half",
       Model::Q5V,
       "1.6B",
       8,
       4,
       true,
       {"#aaD0501\r", "%aaH\r"},
       "      16",
       "      17"},
      {"shifted display, lower half",
       Model::Q5V,
       "1.6B",
       8,
       5,
       false,
       {"#aaD0401\r", "%aaH\r"},
       "      14",
       "      1"},
      {"second model, new form",
       Model::Z3K,
       "2.0A",
       10,
       3,
       false,
       {"#aaD0201\r", "%aaH\r"},
       "2",
       "1"},
      {"second model, old form", Model::Z3K, "1.9A", 10, 3, true, {"#aaD41\r"}, "4", "1"},
  };
  int address = 1;
  for (const Row& r : rows) {
    auto& rx = add(r.model, address++);
    rx.firmware = r.firmware;
    rx.groups = std::vector<int>(r.groups, 16);
    rx.group = r.group;
    rx.channel = 5;
    rx.frequencyCode = *rx.channelCode(r.group, 5);
  }
  run();
  for (int slot = 1; slot <= int(std::size(rows)); ++slot) {
    const Row& r = rows[slot - 1];
    SCOPED_TRACE(r.name);
    openSlot(slot);
    Controls c = controlsOf(r.model);
    bus.clearLog();
    (r.up ? c.groupUp : c.groupDown)->click();
    EXPECT_EQ(lines(), At(slot, r.sent));
    EXPECT_EQ(c.group(), r.shownGroup);
    EXPECT_EQ(c.channel(), r.shownChannel);
    const sim::Receiver& rx = *bus.at(slot);
    EXPECT_EQ(rx.channel, 1);
    // The receiver's answer retunes the field and the slot.
    EXPECT_EQ(c.frequency->text(), vondrix::MhzText(rx.frequencyCode * 25));
    EXPECT_EQ(program.Current.CurrentFrequency, c.frequency->text().toStdString());
    EXPECT_EQ(program.Slots.ReceiverGroup[slot], program.Current.CurrentGroup);
    if (r.sent.size() == 2) {
      const auto& log = bus.log();
      EXPECT_GE(log[1].atMs - log[0].atMs, 50u) << "the group info waits 50 ms";
    }
  }
}

TEST_F(Tuning, ChannelSixteenGoesOutAsZeroInTheOldForm) {
  auto& rx = add(Model::Q5V, 7);
  rx.firmware = "1.1C";
  rx.groups = {16, 16, 12};
  rx.group = 2, rx.channel = 15;
  rx.frequencyCode = *rx.channelCode(2, 15);
  run();
  openSlot(1);
  TForm3& w = *program.Form3;
  bus.clearLog();
  w.BitBtn4->click();
  EXPECT_EQ(lines(), Lines{"#07D20\r"});
  EXPECT_EQ(program.Current.CurrentChannel, "10");
  EXPECT_EQ(w.Edit4->text(), "      16");
  EXPECT_EQ(rx.channel, 16);
  bus.clearLog();
  w.BitBtn4->click();  // past the group's last channel
  EXPECT_EQ(lines(), Lines{"#07D21\r"});
  EXPECT_EQ(w.Edit4->text(), "      1");
  w.BitBtn2->click();  // group 3, 12 channels
  bus.clearLog();
  w.BitBtn3->click();  // down from channel 1: the group's own count
  EXPECT_EQ(lines(), Lines{"#07D3C\r"});
  EXPECT_EQ(w.Edit3->text(), "      3");
  EXPECT_EQ(w.Edit4->text(), "      12");
}

TEST_F(Tuning, TheSecondModelCountsTheChannelsOfTheGroupTableItRead) {
  // A first-model receiver of the old table form, opened first, leaves 16 channels in the
  // per-group entries that every window shares.
  auto& earlier = add(Model::Q5V, 1);
  earlier.firmware = "1.1C", earlier.groups = {16, 16, 16};
  struct Row {
    const char* name;
    const char* firmware;
    std::vector<int> groups;
    int group;
    int count;
    const char* downFromOne;  // the D set of channel down from channel 1
    const char* upFromLast;
  } rows[] = {
      {"new table form, old D set form", "1.5A", std::vector<int>(8, 12), 2, 12, "#aaD2C\r",
       "#aaD21\r"},
      {"old table form: the group's entry", "1.1A", {16, 9, 12}, 3, 12, "#aaD3C\r", "#aaD31\r"},
      {"an entry no table filled", "1.1A", {12, 12}, 5, 16, "#aaD50\r", "#aaD51\r"},
  };
  int address = 2;
  for (const Row& r : rows) {
    auto& rx = add(Model::Z3K, address++);
    rx.firmware = r.firmware, rx.groups = r.groups, rx.group = r.group, rx.channel = 1;
  }
  run();
  openSlot(1);
  for (int slot = 2; slot <= int(std::size(rows)) + 1; ++slot) {
    const Row& r = rows[slot - 2];
    SCOPED_TRACE(r.name);
    openSlot(slot);
    TForm7& w = *program.Form7;
    bus.clearLog();
    w.BitBtn13->click();  // down from channel 1: the group's last channel
    EXPECT_EQ(lines(), At(slot, {r.downFromOne}));
    EXPECT_EQ(w.StaticText32->caption(), QString::number(r.count));
    bus.clearLog();
    w.BitBtn14->click();  // up from the last channel: channel 1
    EXPECT_EQ(lines(), At(slot, {r.upFromLast}));
    EXPECT_EQ(w.StaticText32->caption(), "1");
  }
}

TEST_F(Tuning, EnterTunesToTheGridPointAtOrBelowWithinTheBand) {
  add(Model::Q5V, 7);
  auto& z = add(Model::Z3K, 8);
  z.bandStartCode = 31920, z.bandSteps = 960, z.frequencyCode = 32400;
  run();
  struct Row {
    const char* typed;
    Lines sent;
    const char* shown;
    bool outOfRange;
  } rows[] = {
      {"798.049", {"#aaK7CB1\r", "%aaN\r"}, "798.025", false},
      {"822", {"#aaK8070\r", "%aaN\r"}, "822.000", false},  // the band stop
      {"797.99", {}, "810.000", true},
      {"822.001", {}, "810.000", true},
      {"", {}, "810.000", false},  // empty: the last frequency back, silently
  };
  for (Model m : {Model::Q5V, Model::Z3K}) {
    const int slot = m == Model::Q5V ? 1 : 2;
    openSlot(slot);
    Controls c = controlsOf(m);
    for (const Row& r : rows) {
      SCOPED_TRACE(r.typed);
      program.Current.CurrentFrequency = "810.000";
      program.Slots.ReceiverStatus[slot] = "2";
      dialogs.boxes.clear();
      enter(c.frequency, r.typed);
      EXPECT_EQ(lines(), At(slot + 6, r.sent));
      EXPECT_EQ(c.frequency->text(), r.shown);
      EXPECT_EQ(
          dialogs.texts(forms::DialogKind::Message),
          r.outOfRange ? std::vector<QString>{"Frequency out of range !"} : std::vector<QString>{});
      if (!r.sent.empty()) {
        EXPECT_EQ(program.Current.CurrentFrequency, r.shown);
        EXPECT_EQ(c.group(), m == Model::Q5V ? "      **" : "**");
        EXPECT_EQ(program.Slots.ReceiverStatus[slot], "2") << "Enter leaves the slot status";
      }
    }
  }
}

TEST_F(Tuning, TheFrequencyButtonsStepByTheScanStepAndWrapAtTheBandEdges) {
  add(Model::Q5V, 7);
  auto& z = add(Model::Z3K, 8);
  z.bandStartCode = 31920, z.bandSteps = 960;
  run();
  struct Row {
    const char* from;
    bool up;
    int step;  // 0..3: 25, 50, 100, 125 kHz
    const char* to;
    const char* code;
  } rows[] = {
      {"822.000", true, 0, "798.000", "7CB0"},  {"798.000", false, 0, "822.000", "8070"},
      {"798.025", false, 0, "798.000", "7CB0"}, {"810.000", true, 3, "810.125", "7E95"},
      {"821.950", true, 1, "822.000", "8070"},
  };
  for (Model m : {Model::Q5V, Model::Z3K}) {
    const int slot = m == Model::Q5V ? 1 : 2;
    openSlot(slot);
    Controls c = controlsOf(m);
    for (const Row& r : rows) {
      SCOPED_TRACE(r.from);
      c.steps[r.step]->setChecked(true);
      program.Slots.ReceiverStatus[slot] = "2";
      c.frequency->setText(r.from);
      bus.clearLog();
      (r.up ? c.frequencyUp : c.frequencyDown)->click();
      EXPECT_EQ(c.frequency->text(), r.to);
      EXPECT_EQ(program.Current.CurrentFrequency, r.to);
      EXPECT_EQ(lines(), At(slot + 6, {"#aaK" + std::string(r.code) + "\r", "%aaN\r"}));
      EXPECT_EQ(program.Slots.ReceiverStatus[slot], "3");
      EXPECT_EQ(c.channel(), m == Model::Q5V ? "      **" : "**");
    }
    // While a scan runs the field moves but the receiver is not tuned.
    c.run->setCaption("Stop");
    c.steps[0]->setChecked(true);
    c.frequency->setText("810.000");
    program.Slots.ReceiverStatus[slot] = "0";
    bus.clearLog();
    c.frequencyDown->click();
    EXPECT_EQ(c.frequency->text(), "809.975");
    EXPECT_EQ(program.Slots.ReceiverStatus[slot], "1");
    EXPECT_TRUE(lines().empty());
    c.run->setCaption("Run");
  }
}

TEST_F(Tuning, AShortTuneAcknowledgementClosesTheFirstWindowOnly) {
  auto& q = add(Model::Q5V, 7);
  auto& z = add(Model::Z3K, 8);
  z.bandStartCode = 31920, z.bandSteps = 960;
  run();
  for (sim::Receiver* r : {&q, &z})
    r->fault = {.kind = Fault::Short, .onlyFor = "#K", .shortKeep = 2};

  openSlot(1);
  Controls c = controlsOf(Model::Q5V);
  dialogs.boxes.clear();
  enter(c.frequency, "800");
  EXPECT_EQ(lines(), Lines{"#07K7D00\r"});
  EXPECT_EQ(dialogs.texts(forms::DialogKind::Message), std::vector<QString>{"     07  Offline"});
  EXPECT_FALSE(c.window->isVisible());
  EXPECT_FALSE(program.Form3->Timer2->enabled());
  EXPECT_EQ(program.Net.PollingEnabled, 1);

  openSlot(2);
  c = controlsOf(Model::Z3K);
  dialogs.boxes.clear();
  program.Form7->spectrum().MarkerY = 77;
  enter(c.frequency, "800");
  EXPECT_EQ(lines(), Lines{"#08K7D00\r"});
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_TRUE(c.window->isVisible());
  EXPECT_TRUE(program.Bus.CommandBuffer.empty());
  EXPECT_EQ(program.Form7->spectrum().MarkerY, 77);

  // A 4-character acknowledgement carrying another address is taken.
  z.fault = {.kind = Fault::WrongAddress, .onlyFor = "#K", .otherAddress = 9};
  enter(c.frequency, "800");
  EXPECT_EQ(lines(), Lines({"#08K7D00\r", "%08N\r"}));
}

TEST_F(Tuning, TheTunedLevelPlacesTheMarker) {
  auto& q = add(Model::Q5V, 7);
  q.calLowA = 6, q.calHighA = 40, q.calLowB = 6, q.calHighB = 40;
  run();
  bus.carriers = {{32000, 30}};  // 800.000 MHz, 30 dB
  openSlot(1);
  TForm3& w = *program.Form3;
  enter(w.Edit6, "800");
  EXPECT_EQ(w.spectrum().MarkerY, 155 - 75);
  q.fault = {.kind = Fault::Silent, .onlyFor = "%N"};
  enter(w.Edit6, "800");
  EXPECT_EQ(w.spectrum().MarkerY, 155) << "no status reply: no level";
}

TEST_F(Tuning, SquelchButtonsStepTheLevelOnTheLeftButtonGoingDown) {
  auto& q = add(Model::Q5V, 7);
  q.calLowA = q.calLowB = 6, q.calHighA = q.calHighB = 40;
  q.squelchMax = 5, q.squelchLevel = 2;  // threshold 6 + 2 * 34 / 10 = 12 dB
  run();
  openSlot(1);
  TForm3& w = *program.Form3;
  EXPECT_EQ(w.StaticText39->caption(), "12.0dB");
  bus.clearLog();
  QTest::mousePress(w.BitBtn7, Qt::LeftButton);  // up
  QTest::mouseRelease(w.BitBtn7, Qt::LeftButton);
  EXPECT_EQ(lines(), Lines({"#07F03\r", "%07F03\r"}));
  EXPECT_EQ(program.Current.SquelchLevel, "03");
  // 16 dB: the bar trunc(16 * 4.3), the line moved from y 125 to 115.
  EXPECT_EQ(w.StaticText39->caption(), "16.0dB");
  EXPECT_EQ(w.StaticText56->width(), 68);
  EXPECT_EQ(w.Image1->canvas().pixel(100, 115), forms::clRed);
  EXPECT_EQ(w.Image1->canvas().pixel(100, 125), forms::clBlack);
  EXPECT_EQ(w.Image2->canvas().pixel(100, 115), forms::clRed);
  const auto& log = bus.log();
  EXPECT_EQ(log[1].atMs - log[0].atMs, bus.latencyMs + 1) << "1 ms after the echoed set";

  struct Row {
    const char* name;
    const char* level;
    const char* max;
    forms::BitBtn* button;
    Qt::MouseButton mouse;
  } idle[] = {
      {"down at 0", "00", "05", w.BitBtn8, Qt::LeftButton},
      {"up at the maximum", "05", "05", w.BitBtn7, Qt::LeftButton},
      {"up above the maximum's text", "0A", "05", w.BitBtn7, Qt::LeftButton},
      {"the right button", "02", "05", w.BitBtn7, Qt::RightButton},
  };
  for (const Row& r : idle) {
    program.Current.SquelchLevel = r.level;
    program.Current.SquelchMax = r.max;
    bus.clearLog();
    QTest::mousePress(r.button, r.mouse);
    QTest::mouseRelease(r.button, r.mouse);
    EXPECT_TRUE(lines().empty()) << r.name;
    EXPECT_EQ(program.Current.SquelchLevel, r.level) << r.name;
  }
  program.Current.SquelchLevel = "02";
  w.BitBtn8->click();  // the keyboard's activation: no mouse-down, nothing
  EXPECT_TRUE(lines().empty());

  // A set acknowledged by another address: no pause; an unanswered query: the local level
  // stands.
  program.Current.SquelchLevel = "01";
  q.fault = {.kind = Fault::WrongAddress, .onlyFor = "#F", .otherAddress = 8};
  bus.clearLog();
  QTest::mousePress(w.BitBtn8, Qt::LeftButton);
  EXPECT_EQ(lines(), Lines({"#07F00\r", "%07F00\r"}));
  EXPECT_EQ(bus.log()[1].atMs - bus.log()[0].atMs, bus.latencyMs);
  q.fault = {.kind = Fault::Silent};
  program.Current.SquelchLevel = "01";
  QTest::mousePress(w.BitBtn8, Qt::LeftButton);
  EXPECT_EQ(program.Current.SquelchLevel, "00");
}

TEST_F(Tuning, TheSecondWindowsSquelchLedsShowTheLevel) {
  auto& z = add(Model::Z3K, 7);
  z.squelchMax = 9, z.squelchLevel = 2;
  run();
  openSlot(1);
  TForm7& w = *program.Form7;
  auto lit = [&w] {
    int n = 0;
    for (auto* led : w.SquelchLeds) n += led->visible();
    return n;
  };
  EXPECT_EQ(lit(), 4);
  QTest::mousePress(w.BitBtn21, Qt::LeftButton);
  EXPECT_EQ(lit(), 6);
  EXPECT_TRUE(w.SquelchLeds[5]->visible());
  EXPECT_FALSE(w.SquelchLeds[6]->visible());
  for (int i = 0; i < 3; ++i) QTest::mousePress(w.BitBtn21, Qt::LeftButton);
  EXPECT_EQ(program.Current.SquelchLevel, "06");
  EXPECT_EQ(lit(), 0);
}

}  // namespace
