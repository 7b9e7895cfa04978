// Reading a microphone measurement file ("*.dat").
//
// The file is a sequence of points "frequency,level" read as "%lf,%lf": white space and line
// ends may stand before each number, none between the frequency and the comma. Reading ends
// quietly at the first point that does not match, at the end of the file, or after
// kMaxMeasurementPoints points. No header, no count line.
//
// A point whose frequency cannot be placed on a logarithmic axis (zero, negative) or that holds
// a number that is not finite ends the reading like a point that does not match.
#pragma once

#include <optional>
#include <string>

#include "calyxon/eq/MeasurementCurve.h"

namespace calyxon {

inline constexpr int kMaxMeasurementPoints = 22050;

struct MicResponseReading {
  MeasurementPoints points;
  bool truncated = false;  // more points followed the first kMaxMeasurementPoints
};

// Reads the file at path. raiseToGridStart: a frequency below 20 Hz is read as 20 Hz (the
// target's rule). Empty when the file cannot be opened.
std::optional<MicResponseReading> ReadMicResponseFile(const std::string& path,
                                                      bool raiseToGridStart);

}  // namespace calyxon
