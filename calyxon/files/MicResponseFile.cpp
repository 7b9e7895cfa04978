#include "calyxon/files/MicResponseFile.h"

#include <utility>

namespace calyxon {

std::optional<MicResponseReading> ReadMicResponseFile(const std::string& path,
                                                      bool raiseToGridStart) {
  auto reading = eqshared::ReadCurveFile(path, {.raiseToGridStart = raiseToGridStart});
  if (!reading) return std::nullopt;
  return MicResponseReading{std::move(reading->points), reading->truncated};
}

}  // namespace calyxon
