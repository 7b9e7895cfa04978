// From measured points to a curve on the designer's grid: the core shared with the receiver
// program (eqshared/MeasurementCurve.h), used on an EqDesign as its grid.
#pragma once

#include "calyxon/eq/EqDesign.h"
#include "eqshared/MeasurementCurve.h"

namespace calyxon {

using eqshared::MeasurementPoints;
using eqshared::ReferenceLevel;
using eqshared::ResampleOntoGrid;

}  // namespace calyxon
