// Clearing the band tables and curves. No routine redraws; the callers request or perform it.
#pragma once

#include "calyxon/eq/EqDesign.h"

namespace calyxon {

// All 32 bands: TotalCurve, BandSumCurve and every BandResponse row set to 0 over their whole
// length; BandFc := 20 Hz, BandBw := 0, BandGain := 0. Used by Reset.
void ClearAllBands(EqDesign& design);

// The fitted bands 0..25 only: their BandResponse rows set to 0 and their tables to 20 Hz / 0 /
// 0 dB. BandSumCurve is left as it is. Used after a target measurement has been read.
void ClearAutoBands(EqDesign& design);

// Reset's clearing once the grid is built: ClearAllBands, and the target, source, error and
// residual curves zeroed over their whole length.
void ResetDesignTables(EqDesign& design);

}  // namespace calyxon
