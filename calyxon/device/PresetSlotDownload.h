// The ten-slot download of the preset page's Download button, beneath the window.
//
// DownloadPresetSlots needs a project in every slot: when any of the ten project paths
// (slot 0..9) is empty it says "Projects not propriately opened\n" and does nothing more.
// Otherwise, for s = 0..9, copySlotBands(s, design) puts slot s's band tables into BandFc,
// BandBw and BandGain and the download sends them as preset slot s (ReceiverDownload, port
// search included, each time). Afterwards the band tables hold the operator's design again,
// however the downloads end, so that downloading the slots never replaces the design at hand.
//
// While a download runs (ReceiverDownload::Running) a second start does nothing.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "calyxon/device/ReceiverDownload.h"
#include "calyxon/eq/EqDesign.h"
#include "calyxon/eq/PresetSlots.h"

namespace calyxon {

// True when every slot has a project path (none is empty).
bool AllSlotsOpened(const std::array<std::string, kSlotCount>& projectPaths);

void DownloadPresetSlots(ReceiverDownload& download, EqDesign& design, int address,
                         const std::array<std::string, kSlotCount>& projectPaths,
                         const std::function<void(int slot, EqDesign& design)>& copySlotBands);

}  // namespace calyxon
