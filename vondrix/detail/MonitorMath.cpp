#include "vondrix/detail/MonitorMath.h"

#include <algorithm>

#include "vondrix/detail/RfLevel.h"

namespace vondrix {

int MonitorPixels(int raw, int low, int high) {
  const float k = RfSlope(low, high);
  if (k == 0.0f) return 0;
  return static_cast<int>(2.5L * (raw - (low - 6.0L / k)) * k);
}

int MonitorY(int pixels) {
  if (pixels <= 1) return kMonitorBaseline;
  return std::max(kPictureHeight - pixels, kMonitorTop);
}

}  // namespace vondrix
