// Cost of one band evaluation, and of whole 26-band fits of the fixture pair by three loops side
// by side: the plain loop (every candidate evaluated in full), the previous loop (early exit on
// the partial sum) and the current one (lower-bound filter). Each fit runs with an observer that
// behaves like the designer window: it is told of candidates as the loop offers them, and with
// the current loop it asks for a report every 20 ms of fitting.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <memory>

#include "LiteralAutoTune.h"
#include "PreviousAutoTune.h"
#include "calyxon/eq/AutoTune.h"
#include "calyxon/eq/AutoTuneScoring.h"
#include "calyxon/eq/BandClearing.h"
#include "calyxon/eq/BandResponse.h"
#include "calyxon/eq/FrequencyGrid.h"
#include "calyxon/files/CurveLoading.h"

namespace {

using namespace calyxon;

std::unique_ptr<EqDesign> LoadedDesign() {
  auto design = std::make_unique<EqDesign>();
  BuildFrequencyGrid(*design);
  ClearAllBands(*design);
  if (!LoadTargetCurve(*design, CALYXON_FIXTURES "/target.dat").loaded() ||
      !LoadSourceCurve(*design, CALYXON_FIXTURES "/source.dat").loaded())
    std::abort();
  return design;
}

std::uint32_t SteadyTickCount() {
  using namespace std::chrono;
  return static_cast<std::uint32_t>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// Keeps what a window would write into its edits; reports are paced as the window paces them.
class WindowLikeObserver : public AutoTuneObserver {
 public:
  bool ReportWanted() override { return pacing_.Due(); }
  void CandidateTried(const AutoTuneCandidate& candidate) override {
    shown_ = candidate;
    ++reports_;
  }
  int reports() const { return reports_; }

 private:
  AutoTuneReportPacing pacing_{SteadyTickCount, 20};
  AutoTuneCandidate shown_;
  int reports_ = 0;
};

using FitLoop = AutoTuneResult (*)(EqDesign&, AutoTuneObserver&);

void Fit(benchmark::State& state, FitLoop loop, std::uint8_t mode) {
  const auto loaded = LoadedDesign();
  int reports = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto design = std::make_unique<EqDesign>(*loaded);
    design->AutoTuneMode = mode;
    WindowLikeObserver window;
    state.ResumeTiming();
    loop(*design, window);
    benchmark::DoNotOptimize(design->ErrorCurve[100]);
    reports = window.reports();
  }
  state.counters["reports"] = reports;
}

void BM_ComputeBandResponse(benchmark::State& state) {
  EqDesign design;
  BuildFrequencyGrid(design);
  double gain = 3;
  for (auto _ : state) {
    ComputeBandResponse(design, 5, 1000, 300, gain);
    benchmark::DoNotOptimize(design.BandResponse[5][330]);
    gain = -gain;
  }
}
BENCHMARK(BM_ComputeBandResponse);

// One candidate's lower bound over the whole grid, with each instruction set.
void BM_CandidateLowerBound(benchmark::State& state) {
  const auto design = LoadedDesign();
  const auto kernel = static_cast<BoundKernel>(state.range(0));
  for (BoundKernel available : AvailableBoundKernels()) {
    if (available != kernel) continue;
    CandidateScorer scorer;
    scorer.Read(*design);
    scorer.UseBoundKernel(kernel);
    Coefficients a, b;
    DesignBand(1000, 300, 3, a, b);
    for (auto _ : state) benchmark::DoNotOptimize(scorer.LowerBound(a, b, 1e300));
    return;
  }
  state.SkipWithError("this processor lacks the instruction set");
}
BENCHMARK(BM_CandidateLowerBound)
    ->Arg(static_cast<int>(BoundKernel::Avx512))
    ->Arg(static_cast<int>(BoundKernel::Avx2))
    ->Arg(static_cast<int>(BoundKernel::Baseline));

constexpr FitLoop kPlain = testing::RunAutoTuneLiteral;
constexpr FitLoop kPrevious = bench::RunAutoTunePrevious;
constexpr FitLoop kCurrent = RunAutoTune;

BENCHMARK_CAPTURE(Fit, Normal_Plain, kPlain, 0)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(Fit, Normal_Previous, kPrevious, 0)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(Fit, Normal_Current, kCurrent, 0)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Fit, Fast_Plain, kPlain, 1)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(Fit, Fast_Previous, kPrevious, 1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Fit, Fast_Current, kCurrent, 1)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

BENCHMARK_MAIN();
