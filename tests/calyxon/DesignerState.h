// The designer's state without its window, for the tests of the files: the design, the slot
// tables and the six manual bands' edit texts, put together as the window does.
#pragma once

#include <array>

#include "calyxon/eq/BandClearing.h"
#include "calyxon/eq/FrequencyGrid.h"
#include "calyxon/eq/ManualBands.h"
#include "calyxon/eq/PresetSlots.h"
#include "calyxon/files/ProjectFile.h"

namespace calyxon::testing {

struct DesignerState {
  EqDesign design;
  PresetSlots presets;
  ManualEdits edits;
  std::string TargetPath, SourcePath;

  // Right after start: Reset, then Preset EQ (six bands on the preset frequencies, Q 1,
  // gain 0).
  DesignerState() {
    BuildFrequencyGrid(design);
    ClearAllBands(design);
    for (int k = 0; k < kManualBandCount; ++k) {
      edits[k] = {GridKhzText(design, kPresetEqFrequencies[k]), "1", "0"};
    }
    Apply();
  }

  // The apply's computation from the edits as they stand.
  void Apply() {
    std::array<ManualBandValues, kManualBandCount> bands;
    for (int k = 0; k < kManualBandCount; ++k) {
      bands[k] = ManualBandFromEdits(design, k + 1, edits[k]);
    }
    RecomputeManualBands(design, bands);
  }

  // What a project save writes.
  Project ToProject() const {
    Project project = ProjectFromDesign(design, presets);
    project.TargetPath = TargetPath;
    project.SourcePath = SourcePath;
    for (int k = 0; k < kManualBandCount; ++k) {
      project.ManualBands[k] = ProjectManualBandFromEdits(edits[k]);
    }
    return project;
  }

  // What a project load restores: the project taken over, the edits rewritten from the band
  // tables, then applied.
  void Restore(const Project& project) {
    TakeOverProject(project, design, presets);
    if (!project.TargetPath.empty()) TargetPath = project.TargetPath;
    if (!project.SourcePath.empty()) SourcePath = project.SourcePath;
    for (int k = 0; k < kManualBandCount; ++k) {
      edits[k] = ManualBandTextsFromBand(design, kFirstManualBand + k);
    }
    Apply();
  }
};

}  // namespace calyxon::testing
