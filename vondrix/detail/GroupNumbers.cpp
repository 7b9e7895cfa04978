#include "vondrix/detail/GroupNumbers.h"

namespace vondrix {

ShownGroupChannel ShiftedGroupChannel(int n, int g, int c, int channelsPerGroup) {
  if (g > n / 2) return {g + 11, c + channelsPerGroup};
  return {g + 10, c};
}

int ChannelCountOf(const CurrentReceiver& current, bool newTableForm, int group) {
  constexpr int kUnknown = 16;
  constexpr int kOldTableGroups = 15;
  int count = 0;
  if (newTableForm)
    count = current.ChannelsPerGroup[0];
  else if (group >= 1 && group <= kOldTableGroups)
    count = current.ChannelsPerGroup[group];
  return count > 0 ? count : kUnknown;
}

}  // namespace vondrix
