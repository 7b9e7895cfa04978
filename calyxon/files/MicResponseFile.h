// Reading a microphone measurement file ("*.dat"): the points of a curve file without a
// capsule name (eqshared/CurveFile.h), "%lf,%lf" pairs up to the first that does not match or
// kMaxMeasurementPoints points.
#pragma once

#include <optional>
#include <string>

#include "calyxon/eq/MeasurementCurve.h"
#include "eqshared/CurveFile.h"

namespace calyxon {

inline constexpr int kMaxMeasurementPoints = eqshared::kMaxCurvePoints;

struct MicResponseReading {
  MeasurementPoints points;
  bool truncated = false;  // more points followed the first kMaxMeasurementPoints
};

// Reads the file at path. raiseToGridStart: a frequency below 20 Hz is read as 20 Hz (the
// target's rule). Empty when the file cannot be opened.
std::optional<MicResponseReading> ReadMicResponseFile(const std::string& path,
                                                      bool raiseToGridStart);

}  // namespace calyxon
