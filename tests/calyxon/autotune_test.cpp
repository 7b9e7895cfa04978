// The fitting: ranges, error peak, band end, stop and resume, refused curves, report pacing, and
// equality of the fitting loop with the plain one on every fixture pair.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "LiteralAutoTune.h"
#include "calyxon/eq/AutoTune.h"
#include "calyxon/eq/BandClearing.h"
#include "calyxon/eq/BandResponse.h"
#include "calyxon/eq/FrequencyGrid.h"
#include "calyxon/files/CurveLoading.h"

namespace calyxon {
namespace {

std::unique_ptr<EqDesign> FreshDesign() {
  auto design = std::make_unique<EqDesign>();
  BuildFrequencyGrid(*design);
  ClearAllBands(*design);
  return design;
}

std::unique_ptr<EqDesign> LoadedDesign(const char* target, const char* source) {
  auto design = FreshDesign();
  EXPECT_TRUE(LoadTargetCurve(*design, std::string(CALYXON_FIXTURES "/") + target).loaded());
  EXPECT_TRUE(LoadSourceCurve(*design, std::string(CALYXON_FIXTURES "/") + source).loaded());
  return design;
}

// Hash of the bits of a run of doubles.
std::uint64_t Mix(std::uint64_t h, const double* values, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    std::uint64_t bits;
    std::memcpy(&bits, &values[i], sizeof bits);
    h = (h ^ bits) * 0x100000001b3ull;
  }
  return h;
}

// What a band's end leaves visible, compared bit for bit.
struct Snapshot {
  explicit Snapshot(const EqDesign& d)
      : BandFc(d.BandFc),
        BandBw(d.BandBw),
        BandGain(d.BandGain),
        BandA(d.BandA),
        BandB(d.BandB),
        AutoTuneBand(d.AutoTuneBand),
        RedrawRequested(d.RedrawRequested) {
    auto add = [&](const double* values, std::size_t count) {
      for (std::size_t i = 0; i < count; ++i) {
        std::uint64_t bits;
        std::memcpy(&bits, &values[i], sizeof bits);
        curves.push_back(bits);
      }
    };
    for (int n = 0; n < kBandCount; ++n) {
      add(d.BandResponse[n].data(), d.GridCount);
      add(&d.FineCurve[n][0].frequency, 2 * kFinePointCount);
    }
    add(d.ErrorCurve.data(), d.GridCount);
    add(d.ResidualCurve.data(), d.GridCount);
    add(d.BandSumCurve.data(), d.GridCount);
  }
  std::array<double, kBandCount> BandFc, BandBw, BandGain;
  std::array<Coefficients, kBandCount> BandA, BandB;
  std::int16_t AutoTuneBand;
  std::uint8_t RedrawRequested;
  std::vector<std::uint64_t> curves;
};

// Records everything a window could see at its reports, and can act at a chosen candidate. It
// asks for a report every reportEvery candidates, as a window asks every 20 ms.
class RecordingObserver : public AutoTuneObserver {
 public:
  explicit RecordingObserver(EqDesign& design, int reportEvery = 1)
      : design_(design), reportEvery_(reportEvery) {}

  void BandStarted(std::int16_t band) override {
    started.push_back(band);
    candidatesInBand = 0;
  }
  bool ReportWanted() override {
    ++candidatesInBand;
    return ++candidates_ % reportEvery_ == 0;
  }
  void CandidateTried(const AutoTuneCandidate& c) override {
    if (!hashReports) return;
    const std::int16_t n = c.band;
    const EqDesign& d = design_;
    std::uint64_t h = 1469598103934665603ull;
    const double shown[] = {
        c.Fc,        c.BW,        c.Gain,      c.shownFc,    c.shownQ.value_or(-1e300),
        c.shownGain, d.BandFc[n], d.BandBw[n], d.BandGain[n]};
    h = Mix(h, shown, std::size(shown));
    h = Mix(h, d.BandA[n].data(), 3);
    h = Mix(h, d.BandB[n].data(), 3);
    h = Mix(h, d.BandResponse[n].data(), d.GridCount);
    h = Mix(h, d.BandSumCurve.data(), d.GridCount);
    h = Mix(h, d.ResidualCurve.data(), d.GridCount);
    h = Mix(h, &d.FineCurve[n][0].frequency, 2 * kFinePointCount);
    reports.push_back(h);
  }
  bool StopRequested() override { return act && act(design_, started.back(), candidatesInBand); }
  void BandFinished(std::int16_t band, int progress, const std::string& text) override {
    finished.push_back(band);
    progresses.push_back(progress);
    statusTexts.push_back(text);
    candidateCounts.push_back(candidatesInBand);
    if (keepSnapshots) snapshots.emplace_back(design_);
    if (keepSnapshots) errorAtBandEnd.push_back(design_.ErrorCurve);
  }

  // Called at each report with the band and the number of candidates tried in it; true stops.
  std::function<bool(EqDesign&, std::int16_t, int)> act;
  bool hashReports = true;
  bool keepSnapshots = true;  // the design as each band finished
  std::vector<std::int16_t> started, finished;
  std::vector<int> progresses, candidateCounts;
  std::vector<std::string> statusTexts;
  std::vector<std::uint64_t> reports;
  std::vector<Snapshot> snapshots;
  std::vector<GridCurve> errorAtBandEnd;
  int candidatesInBand = 0;

 private:
  EqDesign& design_;
  int reportEvery_;
  long candidates_ = 0;
};

// Lets the plain loop, which reports every candidate, drive an observer that asks for reports.
class ReportOnDemand : public AutoTuneObserver {
 public:
  explicit ReportOnDemand(AutoTuneObserver& window) : window_(window) {}
  void BandStarted(std::int16_t band) override { window_.BandStarted(band); }
  void CandidateTried(const AutoTuneCandidate& candidate) override {
    reported_ = window_.ReportWanted();
    if (reported_) window_.CandidateTried(candidate);
  }
  bool StopRequested() override { return reported_ && window_.StopRequested(); }
  void BandFinished(std::int16_t band, int progress, const std::string& text) override {
    window_.BandFinished(band, progress, text);
  }

 private:
  AutoTuneObserver& window_;
  bool reported_ = false;
};

void ExpectSameDesign(const Snapshot& x, const Snapshot& y, int band) {
  EXPECT_EQ(x.BandFc, y.BandFc) << band;
  EXPECT_EQ(x.BandBw, y.BandBw) << band;
  EXPECT_EQ(x.BandGain, y.BandGain) << band;
  EXPECT_EQ(x.BandA, y.BandA) << band;
  EXPECT_EQ(x.BandB, y.BandB) << band;
  EXPECT_TRUE(x.curves == y.curves)
      << band;  // every band's row and fine curve, error, residual, sum
  EXPECT_EQ(x.AutoTuneBand, y.AutoTuneBand) << band;
  EXPECT_EQ(x.RedrawRequested, y.RedrawRequested) << band;
}

// Runs the plain loop and the fitting loop on equal designs, each with its observer, and expects
// the same outcome, bands, texts and candidate counts, the same state at every report and at
// every band's end (bands of them), and the same design at the end.
void ExpectSameRun(EqDesign& literal, RecordingObserver& plain, EqDesign& fast,
                   RecordingObserver& quick, AutoTuneOutcome outcome, std::size_t bands) {
  ReportOnDemand plainReports(plain);
  EXPECT_EQ(testing::RunAutoTuneLiteral(literal, plainReports).outcome, outcome);
  EXPECT_EQ(RunAutoTune(fast, quick).outcome, outcome);
  EXPECT_EQ(plain.started, quick.started);
  EXPECT_EQ(plain.statusTexts, quick.statusTexts);
  EXPECT_EQ(plain.candidateCounts, quick.candidateCounts);
  ASSERT_EQ(plain.reports.size(), quick.reports.size());
  for (std::size_t i = 0; i < plain.reports.size(); ++i)
    ASSERT_EQ(plain.reports[i], quick.reports[i]) << "report " << i;
  ASSERT_EQ(plain.snapshots.size(), bands);
  ASSERT_EQ(quick.snapshots.size(), bands);
  for (std::size_t b = 0; b < bands; ++b)
    ExpectSameDesign(plain.snapshots[b], quick.snapshots[b], static_cast<int>(b));
  ExpectSameDesign(Snapshot(literal), Snapshot(fast), static_cast<int>(bands));
}

TEST(CalyxonAutoTune, ZeroErrorLeavesEveryBandPassThroughAndReaches100) {
  auto design = LoadedDesign("target.dat", "target.dat");
  RecordingObserver observer(*design);
  observer.hashReports = false;
  observer.keepSnapshots = false;
  EXPECT_EQ(RunAutoTune(*design, observer).outcome, AutoTuneOutcome::Finished);
  EXPECT_EQ(design->AutoTuneBand, 26);
  ASSERT_EQ(observer.finished.size(), 26u);
  EXPECT_EQ(observer.progresses.front(), 3);
  EXPECT_EQ(observer.progresses.back(), 100);
  EXPECT_EQ(observer.statusTexts.front(), "Calibrating, Filter  2 (  3%)");
  EXPECT_EQ(observer.statusTexts[12], "Calibrating, Filter 14 ( 50%)");
  EXPECT_EQ(observer.statusTexts.back(), "Calibrating, Filter 27 (100%)");
  for (int n = 0; n < kAutoBandCount; ++n) {
    EXPECT_EQ(design->BandGain[n], 0) << n;
    EXPECT_EQ(design->BandFc[n], 20) << n;
    for (int i = 0; i < design->GridCount; ++i) ASSERT_EQ(design->BandResponse[n][i], 0) << n;
  }
  for (int i = 0; i < design->GridCount; ++i) ASSERT_EQ(design->ErrorCurve[i], 0);

  // Starting again fits nothing and reports nothing.
  RecordingObserver again(*design);
  EXPECT_EQ(RunAutoTune(*design, again).outcome, AutoTuneOutcome::Finished);
  EXPECT_TRUE(again.started.empty());
  EXPECT_TRUE(again.reports.empty());
}

TEST(CalyxonAutoTune, ShelfRangesFollowTheTargetEnds) {
  auto design = FreshDesign();
  design->TargetCurve[0] = 1.5;
  design->TargetCurve[659] = -4;
  const BandSearch low = BandSearchRanges(*design, 0);
  EXPECT_EQ(low.Fc.start, 20);
  EXPECT_EQ(low.Fc.end, 100);
  EXPECT_EQ(low.Fc.step, 4);
  EXPECT_EQ(low.BW.end, 0);
  EXPECT_EQ(low.Gain.start, 1.5 - 10);
  EXPECT_EQ(low.Gain.end, 1.5 + 10);
  const BandSearch high = BandSearchRanges(*design, 1);
  EXPECT_EQ(high.Fc.start, 10000);
  EXPECT_EQ(high.Fc.step, 500);
  EXPECT_EQ(high.BW.start, 22050);
  EXPECT_EQ(high.Gain.start, -14);
  EXPECT_EQ(high.Gain.step, 0.2);
}

TEST(CalyxonAutoTune, DipGivesNegativePeakAndItsLobe) {
  auto design = FreshDesign();
  for (int i = 0; i < design->GridCount; ++i) {
    const double x = std::log10(design->GridFrequency[i]) - 3;
    design->ErrorCurve[i] = 0.5 - 3.5 * std::exp(-x * x / 0.02);
  }
  double lo = 0, hi = 0;
  const double P = FindErrorPeak(*design, lo, hi);
  EXPECT_NEAR(P, -3, 1e-12);
  // The lobe ends on the first points of positive error on each side.
  const int l = NearestGridIndex(*design, lo), h = NearestGridIndex(*design, hi);
  EXPECT_GT(design->ErrorCurve[l], 0);
  EXPECT_LT(design->ErrorCurve[l + 1], 0);
  EXPECT_GT(design->ErrorCurve[h], 0);
  EXPECT_LT(design->ErrorCurve[h - 1], 0);

  for (std::uint8_t mode : {0, 1}) {
    design->AutoTuneMode = mode;
    const BandSearch r = BandSearchRanges(*design, 2);
    EXPECT_EQ(r.Gain.start, P - 2);
    EXPECT_EQ(r.Gain.end, P);
    EXPECT_EQ(r.Gain.step, mode ? 0.2 : 0.05);
    EXPECT_EQ(r.BW.start, (mode ? 0.1 : 0.05) * (hi - lo));
    EXPECT_EQ(r.BW.end, hi - lo);
    EXPECT_EQ(r.Fc.step, std::ceil(hi - lo) * 0.1);
  }
}

TEST(CalyxonAutoTune, ErrorPeakIgnoresTheTopAndCapsTheLobeAt21kHz) {
  auto design = FreshDesign();
  for (int i = 0; i < design->GridCount; ++i)
    design->ErrorCurve[i] = design->GridFrequency[i] >= 12000 ? 1 : -0.5;
  design->ErrorCurve[600] = 2;
  design->ErrorCurve[656] = 10;  // above 20741 Hz: not searched
  double lo = 0, hi = 0;
  EXPECT_EQ(FindErrorPeak(*design, lo, hi), 2);
  EXPECT_EQ(hi, 21000);
  EXPECT_EQ(lo, design->GridFrequency[NearestGridIndex(*design, 12000) - 1]);

  for (int i = 0; i < design->GridCount; ++i) design->ErrorCurve[i] = 0;
  EXPECT_EQ(FindErrorPeak(*design, lo, hi), 0);
  EXPECT_EQ(lo, 20);
  EXPECT_EQ(hi, 21000);
}

TEST(CalyxonAutoTune, StopLeavesTheBandUnfinishedAndTheNextRunFitsItAgain) {
  auto whole = LoadedDesign("target.dat", "source.dat");
  whole->AutoTuneMode = 1;
  auto design = std::make_unique<EqDesign>(*whole);
  auto stopAtBand = [](std::int16_t at) {
    return [at](EqDesign&, std::int16_t band, int) { return band >= at; };
  };

  RecordingObserver reference(*whole);
  reference.act = stopAtBand(7);
  RunAutoTune(*whole, reference);

  RecordingObserver first(*design);
  first.act = [](EqDesign&, std::int16_t band, int candidate) {
    return band == 5 && candidate == 250;
  };
  EXPECT_EQ(RunAutoTune(*design, first).outcome, AutoTuneOutcome::Stopped);
  EXPECT_EQ(first.started.back(), 5);  // Edit5 shows 6
  EXPECT_EQ(design->AutoTuneBand, 5);
  EXPECT_EQ(std::memcmp(design->ErrorCurve.data(), first.errorAtBandEnd.back().data(),
                        sizeof(double) * 660),
            0);  // band 5 not subtracted

  RecordingObserver second(*design);
  second.act = stopAtBand(7);
  RunAutoTune(*design, second);
  EXPECT_EQ(second.started.front(), 5);
  ASSERT_EQ(second.snapshots.size(), 2u);
  ExpectSameDesign(second.snapshots[0], reference.snapshots[5], 5);
  ExpectSameDesign(second.snapshots[1], reference.snapshots[6], 6);
}

// Curves the loops could not step through are refused before anything starts: values that
// are not finite, and levels so large that adding a gain step would leave the gain unchanged
// (1e16 + 0.2 == 1e16). Levels up to the limit are fitted.
TEST(CalyxonAutoTune, RefusesCurvesTheLoopsCannotStepThrough) {
  const double limit = kFitLevelLimit, beyond = std::nextafter(kFitLevelLimit, INFINITY);
  const struct {
    const char* name;
    bool inTarget;  // else in ErrorCurve
    int index;
    double level;
    bool refused;
  } rows[] = {
      {"NaN in the error", false, 100, NAN, true},
      {"infinity in the target", true, 659, INFINITY, true},
      {"1e16 dB in the target", true, 0, 1e16, true},
      {"-1e16 dB in the error", false, 300, -1e16, true},
      {"just beyond the limit in the error", false, 12, -beyond, true},
      {"just beyond the limit in the target", true, 659, beyond, true},
      {"the limit in the target", true, 0, limit, false},
      {"minus the limit in the error", false, 400, -limit, false},
  };
  for (const auto& row : rows) {
    auto design = FreshDesign();
    design->AutoTuneBand = 3;
    (row.inTarget ? design->TargetCurve : design->ErrorCurve)[row.index] = row.level;
    RecordingObserver observer(*design);
    observer.act = [](EqDesign&, std::int16_t, int) { return true; };
    const AutoTuneResult result = RunAutoTune(*design, observer);
    if (row.refused) {
      EXPECT_EQ(result.outcome, AutoTuneOutcome::Refused) << row.name;
      EXPECT_EQ(result.statusText, kCalibrationRefusedStatus) << row.name;
      EXPECT_TRUE(observer.started.empty()) << row.name;
    } else {
      EXPECT_EQ(result.outcome, AutoTuneOutcome::Stopped) << row.name;
    }
    EXPECT_EQ(design->AutoTuneBand, 3) << row.name;
  }
}

// What the user meets: a measurement file with a level of 1e16 dB loads (the number is finite),
// and the fit refuses it at once instead of never ending.
TEST(CalyxonAutoTune, AMeasurementWithAnEnormousLevelIsRefused) {
  auto design = LoadedDesign("enormous_target.dat", "source.dat");
  RecordingObserver observer(*design);
  const AutoTuneResult result = RunAutoTune(*design, observer);
  EXPECT_EQ(result.outcome, AutoTuneOutcome::Refused);
  EXPECT_EQ(result.statusText, " Calibration Failed, Curves Invalid !!");
  EXPECT_EQ(design->AutoTuneBand, 0);
  EXPECT_TRUE(observer.started.empty());
}

// At the limit every gain loop still advances: a shelf tries 21 Fc values of about 100 gains
// each, a peak at most 11 x 21 x 41 candidates, and both bands end.
TEST(CalyxonAutoTune, AtTheLevelLimitEveryBandEnds) {
  for (const double level : {kFitLevelLimit, -kFitLevelLimit}) {
    auto design = FreshDesign();
    design->TargetCurve[0] = level;
    design->ErrorCurve[0] = level;
    RecordingObserver shelf(*design, 1000);
    shelf.act = [](EqDesign&, std::int16_t band, int) { return band == 1; };
    EXPECT_EQ(RunAutoTune(*design, shelf).outcome, AutoTuneOutcome::Stopped) << level;
    ASSERT_EQ(shelf.finished, std::vector<std::int16_t>{0}) << level;
    EXPECT_GE(shelf.candidateCounts[0], 21 * 99) << level;
    EXPECT_LE(shelf.candidateCounts[0], 21 * 101) << level;

    design->AutoTuneBand = 2;
    design->ErrorCurve[200] = level;  // the error peak: gains from level - 2 to level
    RecordingObserver peak(*design, 1000);
    peak.act = [](EqDesign&, std::int16_t band, int) { return band == 3; };
    EXPECT_EQ(RunAutoTune(*design, peak).outcome, AutoTuneOutcome::Stopped) << level;
    ASSERT_EQ(peak.finished, std::vector<std::int16_t>{2}) << level;
    EXPECT_GT(peak.candidateCounts[0], 0) << level;
    EXPECT_LE(peak.candidateCounts[0], 11 * 21 * 41) << level;
  }
}

// The pacing of a window's reports: with candidates of 20 us (50 per tick), the clock is read
// once per 64 candidates and once after each report, and a report comes once 19 or 20 ticks of
// fitting have passed, across the tick count's wrap.
TEST(CalyxonAutoTune, ReportPacingReadsTheClockRarelyAndReportsAfter19Ticks) {
  std::uint32_t now = 0xFFFFFF00u;
  long reads = 0;
  AutoTuneReportPacing pacing(
      [&] {
        ++reads;
        return now;
      },
      20);
  std::vector<long> reportAt;  // candidate numbers
  constexpr long kCandidates = 200'000;
  for (long k = 1; k <= kCandidates; ++k) {
    now = 0xFFFFFF00u + static_cast<std::uint32_t>(k / 50);
    if (pacing.Due()) reportAt.push_back(k);
  }
  ASSERT_GT(reportAt.size(), 150u);
  for (std::size_t r = 1; r < reportAt.size(); ++r) {
    const long ticks = reportAt[r] / 50 - (reportAt[r - 1] + 1) / 50;
    EXPECT_GE(ticks, 19) << r;
    EXPECT_LE(ticks, 20) << r;
  }
  EXPECT_LE(reads, kCandidates / AutoTuneReportPacing::kCallsPerClockRead +
                       static_cast<long>(reportAt.size()) + 1);
}

// The fitting loop against the plain one, with changes made from outside in the middle of a
// band at the observer's reports: every report's visible state, every band's end state, the
// texts. Once with a report after every candidate, once with sparse reports as a window asks.
class ChangesDuringTheRun : public ::testing::TestWithParam<int> {};

TEST_P(ChangesDuringTheRun, LeaveTheFitEqualToThePlainLoop) {
  auto literal = LoadedDesign("target.dat", "source.dat");
  literal->AutoTuneMode = 1;
  auto fast = std::make_unique<EqDesign>(*literal);

  struct Once {
    bool manual = false, values = false, mode = false;
  };
  auto act = [once = Once{}](EqDesign& d, std::int16_t band, int candidate) mutable {
    if (band == 3 && candidate >= 300 && !once.manual) {  // a manual band changes
      once.manual = true;
      ComputeBandResponse(d, 27, 2400, 800, 3);
      SumBandResponses(d);
      for (int i = 0; i < d.GridCount; ++i) {
        d.ErrorCurve[i] = d.TargetCurve[i] - (d.BandSumCurve[i] + d.SourceCurve[i]);
        d.ResidualCurve[i] = d.ErrorCurve[i];
      }
    }
    if (band == 4 && candidate >= 500 && !once.values) {  // the band's values are replaced
      once.values = true;
      d.BandFc[4] = 3000;
      d.BandBw[4] = 700;
      d.BandGain[4] = 1.25;
    }
    if (band == 10 && !once.mode) {  // band 11 in Normal mode
      once.mode = true;
      d.AutoTuneMode = 0;
    }
    return band == 12;
  };
  RecordingObserver plain(*literal, GetParam()), quick(*fast, GetParam());
  plain.act = act;
  quick.act = act;
  ExpectSameRun(*literal, plain, *fast, quick, AutoTuneOutcome::Stopped, 12);
}

INSTANTIATE_TEST_SUITE_P(ReportSpacing, ChangesDuringTheRun, ::testing::Values(1, 97),
                         [](const auto& info) { return "Every" + std::to_string(info.param); });

// Whole fits in both modes on every fixture pair, against the plain loop: every band's values,
// curves and status text, and what a window sees at its reports.
struct FixturePair {
  const char* name;
  const char* target;
  const char* source;
};

void PrintTo(const FixturePair& pair, std::ostream* out) {
  *out << pair.name;
}

constexpr FixturePair kFixturePairs[] = {
    {"Project", "target.dat", "source.dat"},
    {"SmoothTilt", "tilt_target.dat", "tilt_source.dat"},
    {"NarrowResonances", "resonances_target.dat", "resonances_source.dat"},
    {"DeepNotches", "notches_target.dat", "notches_source.dat"},
};

class WholeFit : public ::testing::TestWithParam<std::tuple<FixturePair, std::uint8_t>> {};

TEST_P(WholeFit, EqualsThePlainLoopBitForBit) {
  const auto& [pair, mode] = GetParam();
  auto literal = LoadedDesign(pair.target, pair.source);
  literal->AutoTuneMode = mode;
  auto fast = std::make_unique<EqDesign>(*literal);
  constexpr int kReportEvery = 997;
  RecordingObserver plain(*literal, kReportEvery), quick(*fast, kReportEvery);
  ExpectSameRun(*literal, plain, *fast, quick, AutoTuneOutcome::Finished, 26);
  // The fit did something: most bands hold a filter.
  int filters = 0;
  for (int n = 0; n < kAutoBandCount; ++n) filters += fast->BandGain[n] != 0;
  EXPECT_GT(filters, 13);
}

INSTANTIATE_TEST_SUITE_P(EveryFixturePair, WholeFit,
                         ::testing::Combine(::testing::ValuesIn(kFixturePairs),
                                            ::testing::Values(0, 1)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) ? "Fast" : "Normal");
                         });

}  // namespace
}  // namespace calyxon
