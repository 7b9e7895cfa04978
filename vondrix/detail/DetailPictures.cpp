// The twin windows' pictures: the squelch threshold line, the spectrum marker, the Clear
// of the spectrum and of the RF monitor, and the coloured frames behind the pictures.
#include "vondrix/buslink/Protocol.h"
#include "vondrix/detail/DetailWindow.h"
#include "vondrix/detail/MonitorMath.h"
#include "vondrix/detail/SquelchMath.h"
#include "vondrix/network/Program.h"

namespace vondrix {

namespace {

void FillBlack(forms::Image* picture, int width) {
  forms::Canvas& c = picture->canvas();
  c.pen.color = forms::clBlack;
  c.brush.color = forms::clBlack;
  c.rectangle(0, 0, width, kPictureHeight);
}

}  // namespace

void DetailWindow::CreatePictures() {
  FillBlack(roles_.spectrumImage, traits_.pictureWidth);
  FillBlack(roles_.monitorImage, traits_.pictureWidth);
  roles_.sheets[0]->setDoubleBuffered(true);
  roles_.sheets[1]->setDoubleBuffered(true);
}

void DetailWindow::SquelchLine(forms::TColor pen, bool showLeds) {
  const CurrentReceiver& c = program_.Current;
  const int threshold = protocol::HexStrict(c.SquelchThreshold);
  const bool useB =
      traits_.squelchAntenna == SquelchAntenna::LargerLow && c.RfCalLowB > c.RfCalLowA;
  const SquelchThresholdView v = useB ? SquelchThreshold(threshold, c.RfCalLowB, c.RfCalHighB)
                                      : SquelchThreshold(threshold, c.RfCalLowA, c.RfCalHighA);
  const int w = roles_.spectrumImage->width();
  for (forms::Image* picture : {roles_.spectrumImage, roles_.monitorImage}) {
    forms::Canvas& canvas = picture->canvas();
    canvas.pen.color = pen;
    canvas.moveTo(0, v.y);
    canvas.lineTo(w, v.y);
  }
  if (roles_.squelchBar) {
    roles_.squelchBar->setWidth(v.barWidth);
    roles_.squelchText->setCaption(v.text);
  }
  if (showLeds && !roles_.squelchLeds.empty()) {
    LightLeds(roles_.squelchLeds, SquelchLedsLit(protocol::HexOr(c.SquelchLevel, -1)));
  }
}

void DetailWindow::ShowSquelchThreshold() {
  SquelchLine(forms::clRed, true);
}

void DetailWindow::EraseSquelchLine() {
  SquelchLine(forms::clBlack, false);
}

void DetailWindow::DrawMarkerTriangle(forms::TColor pen) {
  forms::Canvas& c = roles_.spectrumImage->canvas();
  c.pen.color = pen;
  const int x = spectrum_.MarkerX, y = spectrum_.MarkerY;
  if (x < 0 || x > traits_.pictureWidth) return;
  c.polyline({{x, y}, {x + 3, y - 3}, {x, y - 6}, {x - 3, y - 3}, {x, y}});
}

void DetailWindow::DrawMarker() {
  DrawMarkerTriangle(forms::clWhite);
}

void DetailWindow::EraseMarker() {
  DrawMarkerTriangle(forms::clBlack);
}

int DetailWindow::BandPointCount() const {
  return BandPoints(program_.Current.BandStepCount);
}

void DetailWindow::ClearSpectrum() {
  roles_.run->setCaption("Run");
  const int w = traits_.pictureWidth;
  const int n = BandPointCount();
  const float s = PointSpacing(w, n);
  for (int i = 0; i <= n; ++i) spectrum_.SpectrumPoints[i] = QPoint(PointX(i, s), kPictureHeight);
  FillBlack(roles_.spectrumImage, w);
  spectrum_.ScanElapsedMs = 0;
  roles_.scanElapsed.setText("00:00:00");
  ShowSquelchThreshold();
  spectrum_.MarkerX = 0;
  spectrum_.MarkerY = kPictureHeight;
  DrawMarker();
  roles_.markerLabel.setText(traits_.clearMarkerLabel);
  roles_.microvolts.setText(traits_.clearMicrovolts);
  roles_.dbm.setText(traits_.clearDbm);
}

void DetailWindow::ClearMonitor() {
  monitor_.MonitorRunning = 0;
  const int w = traits_.pictureWidth;
  for (std::vector<QPoint>& trace : monitor_.traces)
    for (int i = 0; i <= w; ++i) trace[i] = QPoint(i, kMonitorBaseline);
  for (const MonitorReadout& r : roles_.monitorReadouts) {
    r.microvolts->setCaption(traits_.monitorMicrovolts);
    r.dbm->setCaption(traits_.monitorDbm);
  }
  FillBlack(roles_.monitorImage, w);
  roles_.sheets[1]->setDoubleBuffered(true);
  monitor_.MonitorElapsedMs = 0;
  monitor_.MonitorCount = 0;
  roles_.monitorElapsed.setText("00:00:00");
  ShowSquelchThreshold();
}

void DetailWindow::LightLeds(std::span<forms::StaticText* const> leds, int count) {
  for (int i = 0; i < static_cast<int>(leds.size()); ++i) leds[i]->setVisible(i < count);
}

void DetailWindow::PaintFrame(forms::PaintBox* box, forms::TColor brush) {
  forms::Canvas& c = box->canvas();
  c.pen.color = forms::clBlack;
  c.pen.width = 1;
  c.brush.color = brush;
  c.rectangle(0, 0, box->width(), box->height());
}

}  // namespace vondrix
