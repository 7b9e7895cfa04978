#include "calyxon/files/CurveLoading.h"

#include "calyxon/eq/BandClearing.h"
#include "calyxon/eq/LevelBounds.h"
#include "calyxon/eq/MeasurementCurve.h"
#include "calyxon/files/MicResponseFile.h"
#include "calyxon/files/TextNumbers.h"

namespace calyxon {

namespace {

std::string BeyondBound() {
  return ", beyond the +-" + ShortNumber(kMaxLevel) + " dB of a curve";
}

// Why the levels as read, or the curve on the grid, pass what a curve may hold; "" when not.
std::string LevelProblem(const MeasurementPoints& points) {
  for (std::size_t i = 0; i < points.L.size(); ++i) {
    if (!WithinLevelBound(points.L[i], kMaxLevel))
      return "its point " + std::to_string(i + 1) + " (" + ShortNumber(points.F[i]) +
             " Hz) has the level " + ShortNumber(points.L[i]) + " dB" + BeyondBound();
  }
  return {};
}
std::string LevelProblem(const EqDesign& design, const GridCurve& curve) {
  for (int i = 0; i < design.GridCount; ++i) {
    if (!WithinLevelBound(curve[i], kMaxLevel))
      return "its curve reaches " + ShortNumber(curve[i]) + " dB at " +
             ShortNumber(design.GridFrequency[i]) + " Hz on the grid" + BeyondBound();
  }
  return {};
}

std::string LoadFailed(const CurveLoadResult& result) {
  return " Load Failed" + (result.problem.empty() ? "" : ": " + result.problem) + "  !!! \n";
}

// Reads and resamples a file; on success curve holds the result and the reference used.
CurveLoadResult ReadCurve(const EqDesign& design, const std::string& path, bool isTarget,
                          double referenceStart, GridCurve& curve) {
  CurveLoadResult result;
  auto reading = ReadMicResponseFile(path, isTarget);
  if (!reading) return result;
  result.pointCount = static_cast<int>(reading->points.F.size());
  result.truncated = reading->truncated;
  result.status = CurveLoadStatus::Unusable;
  result.problem = LevelProblem(reading->points);
  if (!result.problem.empty()) return result;
  const double reference = ReferenceLevel(reading->points, referenceStart);
  curve = GridCurve(kGridCapacity, 0.0);
  if (!ResampleOntoGrid(design, reading->points, reference, curve)) return result;
  result.problem = LevelProblem(design, curve);
  if (result.problem.empty()) result.status = CurveLoadStatus::Loaded;
  return result;
}

}  // namespace

CurveLoadResult LoadTargetCurve(EqDesign& design, const std::string& path) {
  GridCurve curve;
  const CurveLoadResult result = ReadCurve(design, path, true, design.PlotReference, curve);
  if (!result.loaded()) return result;
  design.LastPointCount = static_cast<std::int16_t>(result.pointCount);
  eqshared::ResetPlotLevels(design);
  const int count = design.GridCount;
  for (int i = 0; i < count; ++i) design.TargetCurve[i] = curve[i];

  ClearAutoBands(design);
  for (int i = 0; i < count; ++i) {
    double error = design.TargetCurve[i];
    for (int n = 0; n < kBandCount; ++n) error -= design.BandResponse[n][i];
    error -= design.SourceCurve[i];
    design.ErrorCurve[i] = error;
    design.ResidualCurve[i] = error;
  }
  design.TargetLoaded = 1;
  return result;
}

CurveLoadResult LoadSourceCurve(EqDesign& design, const std::string& path) {
  GridCurve curve;
  const CurveLoadResult result = ReadCurve(design, path, false, 0.0, curve);
  if (!result.loaded()) return result;
  design.LastPointCount = static_cast<std::int16_t>(result.pointCount);
  design.SourcePointCount = static_cast<std::int16_t>(result.pointCount);
  for (int i = 0; i < design.GridCount; ++i) {
    design.SourceCurve[i] = curve[i];
    design.ErrorCurve[i] = design.TargetCurve[i] - design.SourceCurve[i];
    design.ResidualCurve[i] = design.ErrorCurve[i];
  }
  return result;
}

std::string TargetLoadStatusText(const CurveLoadResult& result, const std::string& shownName) {
  switch (result.status) {
    case CurveLoadStatus::Loaded:
      return {};
    case CurveLoadStatus::OpenFailed:
      return "Target File:" + shownName + " Open Failed  !!! \n";
    case CurveLoadStatus::Unusable:
      break;
  }
  return "Target File:" + shownName + LoadFailed(result);
}

std::string SourceLoadStatusText(const CurveLoadResult& result, const std::string& shownName) {
  if (result.loaded()) return {};
  return "Mic File:" + shownName + LoadFailed(result);
}

}  // namespace calyxon
