// The fitting: ranges, error peak, band end, stop and resume, and equality of the fast loop
// with the plain one.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
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

// Records everything a window could see, and can act at a chosen candidate.
class RecordingObserver : public AutoTuneObserver {
 public:
  explicit RecordingObserver(EqDesign& design) : design_(design) {}

  void BandStarted(std::int16_t band) override {
    started.push_back(band);
    candidatesInBand = 0;
  }
  void CandidateTried(const AutoTuneCandidate& c) override {
    ++candidatesInBand;
    if (!hashCandidates) return;
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
    candidates.push_back(h);
  }
  bool StopRequested() override { return act && act(design_, started.back(), candidatesInBand); }
  void BandFinished(std::int16_t band, int progress, const std::string& text) override {
    finished.push_back(band);
    progresses.push_back(progress);
    statusTexts.push_back(text);
    if (keepSnapshots) snapshots.emplace_back(design_);
    if (keepSnapshots) errorAtBandEnd.push_back(design_.ErrorCurve);
  }

  // Called after each candidate with the band and the candidate's number in it; true stops.
  std::function<bool(EqDesign&, std::int16_t, int)> act;
  bool hashCandidates = true;
  bool keepSnapshots = true;  // the design as each band finished
  std::vector<std::int16_t> started, finished;
  std::vector<int> progresses;
  std::vector<std::string> statusTexts;
  std::vector<std::uint64_t> candidates;
  std::vector<Snapshot> snapshots;
  std::vector<GridCurve> errorAtBandEnd;
  int candidatesInBand = 0;

 private:
  EqDesign& design_;
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

TEST(CalyxonAutoTune, ZeroErrorLeavesEveryBandPassThroughAndReaches100) {
  auto design = LoadedDesign("target.dat", "target.dat");
  RecordingObserver observer(*design);
  observer.hashCandidates = false;
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
  EXPECT_TRUE(again.candidates.empty());
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

TEST(CalyxonAutoTune, RefusesCurvesThatAreNotNumbers) {
  auto design = FreshDesign();
  design->AutoTuneBand = 3;
  design->ErrorCurve[100] = NAN;
  RecordingObserver observer(*design);
  const AutoTuneResult result = RunAutoTune(*design, observer);
  EXPECT_EQ(result.outcome, AutoTuneOutcome::Refused);
  EXPECT_EQ(result.statusText, kCalibrationRefusedStatus);
  EXPECT_EQ(design->AutoTuneBand, 3);
  EXPECT_TRUE(observer.started.empty());
}

// The fast loop against the plain one: every candidate's visible state, every band's end
// state, the texts, with changes made from outside in the middle of a band.
TEST(CalyxonAutoTune, FastLoopEqualsThePlainLoopBitForBit) {
  auto literal = LoadedDesign("target.dat", "source.dat");
  literal->AutoTuneMode = 1;
  auto fast = std::make_unique<EqDesign>(*literal);

  auto act = [](EqDesign& d, std::int16_t band, int candidate) {
    if (band == 3 && candidate == 300) {  // a manual band changes
      ComputeBandResponse(d, 27, 2400, 800, 3);
      SumBandResponses(d);
      for (int i = 0; i < d.GridCount; ++i) {
        d.ErrorCurve[i] = d.TargetCurve[i] - (d.BandSumCurve[i] + d.SourceCurve[i]);
        d.ResidualCurve[i] = d.ErrorCurve[i];
      }
    }
    if (band == 4 && candidate == 500) {  // the band's values are replaced
      d.BandFc[4] = 3000;
      d.BandBw[4] = 700;
      d.BandGain[4] = 1.25;
    }
    if (band == 10 && candidate == 1) d.AutoTuneMode = 0;  // band 11 in Normal mode
    return band == 12;
  };
  RecordingObserver plain(*literal), quick(*fast);
  plain.act = act;
  quick.act = act;
  EXPECT_EQ(testing::RunAutoTuneLiteral(*literal, plain).outcome, AutoTuneOutcome::Stopped);
  EXPECT_EQ(RunAutoTune(*fast, quick).outcome, AutoTuneOutcome::Stopped);

  EXPECT_EQ(plain.started, quick.started);
  EXPECT_EQ(plain.statusTexts, quick.statusTexts);
  ASSERT_EQ(plain.candidates.size(), quick.candidates.size());
  for (std::size_t i = 0; i < plain.candidates.size(); ++i)
    ASSERT_EQ(plain.candidates[i], quick.candidates[i]) << "candidate " << i;
  ASSERT_EQ(plain.snapshots.size(), 12u);
  for (std::size_t b = 0; b < plain.snapshots.size(); ++b)
    ExpectSameDesign(plain.snapshots[b], quick.snapshots[b], static_cast<int>(b));
  ExpectSameDesign(Snapshot(*literal), Snapshot(*fast), 12);
}

}  // namespace
}  // namespace calyxon
