#include "vondrix/detail/RfLevel.h"

#include <cmath>

namespace vondrix {

float RfSlope(int low, int high) {
  if (high == low) return 0.0f;
  return static_cast<float>(34.0L / (static_cast<long double>(high) - low));
}

long double RfDb(long double raw, int low, int high) {
  const float k = RfSlope(low, high);
  if (k == 0.0f) return 0.0L;
  return k * (raw - (low - 6.0L / k));
}

int LevelDb(int raw, int low, int high) {
  return static_cast<int>(RfDb(raw, low, high));
}

float Microvolts(long double db) {
  return static_cast<float>(std::pow(10.0L, 0.05L * db));
}

AntennaReadings AlignAntennas(int rawA, int rawB, int lowA, int lowB) {
  if (lowA > lowB) return {rawA, rawB + (lowA - lowB)};
  return {rawA + (lowB - lowA), rawB};
}

}  // namespace vondrix
