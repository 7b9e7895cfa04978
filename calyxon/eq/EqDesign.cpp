#include "calyxon/eq/EqDesign.h"

#include <cmath>
#include <numbers>

namespace calyxon {

EqDesign::EqDesign()
    : BandResponse(kBandCount, GridCurve(kGridCapacity, 0.0)),
      CosSinTable(kCosSinSize, 0.0),
      TargetCurve(kGridCapacity, 0.0),
      SourceCurve(kGridCapacity, 0.0),
      ErrorCurve(kGridCapacity, 0.0),
      ResidualCurve(kGridCapacity, 0.0),
      BandSumCurve(kGridCapacity, 0.0),
      TotalCurve(kGridCapacity, 0.0) {
  BandFc.fill(20.0);
  for (auto& a : BandA) a = {1.0, 0.0, 0.0};
  for (auto& b : BandB) b = {1.0, 0.0, 0.0};
  FillCosSinTable(*this);
}

void FillCosSinTable(EqDesign& design) {
  const double pi = std::numbers::pi;
  for (int k = 0; k < kGridCapacity; ++k) {
    design.CosSinTable[k] = std::cos(k * 2 * pi * (1.0 / 44100));
    design.CosSinTable[kGridCapacity + k] = std::sin(k * 2 * pi * (1.0 / 44100));
  }
}

}  // namespace calyxon
