// The ten preset slots: each a complete 32-band EQ taken from a saved project, with its filter
// sections and their Q2.29 form for the receivers' program file ("DW" lines).
//
// The window owns one PresetSlots beside its EqDesign. The slot tables start at zero, are
// filled by the slot buttons (ReadProjectIntoSlot, calyxon/files/ProjectFile.h, then
// DesignSlot), restored by a project load and rewritten in SlotCoefficients by the export.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "calyxon/eq/BandDesign.h"
#include "calyxon/eq/EqDesign.h"

namespace calyxon {

inline constexpr int kSlotCount = 10;

template <typename T>
using SlotTable = std::array<std::array<T, kBandCount>, kSlotCount>;
using CoefficientRow = std::array<std::int32_t, 5>;  // b0, b1, b2, -a1, -a2 in Q2.29

struct PresetSlots {
  SlotTable<double> SlotFc{}, SlotBw{}, SlotGain{};  // Hz, Hz, dB
  SlotTable<Coefficients> SlotA{}, SlotB{};          // a0 a1 a2, b0 b1 b2
  SlotTable<CoefficientRow> SlotCoefficients{};
};

// DesignBand for the 32 bands of slot s (0..9) into SlotA[s] and SlotB[s].
void DesignSlot(PresetSlots& presets, int s);

// The first band (0..31) of slot s whose section in SlotA[s] / SlotB[s] holds a value that is
// not a finite number, or -1. A band of a finite but huge gain (10000 dB) designs such values;
// a project could not hold them.
int FirstNonFiniteBand(const PresetSlots& presets, int s);

struct SlotSaturation {
  int count = 0;                                  // values that did not fit Q2.29
  std::array<std::uint32_t, kSlotCount> bands{};  // bit i of entry s: slot s, band i
};

// Fills SlotCoefficients of all ten slots: trunc(2^29 x b0), trunc(2^29 x b1),
// trunc(2^29 x b2), trunc(2^29 x (-1) x a1), trunc(2^29 x (-1) x a2), each product formed in
// extended precision and truncated toward zero. A value outside Q2.29 (-4 up to just under 4)
// is saturated to the nearest end (one that is not a number becomes 0) and reported.
SlotSaturation ComputeSlotCoefficients(PresetSlots& presets);

// Status text naming the saturated values, for example
// "Coefficients Out Of Range In EQ0 Band 3, EQ7 Band 1 32 Saturated !!\n"; empty when none.
std::string SlotSaturationStatusText(const SlotSaturation& saturation);

// The program file of SlotCoefficients as it is: 3200 lines "DW 0x" + four upper-case hex
// digits, CR LF each (35,200 bytes). Slot 0..9, band 0..31, value b0, b1, b2, -a1, -a2; each
// 32-bit value gives two lines, its upper 16-bit word first, each word low byte first: the
// value's hex digits d1..d8 give "DW 0x" d3 d4 d1 d2 and "DW 0x" d7 d8 d5 d6.
std::string PicFileText(const PresetSlots& presets);

}  // namespace calyxon
