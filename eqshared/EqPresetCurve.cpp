#include "eqshared/EqPresetCurve.h"

#include "eqshared/CurveFile.h"
#include "eqshared/MeasurementCurve.h"

namespace eqshared {

std::string EqPresetFileName(int preset) {
  if (preset < 0 || preset >= kEqPresetFileCount) return {};
  return "EQ" + std::to_string(preset) + ".dat";
}

EqPresetLoad LoadEqPresetCurve(const std::string& path, EqGrid& grid, GridCurve& curve) {
  EqPresetLoad load;
  auto reading = ReadCurveFile(path, {.capsuleName = true});
  if (!reading) return load;
  load.capsuleName = reading->capsuleName;
  load.pointCount = static_cast<int>(reading->points.F.size());
  load.truncated = reading->truncated;
  // Every load starts from a reference of 0 dB.
  const double reference = ReferenceLevel(reading->points, 0);
  if (!ResampleOntoGrid(grid, reading->points, reference, curve)) {
    load.status = EqPresetStatus::Unusable;
    return load;
  }
  ResetPlotLevels(grid);
  load.status = EqPresetStatus::Loaded;
  return load;
}

}  // namespace eqshared
