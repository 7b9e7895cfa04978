// The RF-monitor page of both windows: Run, Stop and the sampling loop.
#include <array>

#include "forms/Application.h"
#include "platform/Clock.h"
#include "vondrix/detail/DetailWindow.h"
#include "vondrix/detail/MonitorMath.h"
#include "vondrix/detail/RfLevel.h"
#include "vondrix/detail/SpectrumMath.h"
#include "vondrix/network/Program.h"
#include "vondrix/network/ScopeExit.h"

namespace vondrix {

namespace {

constexpr int kMonitorStatusTries = 3;
constexpr uint32_t kSlowPauseMs = 100;

// Points 0..count of a trace.
std::vector<QPoint> Leading(const std::vector<QPoint>& trace, int count) {
  return {trace.begin(), trace.begin() + count + 1};
}

}  // namespace

void DetailWindow::StartRfMonitor() {
  monitor_.MonitorRunning = 1;
  roles_.run->setCaption("Run");  // a running scan ends at its next step
  RunRfMonitor();
}

void DetailWindow::RunRfMonitor() {
  auto paused = PausePolling();
  ScopeExit stopped([this] { monitor_.MonitorRunning = 0; });
  while (monitor_.MonitorRunning == 1 && !program_.Ending) {
    SampleRfLevel();
    forms::processMessages();
  }
}

void DetailWindow::QueryMonitorStatus() {
  if (!traits_.monitorOfflineRule) {
    QueryStatus();  // unchecked: the plot repeats the last accepted level
    return;
  }
  for (int i = 0; i < kMonitorStatusTries; ++i)
    if (QueryStatus()) return;
  GoOffline();  // the close ends the loop after this pass
}

void DetailWindow::SampleRfLevel() {
  platform::Clock& clock = platform::clock();
  const uint32_t t0 = clock.tickCount();
  if (roles_.monitorSlow->checked()) clock.sleep(kSlowPauseMs);
  QueryMonitorStatus();
  ShowPolledStatus();

  MonitorState& m = monitor_;
  m.MonitorCount += 1;
  const CurrentReceiver& c = program_.Current;
  const DetailState& d = program_.Detail;
  AntennaReadings raw{d.StatusRfA, d.StatusRfB};
  if (traits_.monitorAlignsAntennas)
    raw = AlignAntennas(d.StatusRfA, d.StatusRfB, c.RfCalLowA, c.RfCalLowB);
  const std::array<int, 2> pixels = {MonitorPixels(raw.a, c.RfCalLowA, c.RfCalHighA),
                                     MonitorPixels(raw.b, c.RfCalLowB, c.RfCalHighB)};

  forms::Canvas& canvas = roles_.monitorImage->canvas();
  canvas.pen.color = forms::clBlack;
  for (const std::vector<QPoint>& trace : m.traces) canvas.polyline(Leading(trace, m.MonitorCount));
  const int w = traits_.pictureWidth;
  if (m.MonitorCount > w) {
    m.MonitorCount = w;
    for (std::vector<QPoint>& trace : m.traces)
      for (int i = 0; i <= w; ++i) trace[i].setY(trace[i + 1].y());
  }
  for (size_t t = 0; t < m.traces.size(); ++t) {
    m.traces[t][m.MonitorCount].setY(MonitorY(pixels[t]));
    canvas.pen.color = traits_.monitorPens[t];
    canvas.polyline(Leading(m.traces[t], m.MonitorCount));
  }
  ShowSquelchThreshold();

  for (size_t t = 0; t < m.traces.size(); ++t) {
    const int y = m.traces[t][m.MonitorCount].y();
    roles_.monitorReadouts[t].dbm->setCaption(DbmText(y));
    roles_.monitorReadouts[t].microvolts->setCaption(MicrovoltText(y));
  }
  m.MonitorElapsedMs += static_cast<int32_t>(clock.tickCount() - t0);
  roles_.monitorElapsed.setText(ElapsedText(m.MonitorElapsedMs));
}

}  // namespace vondrix
