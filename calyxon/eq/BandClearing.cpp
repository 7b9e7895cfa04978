#include "calyxon/eq/BandClearing.h"

#include <algorithm>

namespace calyxon {

namespace {

void ClearBands(EqDesign& design, int count) {
  for (int n = 0; n < count; ++n) {
    std::fill(design.BandResponse[n].begin(), design.BandResponse[n].end(), 0.0);
    design.BandFc[n] = 20;
    design.BandBw[n] = 0;
    design.BandGain[n] = 0;
  }
}

}  // namespace

void ClearAllBands(EqDesign& design) {
  std::fill(design.TotalCurve.begin(), design.TotalCurve.end(), 0.0);
  std::fill(design.BandSumCurve.begin(), design.BandSumCurve.end(), 0.0);
  ClearBands(design, kBandCount);
}

void ClearAutoBands(EqDesign& design) {
  ClearBands(design, kAutoBandCount);
}

void ResetDesignTables(EqDesign& design) {
  ClearAllBands(design);
  for (GridCurve* curve :
       {&design.TargetCurve, &design.ErrorCurve, &design.ResidualCurve, &design.SourceCurve})
    std::fill(curve->begin(), curve->end(), 0.0);
}

}  // namespace calyxon
