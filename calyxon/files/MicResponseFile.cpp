#include "calyxon/files/MicResponseFile.h"

#include <cmath>
#include <cstdio>
#include <memory>

namespace calyxon {

std::optional<MicResponseReading> ReadMicResponseFile(const std::string& path,
                                                      bool raiseToGridStart) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "r"), &std::fclose);
  if (!file) return std::nullopt;
  MicResponseReading reading;
  double f = 0, level = 0;
  while (std::fscanf(file.get(), "%lf,%lf", &f, &level) == 2) {
    if (raiseToGridStart && f < 20) f = 20;
    if (!std::isfinite(f) || !std::isfinite(level) || !(f > 0)) break;
    if (reading.points.F.size() == kMaxMeasurementPoints) {
      reading.truncated = true;
      break;
    }
    reading.points.F.push_back(f);
    reading.points.L.push_back(level);
  }
  return reading;
}

}  // namespace calyxon
