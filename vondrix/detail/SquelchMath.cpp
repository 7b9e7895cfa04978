#include "vondrix/detail/SquelchMath.h"

#include <algorithm>

#include "runtime/FloatText.h"
#include "vondrix/detail/PictureScale.h"
#include "vondrix/detail/RfLevel.h"

namespace vondrix {

namespace {
constexpr int kWidestSquelchBar = 210;
}  // namespace

SquelchThresholdView SquelchThreshold(int threshold, int low, int high) {
  SquelchThresholdView v;
  v.db = static_cast<float>(RfDb(threshold, low, high));
  v.y = kPictureHeight - static_cast<int>(2.5L * v.db);
  v.barWidth = SquelchBarWidth(v.db);
  v.text = runtime::FloatToStrF(v.db, runtime::FloatFormat::ffFixed, 3, 1) + "dB";
  return v;
}

int SquelchBarWidth(float db) {
  const int b = static_cast<int>(db * 4.3L);
  return b > 1 ? std::min(b, kWidestSquelchBar) : 0;
}

bool SquelchMayRise(const std::string& level, const std::string& max) {
  return level < max;
}

int SquelchLedsLit(int level) {
  return level >= 1 && level <= 5 ? 2 * level : 0;
}

}  // namespace vondrix
