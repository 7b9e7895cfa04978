// The receiver's microphone EQ presets 0..8 each have a curve file beside the receiver program,
// "EQ0.dat".."EQ8.dat": a capsule name, then measurement points (CurveFile.h). Preset 9 ("User
// Define") has none.
//
// LoadEqPresetCurve reads such a file onto a grid the way the EQ page shows it: frequencies as
// read (no raise to 20 Hz), normalised by the level of the last point below 1001 Hz (levels as
// read when there is none), resampled onto the grid in log-frequency.
//
// Failure contract: OpenFailed (the file cannot be opened) and Unusable (fewer than two points,
// or no finite curve) change neither the grid nor the curve; a usable file writes the first
// GridCount entries of the curve and resets the grid's plot levels to 0 / +20 / -20 dB. The
// capsule name and the point count are reported whenever the file opened.
#pragma once

#include <string>

#include "eqshared/EqGrid.h"

namespace eqshared {

inline constexpr int kEqPresetFileCount = 9;

// "EQ0.dat".."EQ8.dat" for presets 0..8; empty for any other preset.
std::string EqPresetFileName(int preset);

enum class EqPresetStatus { Loaded, OpenFailed, Unusable };

struct EqPresetLoad {
  EqPresetStatus status = EqPresetStatus::OpenFailed;
  std::string capsuleName;  // with blanks for "_"; empty when the file holds no name
  int pointCount = 0;       // points read
  bool truncated = false;   // the file held more points than were read
  bool loaded() const { return status == EqPresetStatus::Loaded; }
};

// Reads the file at path into curve (kGridCapacity values) on a built grid.
EqPresetLoad LoadEqPresetCurve(const std::string& path, EqGrid& grid, GridCurve& curve);

}  // namespace eqshared
