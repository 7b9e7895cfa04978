#include "calyxon/device/PresetSlotDownload.h"

#include <algorithm>

namespace calyxon {

namespace {

// Puts the band tables back as they were however the scope is left.
class KeepBandTables {
 public:
  explicit KeepBandTables(EqDesign& design)
      : design_(design), fc_(design.BandFc), bw_(design.BandBw), gain_(design.BandGain) {}
  ~KeepBandTables() {
    design_.BandFc = fc_;
    design_.BandBw = bw_;
    design_.BandGain = gain_;
  }
  KeepBandTables(const KeepBandTables&) = delete;
  KeepBandTables& operator=(const KeepBandTables&) = delete;

 private:
  EqDesign& design_;
  const std::array<double, kBandCount> fc_, bw_, gain_;
};

}  // namespace

bool AllSlotsOpened(const std::array<std::string, kSlotCount>& projectPaths) {
  return std::none_of(projectPaths.begin(), projectPaths.end(),
                      [](const std::string& p) { return p.empty(); });
}

void DownloadPresetSlots(ReceiverDownload& download, EqDesign& design, int address,
                         const std::array<std::string, kSlotCount>& projectPaths,
                         const std::function<void(int slot, EqDesign& design)>& copySlotBands) {
  if (download.Running()) return;
  if (!AllSlotsOpened(projectPaths)) {
    if (download.ShowStatus) download.ShowStatus("Projects not propriately opened\n");
    return;
  }
  KeepBandTables operatorsDesign(design);
  for (int s = 0; s < kSlotCount; ++s) {
    copySlotBands(s, design);
    download.DownloadEqSlot(address, s);
  }
}

}  // namespace calyxon
