// Reading a curve file: a microphone measurement ("*.dat") or an EQ preset curve file
// ("EQ0.dat".."EQ8.dat").
//
// The points are "frequency,level" pairs read as "%lf,%lf": white space and line ends may stand
// before each number, none between the frequency and the comma. Reading ends quietly at the
// first point that does not match, at the end of the file, or after kMaxCurvePoints points. No
// header, no count line. Numbers are read with "." as the decimal separator whatever the
// user's locale.
//
// A point whose frequency cannot be placed on a logarithmic axis (zero, negative) or that holds
// a number that is not finite ends the reading like a point that does not match.
//
// An EQ preset curve file starts with one more item before its points: the capsule name, a run
// of characters without white space in which every "_" stands for a blank. Of a longer run only
// the first kMaxCapsuleNameLength characters are kept (never a partial UTF-8 character); the
// points follow the whole run.
#pragma once

#include <optional>
#include <string>

#include "eqshared/MeasurementCurve.h"

namespace eqshared {

inline constexpr int kMaxCurvePoints = 22050;
inline constexpr int kMaxCapsuleNameLength = 31;

struct CurveFileFormat {
  bool capsuleName = false;       // a capsule name stands before the points
  bool raiseToGridStart = false;  // a frequency below 20 Hz is read as 20 Hz
};

struct CurveFileReading {
  std::string capsuleName;  // "_" already shown as blanks; empty when the file has no name
  MeasurementPoints points;
  bool truncated = false;  // more points followed the first kMaxCurvePoints
};

// Reads the file at path in the given format. Empty when the file cannot be opened.
std::optional<CurveFileReading> ReadCurveFile(const std::string& path, CurveFileFormat format);

}  // namespace eqshared
