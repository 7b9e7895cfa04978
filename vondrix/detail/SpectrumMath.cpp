#include "vondrix/detail/SpectrumMath.h"

#include <algorithm>
#include <cmath>

#include "runtime/FloatText.h"
#include "vondrix/detail/PictureScale.h"
#include "vondrix/detail/RfLevel.h"

namespace vondrix {

int BandPoints(int32_t bandStepCount) {
  return std::clamp(bandStepCount, 1, kSpectrumPoints - 1);
}

int64_t SpectrumIndex(float f, float startKhz) {
  return static_cast<int64_t>(std::trunc((f - static_cast<long double>(startKhz)) * kGridPerKhz));
}

int BoundedIndex(int64_t k, int n) {
  return static_cast<int>(std::clamp<int64_t>(k, 0, n));
}

float PointSpacing(int width, int n) {
  return static_cast<float>(static_cast<long double>(width) / n);
}

int PointX(int i, float s) {
  return static_cast<int>(i * static_cast<long double>(s));
}

float MouseFrequency(int x, int width, int n, float startKhz) {
  const float r = static_cast<float>(n * (1.0L / width));
  const float v = static_cast<float>(x * static_cast<long double>(r) * 25);
  const float at = startKhz + v;
  return static_cast<float>(25 * std::trunc(at * kGridPerKhz));
}

QString DbmText(int y) {
  const float d = static_cast<float>(0.4L * (kPictureHeight - y));
  return runtime::FloatToStrF(d - 107.0L, runtime::FloatFormat::ffNumber, 3, 1) + "dBm";
}

QString MicrovoltText(int y) {
  const float d = static_cast<float>(0.4L * (kPictureHeight - y));
  const float uv = Microvolts(d);
  return runtime::FloatToStrF(uv, runtime::FloatFormat::ffNumber, 4, 1) + "uV";
}

QString ElapsedText(int32_t ms) {
  const int64_t s = static_cast<int64_t>(std::trunc(ms * 0.001));
  const auto two = [](int64_t v) { return QString::number(v).rightJustified(2, '0'); };
  return two((s / 3600) % 24) + ":" + two((s / 60) % 60) + ":" + two(s % 60);
}

int FindPeak(const std::vector<QPoint>& points, int n, int32_t& lastPeakY) {
  lastPeakY = points[0].y();
  int best = 1;
  for (int i = 1; i <= n; ++i) {
    if (points[i].y() < lastPeakY) {
      lastPeakY = points[i].y();
      best = i;
    }
  }
  return best;
}

std::optional<int> FindNextPeak(const std::vector<QPoint>& points, int n, int32_t& lastPeakY) {
  int32_t candidate = points[0].y();
  std::optional<int> found;
  for (int i = 1; i <= n; ++i) {
    const int32_t y = points[i].y();
    if (y < candidate && y > lastPeakY) {
      candidate = y;
      found = i;
    }
  }
  lastPeakY = candidate;
  return found;
}

bool AboveSquelch(LevelSource source, int threshold, int rfA, int rfB, const Calibration& c) {
  if (source == LevelSource::A) return threshold < rfA;
  const AntennaReadings r = AlignAntennas(rfA, rfB, c.RfCalLowA, c.RfCalLowB);
  return threshold < r.a || threshold < r.b;
}

}  // namespace vondrix
