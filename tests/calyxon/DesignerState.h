// The designer's state without its window, for the tests of the files: the design, the slot
// tables and the six manual bands' edit texts, put together as the window does.
#pragma once

#include <QString>
#include <array>

#include "calyxon/eq/BandClearing.h"
#include "calyxon/eq/FrequencyGrid.h"
#include "calyxon/eq/ManualEq.h"
#include "calyxon/eq/PresetSlots.h"
#include "calyxon/files/ProjectFile.h"
#include "runtime/FloatText.h"

namespace calyxon::testing {

// The three edits of a manual band: Fc in kHz, Q, gain in dB.
struct ManualBandTexts {
  QString Fc, Q, Gain;
};

struct DesignerState {
  EqDesign design;
  PresetSlots presets;
  std::array<ManualBandTexts, kManualBandCount> edits;
  std::string TargetPath, SourcePath;

  // Right after start: Reset, then Preset EQ (six bands on the preset frequencies, Q 1,
  // gain 0).
  DesignerState() {
    BuildFrequencyGrid(design);
    ClearAllBands(design);
    for (int k = 0; k < kManualBandCount; ++k) {
      const double hz = design.GridFrequency[NearestGridIndex(design, kPresetEqFrequencies[k])];
      edits[k] = {runtime::FloatToStr(hz * 0.001), "1", "0"};
    }
    Apply();
  }

  // A band's values as the window reads them from its edits.
  ManualBand Values(int k) const {
    auto value = [](const QString& text) { return double(runtime::StrToFloat(text)); };
    return {value(edits[k].Fc), value(edits[k].Q), value(edits[k].Gain)};
  }

  // The apply's computation from the edits as they stand.
  void Apply() {
    ManualBands bands;
    for (int k = 0; k < kManualBandCount; ++k) bands[k] = Values(k);
    ApplyManualBands(design, bands);
  }

  // What a project save writes.
  Project ToProject() const {
    Project project = ProjectFromDesign(design, presets);
    project.TargetPath = TargetPath;
    project.SourcePath = SourcePath;
    for (int k = 0; k < kManualBandCount; ++k) {
      project.ManualBands[k] = ProjectManualBandFrom(Values(k), edits[k].Gain);
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
      const ManualBand band = ManualBandFromDesign(design, kFirstManualBand + k);
      edits[k] = {runtime::FloatToStr(band.Fc), runtime::FloatToStr(band.Q),
                  runtime::FloatToStr(band.Gain)};
    }
    Apply();
  }
};

}  // namespace calyxon::testing
