// The fitting loop before the lower-bound filter, for the benchmark only.
#pragma once

#include "calyxon/eq/AutoTune.h"

namespace calyxon::bench {

AutoTuneResult RunAutoTunePrevious(EqDesign& design, AutoTuneObserver& observer);

}  // namespace calyxon::bench
