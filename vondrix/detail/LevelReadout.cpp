#include "vondrix/detail/LevelReadout.h"

#include <cmath>

#include "runtime/FloatText.h"

namespace vondrix {

using runtime::FloatFormat;

float PictureLevelDb(int y) {
  return static_cast<float>(static_cast<long double>(0.4) * (155 - y));
}

QString DbmText(int y) {
  return runtime::FloatToStrF(PictureLevelDb(y) - 107.0L, FloatFormat::ffNumber, 3, 1) + "dBm";
}

QString MicrovoltText(int y) {
  const float microvolts =
      static_cast<float>(std::pow(10.0L, static_cast<long double>(0.05) * PictureLevelDb(y)));
  return runtime::FloatToStrF(microvolts, FloatFormat::ffNumber, 4, 1) + "uV";
}

QString ElapsedText(int32_t ms) {
  const int32_t s = static_cast<int32_t>(ms * 0.001);
  auto two = [](int32_t v) { return QString("%1").arg(v, 2, 10, QChar('0')); };
  return two((s / 3600) % 24) + ":" + two((s / 60) % 60) + ":" + two(s % 60);
}

}  // namespace vondrix
