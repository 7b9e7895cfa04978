// Loading the target and the source measurement into the design.
//
// LoadTargetCurve reads a target file (frequencies below 20 Hz read as 20 Hz; the reference
// starts from PlotReference), resets the plot levels to 0 / +20 / -20 dB, stores TargetCurve,
// clears the fitted bands 0..25 and rebuilds ErrorCurve = target - all 32 band responses (so
// only the manual bands count) - source, ResidualCurve = ErrorCurve, and sets TargetLoaded.
//
// LoadSourceCurve reads a source file (reference starting from 0) into SourceCurve and sets
// ErrorCurve = ResidualCurve = target - source; bands, plot levels and the fitting position are
// left as they are. A source may be loaded only once a target is (SourceLoadAllowed); otherwise
// the window shows kTargetFirstMessage in a message box and asks for no file.
//
// Failure contract: a file that cannot be opened, or that gives fewer than two usable points, a
// curve that is not finite, a level as read or a level of its curve on the grid beyond
// +-kMaxLevel dB (LevelBounds.h: what a project holds of a measured curve) changes nothing in
// the design; the status text for the window comes from TargetLoadStatusText /
// SourceLoadStatusText. Neither routine requests a redraw.
#pragma once

#include <string>

#include "calyxon/eq/EqDesign.h"

namespace calyxon {

enum class CurveLoadStatus {
  Loaded,
  OpenFailed,  // the file could not be opened
  Unusable,    // fewer than two usable points, no finite curve, or a level beyond the bound
};

struct CurveLoadResult {
  CurveLoadStatus status = CurveLoadStatus::OpenFailed;
  int pointCount = 0;      // points read (LastPointCount)
  bool truncated = false;  // the file held more points than were read
  // Why an Unusable file was refused, when it holds a level beyond the bound: "its point 3
  // (1000 Hz) has the level 1e+301 dB, beyond the +-1e+300 dB of a curve" or "its curve reaches
  // 1.8e+300 dB at 500 Hz on the grid, beyond the +-1e+300 dB of a curve".
  std::string problem;
  bool loaded() const { return status == CurveLoadStatus::Loaded; }
};

struct MessageBoxText {
  const char* text;
  const char* caption;
};
inline constexpr MessageBoxText kTargetFirstMessage{"Pls Open File of Target Mic First !!",
                                                    "Error"};

// True once a target was loaded (TargetLoaded).
inline bool SourceLoadAllowed(const EqDesign& design) {
  return design.TargetLoaded != 0;
}

CurveLoadResult LoadTargetCurve(EqDesign& design, const std::string& path);
CurveLoadResult LoadSourceCurve(EqDesign& design, const std::string& path);

// "Target File:<name> Open Failed  !!! \n" or "Target File:<name> Load Failed  !!! \n" (with
// ": <problem>" after "Failed" when there is one); empty after a successful load. shownName is
// the file name shown in the window.
std::string TargetLoadStatusText(const CurveLoadResult& result, const std::string& shownName);
// "Mic File:<name> Load Failed  !!! \n" (with the problem as for the target) after any
// failure; empty after a successful load.
std::string SourceLoadStatusText(const CurveLoadResult& result, const std::string& shownName);

}  // namespace calyxon
