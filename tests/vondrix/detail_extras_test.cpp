// The detail windows' RF monitor, Zarn buttons, YES/NO pair, antenna selector and EQ preset
// buttons, as the operator uses them, on simulated receivers and the virtual clock.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "detail_fixture.h"
#include "eqshared/EqGrid.h"
#include "platform/Paths.h"
#include "vondrix/detail/LevelReadout.h"

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
  static forms::TColor pixel(forms::Image* image, int x, int y) {
    return forms::fromQColor(QColor(image->picture().pixel(x, y)));
  }
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
    const auto& traces = w.monitor().traces;
    ASSERT_EQ(static_cast<int>(traces.size()), first ? 2 : 1);

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
    EXPECT_EQ(traces[0][0].y(), 154);  // point 0 stays on the baseline until the scroll
    EXPECT_EQ(traces[0][1].y(), 80);   // 30 dB: 75 pixels
    EXPECT_EQ(traces[0][width].y(), 30);
    if (first) {
      EXPECT_EQ(traces[1][1].y(), 85);
      EXPECT_EQ(traces[1][width].y(), 35);
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
    EXPECT_EQ(traces[0][0].y(), 80);
    EXPECT_EQ(traces[0][1].y(), 30);
    EXPECT_EQ(traces[0][width].y(), 30);
    EXPECT_EQ(traces[0][width + 1].x(), width + 1);
    EXPECT_EQ(pixel(picture, width - 1, 30), forms::clAqua);
    EXPECT_EQ(pixel(picture, 0, 154), forms::clBlack);
    EXPECT_GT(w.monitor().MonitorElapsedMs, 0);
    EXPECT_EQ(first ? program.Form3->Label6->caption() : program.Form7->StaticText75->caption(),
              vondrix::ElapsedText(w.monitor().MonitorElapsedMs));
  }
};

TEST_F(Monitor, TheFirstModelsTwoTracesScrollAtSample321) {
  plotsAndScrolls(Model::Q5V, 320);
  TForm3& f = *program.Form3;
  const auto& traces = f.monitor().traces;
  EXPECT_EQ(traces[1][0].y(), 85);
  EXPECT_EQ(pixel(f.Image2, 319, 35), forms::fromQColor(forms::toQColor(forms::clInfoBk)));
  EXPECT_EQ(f.StaticText28->caption(), "-57.0dBm");
  EXPECT_EQ(f.StaticText27->caption(), "316.2uV");
  EXPECT_EQ(f.StaticText30->caption(), "-59.0dBm");
  EXPECT_EQ(f.StaticText29->caption(), "251.2uV");
}

TEST_F(Monitor, TheSecondModelsTraceScrollsAtSample361) {
  plotsAndScrolls(Model::Z3K, 360);
  TForm7& f = *program.Form7;
  EXPECT_EQ(pixel(f.Image4, 0, 80), forms::clAqua);
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
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(w.monitor().traces[0][i].y(), 80) << i;
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
  for (const auto& trace : w.monitor().traces)
    for (int i = 0; i <= 320; ++i) ASSERT_EQ(trace[i].y(), 154) << i;
  EXPECT_EQ(pixel(w.Image2, 2, 55), forms::clBlack);  // where 40 dB was drawn
  EXPECT_EQ(w.Label6->caption(), "00:00:00");
  EXPECT_EQ(w.StaticText28->caption(), "        dBm");
  EXPECT_TRUE(w.Timer2->enabled());
}

}  // namespace
