// The report pacing of a window's fitting observer.
#include <utility>

#include "calyxon/eq/AutoTune.h"

namespace calyxon {

AutoTuneReportPacing::AutoTuneReportPacing(std::function<std::uint32_t()> tickCount,
                                           std::uint32_t maxGapMs)
    : tickCount_(std::move(tickCount)), gap_(maxGapMs > 1 ? maxGapMs - 1 : 0) {}

bool AutoTuneReportPacing::Due() {
  if (restart_) {
    since_ = tickCount_();
    restart_ = false;
    calls_ = 0;
    return false;
  }
  if (++calls_ < kCallsPerClockRead) return false;
  calls_ = 0;
  if (tickCount_() - since_ < gap_) return false;
  restart_ = true;
  return true;
}

}  // namespace calyxon
