#include "vondrix/network/StatusMath.h"

#include <cmath>

namespace vondrix {

int RfBarQ5V(int s, int low, int high) {
  int offset = 0;
  if (high != low) offset = (low * 34) / (high - low) * 100 / 60;
  return s - offset + 10;
}

int RfBarZ3K(int s, int low, int high) {
  if (s <= low) return 0;
  return high == low ? s : s - (low * 20) / (high - low);
}

int AfBarQ5V(int v) {
  int c = v < 86 ? 0 : (v <= 214 ? v - 85 : 214);
  return static_cast<int>(c * std::log10(130.0) / std::log10(c + 2.0));
}

BatteryView BatteryQ5V(int v) {
  if (v >= 17 && v <= 21) return {"100%", false};
  if (v >= 22 && v <= 26) return {"80%", false};
  if (v >= 27 && v <= 31) return {"40%", false};
  if (v >= 32 && v <= 35) return {"10%", false};
  return {"OFF", true};
}

std::string AntennaLetterZ3K(int code) {
  if (code == 45) return "B";
  if (code == 135) return "A";
  return "D";
}

}  // namespace vondrix
