// The fitting as the window runs it: the same bits as the core's, the texts and the beep the
// operator meets, the pace of message processing, stop and resume, a start after the last
// band, a refused fit, and a close during a fit.
#include <QTimer>
#include <optional>

#include "DesignerFixture.h"
#include "calyxon/eq/AutoTune.h"
#include "platform/Clock.h"
#include "runtime/FloatText.h"

namespace calyxon {
namespace {

// A tick count that moves on by 1 ms at every reading, so that fitting time is counted in
// readings and no real time is waited for.
class SteppingClock : public platform::Clock {
 public:
  std::uint32_t tickCount() override { return ++now_; }
  void sleep(std::uint32_t ms) override { now_ += ms; }
  std::uint32_t now() const { return now_; }

 private:
  std::uint32_t now_ = 1000;
};

// Stops the core's run at the first candidate of band stopAt, and keeps what the window would
// show of the last candidate.
class CoreObserver : public AutoTuneObserver {
 public:
  explicit CoreObserver(int stopAt = -1) : stopAt_(stopAt) {}
  void BandStarted(std::int16_t band) override { band_ = band; }
  void CandidateTried(const AutoTuneCandidate& c) override {
    last = c;
    if (c.shownQ) lastQ = *c.shownQ;
  }
  bool StopRequested() override { return band_ == stopAt_; }
  AutoTuneCandidate last;
  std::optional<double> lastQ;

 private:
  int stopAt_;
  int band_ = -1;
};

void ExpectSameFit(const EqDesign& window, const EqDesign& core) {
  const int G = core.GridCount;
  EXPECT_EQ(window.AutoTuneBand, core.AutoTuneBand);
  EXPECT_EQ(window.BandFc, core.BandFc);
  EXPECT_EQ(window.BandBw, core.BandBw);
  EXPECT_EQ(window.BandGain, core.BandGain);
  EXPECT_EQ(window.BandA, core.BandA);
  EXPECT_EQ(window.BandB, core.BandB);
  for (int n = 0; n < kBandCount; ++n) {
    EXPECT_TRUE(SameBits(window.BandResponse[n].data(), core.BandResponse[n].data(), G)) << n;
    EXPECT_TRUE(SameBits(&window.FineCurve[n][0].frequency, &core.FineCurve[n][0].frequency,
                         2 * kFinePointCount))
        << n;
  }
  EXPECT_TRUE(SameBits(window.ErrorCurve.data(), core.ErrorCurve.data(), G));
  EXPECT_TRUE(SameBits(window.ResidualCurve.data(), core.ResidualCurve.data(), G));
  EXPECT_TRUE(SameBits(window.BandSumCurve.data(), core.BandSumCurve.data(), G));
}

// Calls act at every turn of the event loop (so at every processing point of a fit).
class EveryTurn {
 public:
  explicit EveryTurn(std::function<void()> act) {
    QObject::connect(&timer_, &QTimer::timeout, std::move(act));
    timer_.start(0);
  }

 private:
  QTimer timer_;
};

class WindowFit : public DesignerTest {
 protected:
  WindowFit() { LoadFixtures(); }

  // The core's fit of the design as it stands now, up to band stopAt.
  std::unique_ptr<EqDesign> CoreFit(std::uint8_t mode, CoreObserver& observer) {
    auto core = std::make_unique<EqDesign>(*design);
    core->AutoTuneMode = mode;
    RunAutoTune(*core, observer);
    return core;
  }
};

TEST_F(WindowFit, GivesTheCoresBitsWithTheTextsTheBeepAndDone) {
  struct Mode {
    const char* entry;
    std::uint8_t mode;
  };
  for (const Mode& m : {Mode{"Fast", 1}, Mode{"Normal", 0}}) {
    SCOPED_TRACE(m.entry);
    ASSERT_TRUE(Menu("Tool>Reset"));
    LoadFixtures();
    BeepLog::beeps().clear();
    CoreObserver seen;
    const auto core = CoreFit(m.mode, seen);

    ASSERT_TRUE(Menu(QString("Tool>Calibration>Start>") + m.entry));
    EXPECT_FALSE(form->FitRunning());
    ExpectSameFit(*design, *core);
    EXPECT_EQ(form->Label1->caption(), "Done");
    EXPECT_EQ(form->ProgressBar1->position(), 100);
    EXPECT_EQ(form->StatusBar1->simpleText(), " Calibration Done !!");
    EXPECT_EQ(BeepLog::beeps(), (std::vector<std::pair<unsigned, unsigned>>{{1000, 1000}}));
    EXPECT_EQ(form->Panel1->color(), forms::clBtnFace);
    EXPECT_EQ(form->Edit5->text(), "26");
    // The best values of the last band, as after every candidate; the hidden candidate edits
    // hold the candidate of a processing point.
    EXPECT_EQ(form->Edit2->text(), runtime::FloatToStr(seen.last.shownFc));
    EXPECT_EQ(form->Edit3->text(), runtime::FloatToStr(*seen.lastQ));
    EXPECT_EQ(form->Edit4->text(), runtime::FloatToStr(seen.last.shownGain));
  }
}

TEST_F(WindowFit, ProcessesMessagesEvery20MsOfFittingAndShowsEachBandsStatus) {
  SteppingClock clock;
  platform::ScopedClock useIt(clock);
  std::vector<std::uint32_t> turns;
  std::vector<QString> statuses;
  EveryTurn watch([&] {
    if (!form->FitRunning()) return;
    turns.push_back(clock.now());
    const QString status = form->StatusBar1->simpleText();
    if (statuses.empty() || statuses.back() != status) statuses.push_back(status);
  });
  ASSERT_TRUE(Menu("Tool>Calibration>Start>Normal"));

  ASSERT_GT(turns.size(), 50u);
  for (std::size_t i = 1; i < turns.size(); ++i) {
    const std::uint32_t gap = turns[i] - turns[i - 1];
    ASSERT_GE(gap, 18u) << i;
    ASSERT_LE(gap, 20u) << i;
  }
  // Every band's text shows at the processing point after its end (the last one's is
  // replaced at once by the end of the run).
  std::vector<QString> expected = {""};
  for (int band = 0; band < kAutoBandCount - 1; ++band)
    expected.push_back(QString::fromStdString(
        CalibratingStatusText(static_cast<std::int16_t>(band), AutoTuneProgress(band))));
  EXPECT_EQ(statuses, expected);
  EXPECT_EQ(form->StatusBar1->simpleText(), " Calibration Done !!");
}

TEST_F(WindowFit, StopDuringBand5AndStartAgainFitsBand5Anew) {
  SteppingClock clock;  // processing points every 1280 candidates, whatever the machine's speed
  platform::ScopedClock useIt(clock);
  bool stopped = false;
  EveryTurn operatorAct([&] {
    if (stopped || form->Edit5->text() != "6") return;
    stopped = true;
    EXPECT_TRUE(Menu("Tool>Calibration>Stop")) << last_menu_error.toStdString();
  });
  CoreObserver atBand5(5), whole;
  const auto coreUpTo5 = CoreFit(0, atBand5);
  const auto coreWhole = CoreFit(0, whole);

  ASSERT_TRUE(Menu("Tool>Calibration>Start>Normal"));
  ASSERT_TRUE(stopped);
  EXPECT_EQ(form->Edit5->text(), "6");
  EXPECT_EQ(design->AutoTuneBand, 5);
  EXPECT_TRUE(SameBits(design->ErrorCurve.data(), coreUpTo5->ErrorCurve.data(), design->GridCount));
  EXPECT_EQ(form->Label1->caption(), "");
  EXPECT_TRUE(BeepLog::beeps().empty());
  EXPECT_EQ(form->Panel1->color(), forms::clBtnFace);
  EXPECT_EQ(form->ProgressBar1->position(), 19);

  ASSERT_TRUE(Menu("Tool>Calibration>Start>Normal"));
  ExpectSameFit(*design, *coreWhole);
  EXPECT_EQ(form->Label1->caption(), "Done");
  EXPECT_EQ(BeepLog::beeps().size(), 1u);
}

TEST_F(WindowFit, StartAfterTheLastBandFitsNothingAndSaysDoneAgain) {
  ASSERT_TRUE(Menu("Tool>Calibration>Start>Fast"));
  const EqDesign after = *design;
  form->ShowStatus("");
  ASSERT_TRUE(Menu("Tool>Calibration>Stop"));  // while idle, Stop starts a run too
  ExpectSameFit(*design, after);
  EXPECT_EQ(form->Label1->caption(), "Done");
  EXPECT_EQ(form->StatusBar1->simpleText(), " Calibration Done !!");
  EXPECT_EQ(BeepLog::beeps().size(), 2u);
}

TEST_F(WindowFit, CurvesThatCannotBeFittedAreRefusedWithoutDone) {
  design->TargetCurve[5] = std::numeric_limits<double>::quiet_NaN();
  ASSERT_TRUE(Menu("Tool>Calibration>Start>Normal"));
  EXPECT_EQ(form->StatusBar1->simpleText(), kCalibrationRefusedStatus);
  EXPECT_EQ(form->Label1->caption(), "");
  EXPECT_TRUE(BeepLog::beeps().empty());
  EXPECT_EQ(form->Panel1->color(), forms::clBtnFace);
}

TEST_F(WindowFit, CloseDuringAFitStopsItThenClosesTheWindow) {
  forms::setMainForm(nullptr);  // the program's end is the end-to-end test's business
  SteppingClock clock;
  platform::ScopedClock useIt(clock);
  std::optional<bool> closed;
  EveryTurn operatorAct([&] {
    if (closed || form->Edit5->text() != "3") return;
    closed = form->close();
  });
  ASSERT_TRUE(Menu("Tool>Calibration>Start>Normal"));
  ASSERT_TRUE(closed.has_value());
  EXPECT_FALSE(*closed);  // refused while the fit ran
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(design->AutoTuneBand, 2);
  EXPECT_FALSE(form->FitRunning());
  EXPECT_TRUE(BeepLog::beeps().empty());
}

}  // namespace
}  // namespace calyxon
