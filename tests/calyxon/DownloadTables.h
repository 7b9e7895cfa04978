// Designs for the download tests and the table a receiver must store for them.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "calyxon/eq/CoefficientTable.h"
#include "calyxon/eq/EqDesign.h"

namespace calyxon::testing {

using SlotTable160 = std::array<std::int32_t, 160>;  // band * 5 + k

using BandTable = std::array<double, kBandCount>;

// Bands with peaks, cuts and both shelves, and band 0 flat (coefficient 1.0 = 20000000);
// shift moves every other band's frequency and gain a little (the preset slots' designs).
inline void FillTestBands(BandTable& fc, BandTable& bw, BandTable& gain, int shift = 0) {
  for (int j = 0; j < kBandCount; ++j) {
    fc[j] = 60.0 + 610.0 * j + (j ? 3.0 * shift : 0.0);
    bw[j] = j % 9 == 4 ? 0.0 : j % 9 == 7 ? 22050.0 : 40.0 + 25.0 * j;
    gain[j] = j == 0 ? 0.0 : ((j % 5) - 2) * 1.75 + 0.5 * shift;
  }
}

inline void FillTestDesign(EqDesign& d, int shift = 0) {
  FillTestBands(d.BandFc, d.BandBw, d.BandGain, shift);
}

// The table of bands given in double precision: copied to single precision, then built.
inline SlotTable160 ExpectedTable(const BandTable& fc, const BandTable& bw, const BandTable& gain) {
  auto d = std::make_unique<EqDesign>();
  for (int j = 0; j < kBandCount; ++j) {
    d->DownloadFc[j] = float(fc[j]);
    d->DownloadBw[j] = float(bw[j]);
    d->DownloadGain[j] = float(gain[j]);
  }
  BuildCoefficientTable(*d);
  SlotTable160 table{};
  for (int n = 0; n < 160; ++n) table[n] = d->DownloadCoefficients[n / 5][n % 5];
  return table;
}

inline SlotTable160 ExpectedTable(const EqDesign& design) {
  return ExpectedTable(design.BandFc, design.BandBw, design.BandGain);
}

}  // namespace calyxon::testing
