// Cost of one band evaluation and of whole 26-band fits of a fixed target and source pair.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "calyxon/eq/AutoTune.h"
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

void Fit(benchmark::State& state, std::uint8_t mode) {
  const auto loaded = LoadedDesign();
  AutoTuneObserver quiet;
  for (auto _ : state) {
    state.PauseTiming();
    auto design = std::make_unique<EqDesign>(*loaded);
    design->AutoTuneMode = mode;
    state.ResumeTiming();
    RunAutoTune(*design, quiet);
    benchmark::DoNotOptimize(design->ErrorCurve[100]);
  }
}

void BM_NormalFit(benchmark::State& state) {
  Fit(state, 0);
}
void BM_FastFit(benchmark::State& state) {
  Fit(state, 1);
}
BENCHMARK(BM_NormalFit)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FastFit)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
