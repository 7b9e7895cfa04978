#include "vondrix/detail/GroupNumbers.h"

namespace vondrix {

ShownGroupChannel ShiftedGroupChannel(int n, int g, int c, int channelsPerGroup) {
  if (g > n / 2) return {g + 11, c + channelsPerGroup};
  return {g + 10, c};
}

int ChannelCountOf(const CurrentReceiver& current, bool newFormat, int group) {
  constexpr int kMissing = 16;
  const int last = static_cast<int>(current.ChannelsPerGroup.size()) - 1;
  if (!newFormat && (group < 1 || group > last)) return kMissing;
  const int entry = newFormat ? 0 : group;
  const int count = current.ChannelsPerGroup[entry];
  return count > 0 ? count : kMissing;
}

}  // namespace vondrix
