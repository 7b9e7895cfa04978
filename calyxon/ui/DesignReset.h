// Reset's steps on the design's numbers; the window adds the paths, the edits and the grid's
// track bar in between (TForm1::Button16Click).
#pragma once

#include "calyxon/eq/EqDesign.h"

namespace calyxon {

// The fitting starts again at band 0 and no target counts as loaded.
void ResetDesignStart(EqDesign& design);

// After the grid is built: all 32 bands cleared (20 Hz, 0, 0 dB, zero responses, zero band sum
// and total), and the target, source, error and residual curves zeroed over their whole length.
void ResetDesignTables(EqDesign& design);

}  // namespace calyxon
