// The whole 26-band fit as the designer window runs it (offscreen: Tool > Calibration > Start,
// with its message processing, edits, status texts and timed redraws) beside the core's own
// fit of the same design and beside the two older loops (the plain loop that evaluates every
// candidate in full, and the early-exit loop it replaced), all in one run, so that the costs
// can be compared side by side.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>
#include <string>

#include "LiteralAutoTune.h"
#include "PreviousAutoTune.h"
#include "calyxon/eq/AutoTune.h"
#include "calyxon/ui/DesignerForm.h"
#include "calyxon/ui/Program.h"
#include "calyxon/ui/WindowFitObserver.h"
#include "forms/ScriptedDialogs.h"
#include "platform/Clock.h"

namespace {

using namespace calyxon;

// The fixture pair loaded through the window's own File menu handlers.
EqDesign LoadedThroughTheWindow(Program& program) {
  forms::ScriptedDialogs dialogs;
  dialogs.choose(CALYXON_FIXTURES "/target.dat");
  program.Form1->Button2Click();
  dialogs.choose(CALYXON_FIXTURES "/source.dat");
  program.Form1->Button3Click();
  if (program.Form1->Edit24->text() != "source") std::abort();
  return program.Design;
}

// The core alone: reports asked for at the window's pace, and nothing done with them.
class PacedObserver : public AutoTuneObserver {
 public:
  bool ReportWanted() override { return pacing_.Due(); }

 private:
  AutoTuneReportPacing pacing_{[] { return platform::clock().tickCount(); }, kProcessingIntervalMs};
};

// One loop's fit of a copy of the design, with a new Observer each time: the core's loop with
// reports paced as the window paces them, the older loops told of every candidate.
using FitLoop = AutoTuneResult (*)(EqDesign&, AutoTuneObserver&);
template <class Observer>
void LoopFit(benchmark::State& state, FitLoop loop, const EqDesign& loaded, std::uint8_t mode) {
  for (auto _ : state) {
    state.PauseTiming();
    auto design = std::make_unique<EqDesign>(loaded);
    design->AutoTuneMode = mode;
    Observer observer;
    state.ResumeTiming();
    loop(*design, observer);
    benchmark::DoNotOptimize(design->ErrorCurve[100]);
  }
}

void WindowFit(benchmark::State& state, Program& program, const EqDesign& loaded,
               std::uint8_t mode) {
  TForm1& form = *program.Form1;
  for (auto _ : state) {
    state.PauseTiming();
    program.Design = loaded;
    state.ResumeTiming();
    if (mode == 0)
      form.Normal1Click();
    else
      form.Fast1Click();
    benchmark::DoNotOptimize(program.Design.ErrorCurve[100]);
  }
  if (form.Label1->caption() != "Done") state.SkipWithError("the window's fit did not finish");
}

}  // namespace

int main(int argc, char** argv) {
  // The window publishes itself: in folders of the bench's own, never the user's.
  QTemporaryDir runtime;
  setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  Program program;
  program.CreateForms();
  const auto loaded = std::make_unique<EqDesign>(LoadedThroughTheWindow(program));

  struct Mode {
    const char* name;
    std::uint8_t mode;
    int iterations;
  };
  for (const Mode& m : {Mode{"Normal", 0, 20}, Mode{"Fast", 1, 50}}) {
    const std::string name = std::string(m.name) + "Fit";
    const FitLoop plain = testing::RunAutoTuneLiteral;
    const FitLoop previous = bench::RunAutoTunePrevious;
    const FitLoop core = RunAutoTune;
    benchmark::RegisterBenchmark(("Plain" + name).c_str(), LoopFit<AutoTuneObserver>, plain,
                                 std::cref(*loaded), m.mode)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark(("Previous" + name).c_str(), LoopFit<AutoTuneObserver>, previous,
                                 std::cref(*loaded), m.mode)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(m.mode == 0 ? 1 : 3);
    benchmark::RegisterBenchmark(("Core" + name).c_str(), LoopFit<PacedObserver>, core,
                                 std::cref(*loaded), m.mode)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(m.iterations);
    benchmark::RegisterBenchmark(("Window" + name).c_str(), WindowFit, std::ref(program),
                                 std::cref(*loaded), m.mode)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(m.iterations);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
