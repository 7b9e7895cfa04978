// The designer's two small text outputs: curve files ("*.flt", from the hidden "Save Curve"
// menu) and the band list (the hidden page's "Save" button). Lines end with CR LF; numbers are
// "%f" with ".".
#pragma once

#include <string>

#include "calyxon/eq/EqDesign.h"

namespace calyxon {

// Which level a curve file holds at each grid point.
enum class CurveFileKind {
  Target,              // TargetCurve
  TargetPlusManualEq,  // BandSumCurve + SourceCurve: the source corrected by all 32 bands
  ManualEq,            // the sum of the six manual bands' responses (bands 26..31)
};

// "%d" with GridCount, then per grid point " %f,%f": a blank, the frequency in Hz, a comma and
// the level in dB (661 lines for the designer's grid).
std::string CurveFileText(const EqDesign& design, CurveFileKind kind);

// 32 lines "%f %f %f ": BandFc, BandBw and BandGain of band 0..31, each value followed by a
// blank.
std::string BandListText(const EqDesign& design);

}  // namespace calyxon
