#include "calyxon/ui/DesignReset.h"

#include <algorithm>

#include "calyxon/eq/BandClearing.h"

namespace calyxon {

void ResetDesignStart(EqDesign& design) {
  design.AutoTuneBand = 0;
  design.TargetLoaded = 0;
}

void ResetDesignTables(EqDesign& design) {
  ClearAllBands(design);
  for (GridCurve* curve :
       {&design.TargetCurve, &design.ErrorCurve, &design.ResidualCurve, &design.SourceCurve})
    std::fill(curve->begin(), curve->end(), 0.0);
}

}  // namespace calyxon
