#include "calyxon/eq/FrequencyGrid.h"

namespace calyxon {

void BuildFrequencyGrid(EqDesign& design) {
  eqshared::BuildFrequencyGrid(design);
  for (int i = 0; i < kGridPoints; ++i) design.TargetCurve[i] = 0;
}

}  // namespace calyxon
