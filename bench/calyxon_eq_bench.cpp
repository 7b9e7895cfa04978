// Cost of one band evaluation and of one candidate's lower bound. The whole fits are measured
// side by side in calyxon_window_fit_bench.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

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

}  // namespace

BENCHMARK_MAIN();
