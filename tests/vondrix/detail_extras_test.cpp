// The detail windows' RF monitor, Zarn buttons, YES/NO pair, antenna selector and EQ preset
// buttons, as the operator uses them, on simulated receivers and the virtual clock.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "detail_fixture.h"
#include "eqshared/EqGrid.h"
#include "eqshared/PlotMapping.h"
#include "platform/Paths.h"
#include "vondrix/detail/SpectrumMath.h"

namespace {

using sim::Fault;
using sim::Model;
using vondrix::TForm3;
using vondrix::TForm7;
using Lines = std::vector<std::string>;

// A clock that lets a test look at the windows while a loop sleeps without letting messages
// through.
class WatchedClock : public platform::VirtualClock {
 public:
  std::function<void(uint32_t ms)> onSleep;
  void sleep(uint32_t ms) override {
    VirtualClock::sleep(ms);
    if (onSleep) onSleep(ms);
  }
};

class Extras : public DetailTest {
 protected:
  // The operator's action while a long loop lets messages through: queued when the
  // receivers get the nth line equal to line, so it runs at the loop's next message step.
  void whenLine(const std::string& line, int n, std::function<void()> action) {
    auto seen = std::make_shared<int>(0);
    bus.setLineObserver([=](const sim::LoggedLine& l) {
      if (l.line == line && ++*seen == n)
        QMetaObject::invokeMethod(qApp, action, Qt::QueuedConnection);
    });
  }
  // A receiver at 07 whose raw readings are one step a dB (raw r reads r - 4 dB).
  sim::Receiver& addOneDbPerStep(Model model) {
    sim::Receiver& r = add(model, 7);
    r.calLowA = r.calLowB = 10;
    r.calHighA = r.calHighB = 44;
    return r;
  }
  void setLevel(double db) { bus.carriers = {{bus.at(7)->frequencyCode, db}}; }
};

// --- RF monitor ---

// The monitor of either window: the first points, Stop and Run, and the scroll at sample
// W + 1.
class Monitor : public Extras {
 protected:
  void plotsAndScrolls(Model model, int width) {
    addOneDbPerStep(model);
    run();
    openSlot(1);
    const bool first = model == Model::Q5V;
    vondrix::DetailWindow& w =
        first ? static_cast<vondrix::DetailWindow&>(*program.Form3) : *program.Form7;
    forms::BitBtn* runButton = first ? program.Form3->BitBtn15 : program.Form7->BitBtn8;
    forms::BitBtn* stopButton = first ? program.Form3->BitBtn16 : program.Form7->BitBtn9;
    forms::BitBtn* scan = first ? program.Form3->BitBtn18 : program.Form7->BitBtn4;
    forms::Image* picture = first ? program.Form3->Image2 : program.Form7->Image4;
    forms::Timer* poll = first ? program.Form3->Timer2 : program.Form7->Timer1;
    // Antenna A's trace (the second model's only one) and, in the first model's window, B's.
    const std::vector<QPoint>& traceA =
        first ? program.Form3->MonitorTraceA : program.Form7->MonitorTrace;
    const std::vector<QPoint>& traceB = program.Form3->MonitorTraceB;

    // The first sample at 30 dB (B 28 dB), the rest at 50 dB (B 48 dB).
    setLevel(30);
    int samples = 0;
    bus.setLineObserver([&](const sim::LoggedLine& l) {
      if (l.line != "%07N\r") return;
      if (++samples == 2) setLevel(50);
      if (samples == width)
        QMetaObject::invokeMethod(
            qApp, [&] { stopButton->click(); }, Qt::QueuedConnection);
    });
    bus.clearLog();
    scan->setCaption("Stop");
    runButton->click();
    EXPECT_EQ(scan->caption(), "Run");  // a running scan ends
    EXPECT_EQ(count("%07N\r"), width);
    EXPECT_EQ(w.monitor().MonitorCount, width);
    EXPECT_EQ(traceA[0].y(), 154);  // point 0 stays on the baseline until the scroll
    EXPECT_EQ(traceA[1].y(), 80);   // 30 dB: 75 pixels
    EXPECT_EQ(traceA[width].y(), 30);
    if (first) {
      EXPECT_EQ(traceB[1].y(), 85);
      EXPECT_EQ(traceB[width].y(), 35);
    }
    EXPECT_TRUE(poll->enabled());  // the poll is back once the loop has ended

    // Run after Stop continues: sample W + 1 scrolls every trace one pixel to the left.
    bus.setLineObserver([&](const sim::LoggedLine& l) {
      if (l.line == "%07N\r")
        QMetaObject::invokeMethod(
            qApp, [&] { stopButton->click(); }, Qt::QueuedConnection);
    });
    runButton->click();
    EXPECT_EQ(count("%07N\r"), width + 1);
    EXPECT_EQ(w.monitor().MonitorCount, width);
    EXPECT_EQ(traceA[0].y(), 80);
    EXPECT_EQ(traceA[1].y(), 30);
    EXPECT_EQ(traceA[width].y(), 30);
    EXPECT_EQ(traceA[width + 1].x(), width + 1);
    EXPECT_EQ(picture->canvas().pixel(width - 1, 30), forms::clAqua);
    EXPECT_EQ(picture->canvas().pixel(0, 154), forms::clBlack);
    EXPECT_GT(w.monitor().MonitorElapsedMs, 0);
    EXPECT_EQ(first ? program.Form3->Label6->caption() : program.Form7->StaticText75->caption(),
              vondrix::ElapsedText(w.monitor().MonitorElapsedMs));
  }
};

TEST_F(Monitor, TheFirstModelsTwoTracesScrollAtSample321) {
  plotsAndScrolls(Model::Q5V, 320);
  TForm3& f = *program.Form3;
  EXPECT_EQ(f.MonitorTraceB[0].y(), 85);
  EXPECT_EQ(f.Image2->canvas().pixel(319, 35), forms::fromQColor(forms::toQColor(forms::clInfoBk)));
  EXPECT_EQ(f.StaticText28->caption(), "-57.0dBm");
  EXPECT_EQ(f.StaticText27->caption(), "316.2uV");
  EXPECT_EQ(f.StaticText30->caption(), "-59.0dBm");
  EXPECT_EQ(f.StaticText29->caption(), "251.2uV");
}

TEST_F(Monitor, TheSecondModelsTraceScrollsAtSample361) {
  plotsAndScrolls(Model::Z3K, 360);
  TForm7& f = *program.Form7;
  EXPECT_EQ(f.Image4->canvas().pixel(0, 80), forms::clAqua);
  EXPECT_EQ(f.StaticText73->caption(), "-57.0dBm");
  EXPECT_EQ(f.StaticText72->caption(), "316.2uV");
}

TEST_F(Extras, TheFirstMonitorGoesOfflineAfterThreeUnansweredTries) {
  addOneDbPerStep(Model::Q5V);
  run();
  openSlot(1);
  dialogs.boxes.clear();
  TForm3& w = *program.Form3;
  bus.at(7)->fault = {.kind = Fault::Silent, .onlyFor = "%N", .after = 2};
  // The main screen polls again once the window is closed: its real-time timer must not add
  // its own status queries to the count on a slow machine.
  program.Form1->Timer1->setEnabled(false);
  bus.clearLog();
  w.BitBtn15->click();
  EXPECT_EQ(count("%07N\r"), 2 + 3);
  EXPECT_EQ(dialogs.texts(forms::DialogKind::Message), std::vector<QString>{"     07  Offline"});
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(w.monitor().MonitorRunning, 0);
  EXPECT_FALSE(w.Timer2->enabled());
  EXPECT_EQ(program.Net.PollingEnabled, 1);
}

TEST_F(Extras, TheSecondMonitorRepeatsTheLastLevelOfASilentReceiverAndSlowPaces) {
  addOneDbPerStep(Model::Z3K);
  run();
  openSlot(1);
  dialogs.boxes.clear();
  TForm7& w = *program.Form7;
  setLevel(30);
  runTimers(100);  // one accepted poll: 30 dB
  bus.at(7)->fault = {.kind = Fault::Silent};
  w.RadioButton2->setChecked(true);  // "Slow"
  whenLine("%07N\r", 5, [&] { w.BitBtn9->click(); });
  bus.clearLog();
  const uint32_t start = clock.tickCount();
  w.BitBtn8->click();
  EXPECT_EQ(count("%07N\r"), 5);  // one unchecked query a sample
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_TRUE(w.isVisible());
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(w.MonitorTrace[i].y(), 80) << i;
  // Each sample: 0.1 s of "Slow" and the query's 0.3 s reply window.
  EXPECT_GE(w.monitor().MonitorElapsedMs, 5 * 400);
  EXPECT_EQ(w.monitor().MonitorElapsedMs, static_cast<int32_t>(clock.tickCount() - start));
  EXPECT_EQ(w.StaticText75->caption(), "00:00:02");
}

TEST_F(Extras, ClearDuringARunEndsItAndEmptiesThePlot) {
  addOneDbPerStep(Model::Q5V);
  run();
  openSlot(1);
  TForm3& w = *program.Form3;
  setLevel(40);
  whenLine("%07N\r", 3, [&] { w.BitBtn17->click(); });
  bus.clearLog();
  w.BitBtn15->click();
  EXPECT_EQ(count("%07N\r"), 3);
  EXPECT_EQ(w.monitor().MonitorRunning, 0);
  EXPECT_EQ(w.monitor().MonitorCount, 0);
  EXPECT_EQ(w.monitor().MonitorElapsedMs, 0);
  for (const auto* trace : {&w.MonitorTraceA, &w.MonitorTraceB})
    for (int i = 0; i <= 320; ++i) ASSERT_EQ((*trace)[i].y(), 154) << i;
  EXPECT_EQ(w.Image2->canvas().pixel(2, 55), forms::clBlack);  // where 40 dB was drawn
  EXPECT_EQ(w.Label6->caption(), "00:00:00");
  EXPECT_EQ(w.StaticText28->caption(), "        dBm");
  EXPECT_TRUE(w.Timer2->enabled());
}

// --- Zarn, YES/NO and the antenna ---

// The second model's window on receiver 07 with a firmware, and a clock to watch the waits.
class Zarn : public Extras {
 protected:
  Zarn() : watched_(clock_) {}
  TForm7& openZ3K(const char* firmware) {
    add(Model::Z3K, 7).firmware = firmware;
    run();
    openSlot(1);
    dialogs.boxes.clear();
    bus.clearLog();
    clock_.advance(clock.tickCount() - clock_.tickCount());
    return *program.Form7;
  }
  std::vector<sim::LoggedLine> log() const { return bus.log(); }
  static void press(QWidget* w) { QTest::mousePress(w, Qt::LeftButton, {}, QPoint(3, 3)); }
  static void release(QWidget* w) { QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(3, 3)); }

  WatchedClock clock_;  // in force during the test

 private:
  platform::ScopedClock watched_;
};

constexpr uint32_t kRoundMs = 82 * 40;  // one red and one white sweep of the animation

TEST_F(Zarn, NewFirmwareSendsZarnAndWaitsOneRoundForTheReceiver) {
  TForm7& w = openZ3K("1.5A");
  w.monitor().MonitorRunning = 1;
  w.BitBtn4->setCaption("Stop");
  // The line is drawn on the window itself: red out to the microphone, then wiped white.
  std::vector<forms::TColor> seen;
  int steps = 0;
  clock_.onSleep = [&](uint32_t ms) {
    if (ms == 40 && (++steps == 41 || steps == 82)) seen.push_back(w.canvas().pixel(200, 275));
  };
  press(w.StaticText141);  // the label acts as the face
  const auto lines = log();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].line, "%07O\r");
  EXPECT_EQ(lines[1].line, "%07N\r");
  EXPECT_EQ(lines[1].atMs - lines[0].atMs, kRoundMs);  // the status query ends the round
  EXPECT_EQ(seen, (std::vector<forms::TColor>{forms::clRed, forms::clWhite}));
  EXPECT_EQ(w.StaticText138->top(), 240);  // the face is down, its label stays
  EXPECT_EQ(w.StaticText141->top(), 248);
  EXPECT_EQ(w.monitor().MonitorRunning, 0);
  EXPECT_EQ(w.BitBtn4->caption(), "Run");
  EXPECT_TRUE(w.Timer1->enabled());
  release(w.StaticText141);
  EXPECT_EQ(w.StaticText138->top(), 238);
}

TEST_F(Zarn, OldFirmwareSendsTheYesNoChoiceFirst) {
  TForm7& w = openZ3K("1.4A");
  press(w.StaticText143);  // NO chosen: colours only, nothing sent
  EXPECT_TRUE(log().empty());
  EXPECT_EQ(w.StaticText140->top(), 240);
  EXPECT_EQ(w.StaticText139->color(), forms::clWhite);
  EXPECT_EQ(w.StaticText142->color(), forms::clWhite);
  EXPECT_EQ(w.StaticText140->color(), forms::clRed);
  EXPECT_EQ(w.StaticText143->color(), forms::clRed);
  bus.at(7)->busyAfterZarnMs = 0;  // answers the first status query after each command
  release(w.StaticText143);        // mouse-up sends, then on old firmware waits, Zarn, waits
  EXPECT_EQ(w.StaticText140->top(), 238);
  EXPECT_EQ(lines(), (Lines{"#07Q0\r", "%07N\r", "%07O\r", "%07N\r"}));
  bus.clearLog();
  press(w.StaticText138);
  EXPECT_EQ(lines(), (Lines{"#07Q0\r", "%07N\r", "%07O\r", "%07N\r"}));
  release(w.StaticText138);
  press(w.StaticText142);  // YES
  release(w.StaticText142);
  bus.clearLog();
  press(w.StaticText141);
  EXPECT_EQ(lines(), (Lines{"#07Q1\r", "%07N\r", "%07O\r", "%07N\r"}));
  EXPECT_TRUE(w.Timer1->enabled());
}

TEST_F(Zarn, NewFirmwareSendsYesNoAlone) {
  TForm7& w = openZ3K("2.0");
  const uint32_t start = clock_.tickCount();
  press(w.StaticText139);
  release(w.StaticText139);
  EXPECT_EQ(lines(), Lines{"#07Q1\r"});
  EXPECT_LT(clock_.tickCount() - start, 40u);  // no wait
  EXPECT_EQ(bus.at(7)->status & 0x20, 0);
}

TEST_F(Zarn, ASilentReceiverEndsTheWaitAfterFourRounds) {
  TForm7& w = openZ3K("1.5");
  bus.at(7)->fault = {.kind = Fault::Silent};
  press(w.StaticText138);
  const auto lines = log();
  ASSERT_EQ(lines.size(), 1u + 4u);
  EXPECT_EQ(lines[0].line, "%07O\r");
  uint32_t last = lines[0].atMs;
  for (int round = 1; round <= 4; ++round) {
    EXPECT_EQ(lines[round].line, "%07N\r");
    // A round, after the previous query's reply window.
    EXPECT_GE(lines[round].atMs - last, kRoundMs);
    EXPECT_LE(lines[round].atMs - last, kRoundMs + 400);
    last = lines[round].atMs;
  }
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_TRUE(w.Timer1->enabled());
  EXPECT_TRUE(w.isVisible());
}

TEST_F(Zarn, AFirmwareTextThatIsNoNumberStopsThePressWithTheErrorBox) {
  TForm7& w = openZ3K("1.5");
  w.StaticText43->setCaption("x.4A");
  press(w.StaticText138);
  release(w.StaticText139);  // YES: the Q line has gone out before the check
  EXPECT_EQ(lines(), Lines{"#07Q1\r"});
  EXPECT_EQ(dialogs.texts(forms::DialogKind::Error),
            (std::vector<QString>{"'x.4' is not a valid floating point value.",
                                  "'x.4' is not a valid floating point value."}));
  EXPECT_TRUE(w.Timer1->enabled());  // the window keeps polling
}

TEST_F(Zarn, TheFirstModelsCaptionBlinksUntilTheReceiverAnswers) {
  add(Model::Q5V, 7);
  run();
  openSlot(1);
  TForm3& w = *program.Form3;
  bus.clearLog();
  clock_.advance(clock.tickCount() - clock_.tickCount());
  std::vector<QString> captions;
  clock_.onSleep = [&](uint32_t ms) {
    if (ms == 100) captions.push_back(w.BitBtn12->caption());
  };
  w.BitBtn12->click();
  // Busy for 600 ms after O: the blinks' queries go unanswered until then.
  const Lines sent = lines();
  ASSERT_GE(sent.size(), 3u);
  EXPECT_EQ(sent.front(), "%07O\r");
  EXPECT_TRUE(std::all_of(sent.begin() + 1, sent.end(), [](auto& l) { return l == "%07N\r"; }));
  ASSERT_EQ(captions.size(), 2 * (sent.size() - 1) + 2);  // one more blink after the answer
  for (size_t i = 0; i < captions.size(); ++i) EXPECT_EQ(captions[i], i % 2 ? "Zarn" : "") << i;
  EXPECT_EQ(w.BitBtn12->caption(), "Zarn");
  EXPECT_EQ(w.ZarnRunning, 0);
  EXPECT_TRUE(w.Timer2->enabled());
}

TEST_F(Zarn, ASecondPressOrACloseEndsTheFirstModelsBlinking) {
  add(Model::Q5V, 7).fault = {.kind = Fault::Silent, .onlyFor = "%N", .after = 1000};
  run();
  openSlot(1);
  TForm3& w = *program.Form3;
  bus.at(7)->fault.after = 0;  // from now on the receiver stays silent
  dialogs.boxes.clear();
  bus.clearLog();
  whenLine("%07N\r", 3, [&] { w.BitBtn12->click(); });
  w.BitBtn12->click();
  EXPECT_EQ(count("%07O\r"), 1);  // the second press cancels, it sends nothing
  EXPECT_EQ(count("%07N\r"), 3);
  EXPECT_EQ(w.ZarnRunning, 0);
  EXPECT_TRUE(w.Timer2->enabled());

  // Closed while it blinks: the wait ends, the poll stays off, no "Offline" later.
  whenLine("%07N\r", 2, [&] { w.close(); });
  bus.clearLog();
  w.BitBtn12->click();
  EXPECT_EQ(count("%07N\r"), 2);
  EXPECT_FALSE(w.isVisible());
  EXPECT_FALSE(w.Timer2->enabled());
  EXPECT_EQ(w.ZarnRunning, 0);
  EXPECT_EQ(program.Net.PollingEnabled, 1);
  runTimers(2000);  // the main screen polls; the window does not
  EXPECT_FALSE(w.Timer2->enabled());
  EXPECT_FALSE(w.isVisible());
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(Zarn, TheAntennaCaptionsSendTheirCommandAndTurnLimeOnAnEcho) {
  TForm7& w = openZ3K("2.0");
  struct Row {
    forms::StaticText* caption;
    const char* line;
    sim::AntennaMode mode;
  } rows[] = {{w.StaticText45, "#07R2\r", sim::AntennaMode::A},
              {w.StaticText47, "#07R1\r", sim::AntennaMode::B},
              {w.StaticText46, "#07R0\r", sim::AntennaMode::Diversity}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.line);
    bus.clearLog();
    press(r.caption);
    EXPECT_EQ(r.caption->top(), 26);
    EXPECT_EQ(lines(), Lines{r.line});
    EXPECT_EQ(bus.at(7)->antennaMode, r.mode);
    for (forms::StaticText* t : {w.StaticText45, w.StaticText46, w.StaticText47})
      EXPECT_EQ(t->color(), t == r.caption ? forms::clLime : forms::clWhite);
    release(r.caption);
    EXPECT_EQ(r.caption->top(), 24);
  }
  // Another receiver's answer changes no caption.
  bus.at(7)->fault = {.kind = Fault::WrongAddress, .times = 1};
  press(w.StaticText45);
  EXPECT_EQ(w.StaticText45->color(), forms::clWhite);
  EXPECT_EQ(w.StaticText46->color(), forms::clLime);
  EXPECT_TRUE(w.Timer1->enabled());
}

// --- EQ preset buttons ---

// Message boxes that note how many lines the receivers had got when each box came up.
class BoxesAfterLines : public forms::ScriptedDialogs {
 public:
  explicit BoxesAfterLines(const sim::Bus& bus) : bus_(bus) {}
  int answerBox(const forms::BoxRequest& box) override {
    linesBefore.push_back(bus_.lines().size());
    return ScriptedDialogs::answerBox(box);
  }
  std::vector<size_t> linesBefore;

 private:
  const sim::Bus& bus_;
};

// The second model's window on the Microphone EQ page, with curve files of the test's own.
class EqPresets : public Extras {
 protected:
  TForm7& openOnEqPage(int preset, int highest) {
    sim::Receiver& r = add(Model::Z3K, 7);
    r.eqPreset = preset;
    r.eqPresetHighest = highest;
    run();
    useProgramFolder(folder.path());
    openSlot(1);
    TForm7& w = *program.Form7;
    w.PageControl1->setCurrentIndex(2);
    bus.clearLog();
    boxes.boxes.clear();  // the first start's region box
    return w;
  }
  void writeCurve(int preset, const QByteArray& text) {
    QFile f(folder.path() + QString("/EQ%1.dat").arg(preset));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
  }
  static double levelAt(TForm7& w, double hz) {
    return w.EqCurve[eqshared::NearestGridIndex(w.Eq, hz)];
  }
  static bool flat(TForm7& w) {
    return std::all_of(w.EqCurve.begin(), w.EqCurve.begin() + w.Eq.GridCount,
                       [](double v) { return v == 0.0; });
  }

  QTemporaryDir folder;
  BoxesAfterLines boxes{bus};  // answers and records the boxes from here on
};

TEST_F(EqPresets, TheButtonsStepAndWrapThroughUserDefine) {
  writeCurve(0, "Large_Dynamic\n100,5\n1000,3\n10000,5\n");
  writeCurve(8, "Small_Condenser\n100,1\n1000,1\n");
  TForm7& w = openOnEqPage(9, 9);
  EXPECT_EQ(w.StaticText23->caption(), "09");
  EXPECT_EQ(w.StaticText90->caption(), "User Define");

  w.BitBtn15->click();  // next: past the highest to 0
  EXPECT_EQ(lines(), Lines{"#07G00\r"});
  EXPECT_EQ(bus.at(7)->eqPreset, 0);
  EXPECT_EQ(program.Detail.EqPresetIndex, "00");
  EXPECT_EQ(w.StaticText23->caption(), "00");
  EXPECT_EQ(w.StaticText90->caption(), "Large Dynamic");
  EXPECT_NEAR(levelAt(w, 1000), 0.0, 1e-9);  // 3 dB at 1 kHz, 5 dB elsewhere: +2 dB
  EXPECT_NEAR(levelAt(w, 10000), 2.0, 1e-9);

  bus.clearLog();
  w.BitBtn16->click();  // previous: below 0 to the highest, "User Define", a flat line
  EXPECT_EQ(lines(), Lines{"#07G09\r"});
  EXPECT_EQ(w.StaticText23->caption(), "09");
  EXPECT_EQ(w.StaticText90->caption(), "User Define");
  EXPECT_TRUE(flat(w));
  w.BitBtn16->click();
  EXPECT_EQ(w.StaticText90->caption(), "Small Condenser");
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(EqPresets, AMissingCurveIsAFlatLineAndAMessageAfterTheReceiverSwitched) {
  writeCurve(2, "Hand_Held\n100,5\n1000,3\n10000,5\n");
  TForm7& w = openOnEqPage(2, 12);
  ASSERT_EQ(w.StaticText90->caption(), "Hand Held");
  struct Row {
    const char* name;
    const char* line;
  } rows[] = {{"no EQ3.dat", "#07G03\r"},
              {"preset 10 has no file: the folder is no curve", "#07G10\r"}};
  program.Detail.EqPresetIndex = "02";
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    if (QString(r.line) == "#07G10\r") program.Detail.EqPresetIndex = "09";
    bus.clearLog();
    boxes.boxes.clear();
    boxes.linesBefore.clear();
    w.BitBtn15->click();
    EXPECT_EQ(lines(), Lines{r.line});
    EXPECT_EQ(boxes.texts(forms::DialogKind::Message), std::vector<QString>{"Can't Open File"});
    EXPECT_EQ(boxes.linesBefore, std::vector<size_t>{1});  // the receiver had switched already
    EXPECT_TRUE(flat(w));
    EXPECT_EQ(w.Eq.GridCount, 660);
    EXPECT_EQ(w.StaticText90->caption(), "Hand Held");  // the last name read stays
  }
  EXPECT_EQ(bus.at(7)->eqPreset, 10);
}

TEST_F(EqPresets, WithoutAPresetReplyNothingIsSent) {
  TForm7& w = openOnEqPage(1, 9);
  program.Detail.EqPresetIndex.clear();
  w.BitBtn15->click();
  EXPECT_TRUE(lines().empty());
  EXPECT_EQ(boxes.texts(forms::DialogKind::Error),
            std::vector<QString>{"'' is not a valid integer value."});
  EXPECT_EQ(w.StaticText23->caption(), "01");
}

}  // namespace
