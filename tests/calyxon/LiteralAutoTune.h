// The fitting loop written step by step, without any shortcut: every candidate is evaluated
// with its fine curve, the kept band is evaluated again and the band sum is rebuilt after
// every candidate. Kept as the reference that the fast RunAutoTune must equal bit for bit, and
// as the baseline the benchmark measures. It reports every candidate and ignores ReportWanted.
#pragma once

#include "calyxon/eq/AutoTune.h"

namespace calyxon::testing {

AutoTuneResult RunAutoTuneLiteral(EqDesign& design, AutoTuneObserver& observer);

}  // namespace calyxon::testing
