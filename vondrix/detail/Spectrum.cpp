// The spectrum page of the twin windows: the scan, Peak and Next P, the marker buttons
// and the marker dragged on the picture.
//
// Every index into the trace is bounded to the band's points 0..n, whatever the frequency
// field holds (it can be typed into during a scan) and whatever the receiver reports as its
// band: a scan that meets a frequency below the band starts again at the band start.
#include <limits>
#include <optional>

#include "platform/Clock.h"
#include "runtime/Convert.h"
#include "vondrix/buslink/Protocol.h"
#include "vondrix/detail/DetailWindow.h"
#include "vondrix/detail/MhzText.h"
#include "vondrix/network/Program.h"
#include "vondrix/network/ScopeExit.h"

namespace vondrix {

namespace {

enum Sweep { kSingle, kContinuous, kHalt };

// The number of a marker label ("798.025MHZ"); a label that shows no number counts as
// above every band, so that a scan starts at the band start.
float LabelKhz(const QString& label) {
  QString number = label;
  number.remove("MHZ");
  try {
    return KhzOfText(number.trimmed());
  } catch (const runtime::ConversionError&) {
    return std::numeric_limits<float>::infinity();
  }
}

}  // namespace

bool DetailWindow::Idle() const {
  return roles_.run->caption() == "Run";
}

void DetailWindow::ReadScanStep() {
  for (forms::RadioButton* step : roles_.steps) {
    if (step->checked()) {
      spectrum_.ScanStep = runtime::StrToInt(step->caption());
      return;
    }
  }
}

void DetailWindow::DrawSpectrumTrace() {
  forms::Canvas& c = roles_.spectrumImage->canvas();
  c.pen.color = forms::clLime;
  const auto& p = spectrum_.SpectrumPoints;
  c.polyline({p.begin(), p.begin() + BandPointCount() + 1});
}

int DetailWindow::MarkerPoint() const {
  return BoundedIndex(spectrum_.MarkerIndex, BandPointCount());
}

void DetailWindow::MarkerToPoint(int i) {
  spectrum_.MarkerX = spectrum_.SpectrumPoints[i].x();
  spectrum_.MarkerY = spectrum_.SpectrumPoints[i].y();
}

void DetailWindow::ShowMarkerLevel() {
  const int y = spectrum_.SpectrumPoints[MarkerPoint()].y();
  roles_.microvolts.setText(MicrovoltText(y));
  roles_.dbm.setText(DbmText(y));
}

void DetailWindow::ShowScanFrequency(const QString& mhz) {
  roles_.frequency.setText(mhz);
  roles_.markerLabel.setText(roles_.frequency.text() + "MHZ");
}

void DetailWindow::ShowScanFrequency(long double kHz) {
  ShowScanFrequency(MhzText(kHz));
}

void DetailWindow::JumpMarkerTo(int i) {
  ShowScanFrequency(BandStartKhz() + static_cast<float>((i - 1) * 25));
  MarkerToPoint(MarkerPoint());
  EraseMarker();
  spectrum_.MarkerIndex = i;
  MarkerToPoint(i);
  DrawMarker();
}

void DetailWindow::RunButtonClick() {
  ReadScanStep();
  if (!Idle()) {
    roles_.run->setCaption("Run");  // the running scan ends after its step
    return;
  }
  roles_.run->setCaption("Stop");
  ScopeExit idle([this] { roles_.run->setCaption("Run"); });
  monitor_.MonitorRunning = 0;
  const QString label = roles_.markerLabel.text();
  if (label.left(3) == "   " || LabelKhz(label) + spectrum_.ScanStep >= BandStopKhz()) {
    ShowScanFrequency(roles_.bandStart.text());
  }
  RunSpectrumScan();
}

void DetailWindow::SampleAt(float f) {
  const int n = BandPointCount();
  std::vector<QPoint>& points = spectrum_.SpectrumPoints;
  const int p = MarkerPoint();
  const QPoint remembered = points[p];
  forms::Canvas& c = roles_.spectrumImage->canvas();
  c.pen.color = forms::clBlack;
  c.polyline({points.begin(), points.begin() + n + 1});
  const int i = BoundedIndex(SpectrumIndex(f, BandStartKhz()) + 1, n);
  spectrum_.MarkerIndex = i;
  TuneFrequency(static_cast<int32_t>(f));
  points[i].setY(spectrum_.MarkerY);
  ShowMarkerLevel();
  for (int skipped = p + 1; skipped < i; ++skipped) points[skipped].setY(spectrum_.MarkerY);
  spectrum_.MarkerX = remembered.x();
  spectrum_.MarkerY = remembered.y();
  EraseMarker();
  MarkerToPoint(i);
  c.brush.color = forms::clBlack;
  c.rectangle(spectrum_.MarkerX - 3, 0, spectrum_.MarkerX, kPictureHeight);
  DrawSpectrumTrace();
  DrawMarker();
  ShowSquelchThreshold();
}

bool DetailWindow::EndScanAtBandEnd(float f) {
  ShowSquelchThreshold();
  if (roles_.sweeps[kContinuous]->checked()) {
    ShowScanFrequency(roles_.bandStart.text());
    program_.Current.CurrentFrequency = roles_.frequency.text().toStdString();
    EraseMarker();
    ShowTvChannel();
    return false;
  }
  roles_.run->setCaption("Run");
  ShowScanFrequency(f - static_cast<long double>(spectrum_.ScanStep));
  program_.Current.CurrentFrequency = roles_.frequency.text().toStdString();
  ShowTvChannel();
  return true;
}

bool DetailWindow::PortHandedOver() const {
  return roles_.designerWatch && roles_.designerWatch->enabled();
}

void DetailWindow::RunSpectrumScan() {
  auto paused = PausePolling();
  platform::Clock& clock = platform::clock();
  // The step is read where it is used: a step button clicked during the scan changes it.
  const auto step = [this] { return static_cast<long double>(spectrum_.ScanStep); };
  if (roles_.sweeps[kHalt]->checked()) {
    ShowScanFrequency(KhzOfText(roles_.frequency.text()) + step());
    ShowTvChannel();
  }
  std::optional<float> sampled;  // the frequency the receiver was tuned to last
  for (;;) {
    const uint32_t t0 = clock.tickCount();
    ShowNoGroupChannel();
    float f = KhzOfText(roles_.frequency.text());
    if (f < BandStartKhz()) {
      // Typed below the band during the scan: the sweep starts again at the band start.
      ShowScanFrequency(roles_.bandStart.text());
      f = BandStartKhz();
    }
    if (f <= BandStopKhz()) {
      SampleAt(f);
      sampled = f;
      // Stopped meanwhile (Stop, Peak, Next P, the close, the monitor's Run, Zarn): this
      // step has sampled what the field showed, so the field names the receiver's frequency.
      if (Idle()) return;
      if (roles_.sweeps[kHalt]->checked()) {
        const CurrentReceiver& c = program_.Current;
        const DetailState& d = program_.Detail;
        if (AboveSquelch(traits_.levelSource, protocol::HexStrict(c.SquelchThreshold), d.StatusRfA,
                         d.StatusRfB, {c.RfCalLowA, c.RfCalLowB, c.RfCalHighA, c.RfCalHighB}))
          return;
      }
      ShowScanFrequency(f + step());
      ShowTvChannel();
    } else if (EndScanAtBandEnd(f)) {
      return;
    }
    spectrum_.ScanElapsedMs += static_cast<int32_t>(clock.tickCount() - t0);
    roles_.scanElapsed.setText(ElapsedText(spectrum_.ScanElapsedMs));
    forms::processMessages();
    // What the handlers that ran meanwhile decided, before another line goes out. A caption
    // set to "Run" is seen after the next sampling step, above.
    if (spectrum_.ScanElapsedMs == 0) {
      roles_.frequency.setText(MhzText(KhzOfText(roles_.frequency.text()) - step()));
      return;
    }
    if (program_.Ending) return;
    if (PortHandedOver()) {
      // The designer has the port: no step can sample any more, so the field goes back to
      // the frequency the receiver was tuned to last.
      if (sampled) ShowScanFrequency(static_cast<long double>(*sampled));
      ShowTvChannel();
      return;
    }
  }
}

void DetailWindow::PeakClick() {
  auto paused = PausePolling();
  roles_.run->setCaption("Run");
  ShowNoGroupChannel();
  const int best = FindPeak(spectrum_.SpectrumPoints, BandPointCount(), spectrum_.LastPeakY);
  JumpMarkerTo(best);
  ShowMarkerLevel();
  TuneToField();
}

void DetailWindow::NextPeakClick() {
  auto paused = PausePolling();
  roles_.run->setCaption("Run");
  ShowNoGroupChannel();
  const std::optional<int> found =
      FindNextPeak(spectrum_.SpectrumPoints, BandPointCount(), spectrum_.LastPeakY);
  if (!found) return;
  JumpMarkerTo(*found);
  ShowSquelchThreshold();
  DrawSpectrumTrace();
  ShowMarkerLevel();
  TuneToField();
}

void DetailWindow::StepMarker(StepDirection direction) {
  if (traits_.stepBeforeMarkerStep) ReadScanStep();
  ShowNoGroupChannel();
  const float field = KhzOfText(roles_.frequency.text());
  const float f = direction == StepDirection::Down ? field - static_cast<float>(spectrum_.ScanStep)
                                                   : field + static_cast<float>(spectrum_.ScanStep);
  // Each button stops at its band edge; a field typed outside the band moves nothing either.
  if (f < BandStartKhz() || f > BandStopKhz()) {
    ShowTvChannel();
    return;
  }
  MarkerToPoint(MarkerPoint());
  EraseMarker();
  ShowScanFrequency(f);
  program_.Current.CurrentFrequency = roles_.frequency.text().toStdString();
  spectrum_.MarkerIndex = BoundedIndex(SpectrumIndex(f, BandStartKhz()), BandPointCount());
  if (Idle()) {
    TuneToField();
    DrawSpectrumTrace();
  }
  MarkerToPoint(MarkerPoint());
  DrawMarker();
  ShowMarkerLevel();
  ShowTvChannel();
}

bool DetailWindow::InsidePicture(int x, int y) const {
  return x >= 0 && x <= traits_.pictureWidth && y >= 0 && y <= kPictureHeight;
}

float DetailWindow::PutMarkerAtMouse(int x) {
  MarkerToPoint(MarkerPoint());
  EraseMarker();
  const int n = BandPointCount();
  const float start = BandStartKhz();
  const float f = MouseFrequency(x, traits_.pictureWidth, n, start);
  spectrum_.MarkerIndex = BoundedIndex(SpectrumIndex(f, start), n);
  return f;
}

void DetailWindow::SpectrumMouseDown(forms::MouseButton button, int x, int y) {
  ReadScanStep();
  if (button == forms::mbLeft && InsidePicture(x, y)) spectrum_.DragActive = 1;
}

void DetailWindow::SpectrumMouseMove(int x, int y) {
  if (!InsidePicture(x, y)) {
    roles_.spectrumImage->setCursor(Qt::ArrowCursor);
    return;
  }
  roles_.spectrumImage->setCursor(Qt::CrossCursor);
  if (spectrum_.DragActive != 1) return;
  const float f = PutMarkerAtMouse(x);
  MarkerToPoint(MarkerPoint());
  DrawMarker();
  ShowMarkerLevel();
  DrawSpectrumTrace();
  ShowSquelchThreshold();
  ShowScanFrequency(f);
}

void DetailWindow::SpectrumMouseUp(forms::MouseButton button, int x, int y) {
  ScopeExit released([this] { spectrum_.DragActive = 0; });
  if (button == forms::mbLeft && InsidePicture(x, y)) {
    ShowScanFrequency(PutMarkerAtMouse(x));
    MarkRetuned();
    if (Idle()) TuneToField();
    DrawSpectrumTrace();
    MarkerToPoint(MarkerPoint());
    ShowSquelchThreshold();
    DrawMarker();
    ShowMarkerLevel();
    ShowNoGroupChannel();
  }
  ShowTvChannel();
}

}  // namespace vondrix
