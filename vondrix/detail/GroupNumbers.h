// Group and channel numbers as the detail windows show and count them.
#pragma once

#include "vondrix/network/ReceiverState.h"

namespace vondrix {

// The first model from firmware 1.6 on numbers its groups on the display from 11: with n
// groups, group g above n / 2 (rounded down) shows as g + 11 with its channel c shown as
// c + channelsPerGroup, the others as g + 10 with c as it is. The receiver's own numbers
// stay unshifted.
struct ShownGroupChannel {
  int group = 0;
  int channel = 0;
};
ShownGroupChannel ShiftedGroupChannel(int n, int g, int c, int channelsPerGroup);

// Channels in group: ChannelsPerGroup[0] with the new table form, otherwise the group's own
// entry. A group the table has no entry for (outside 1..16) and a count of 0 (never read)
// count as 16, so that no channel walk runs outside the table or to channel 0.
int ChannelCountOf(const CurrentReceiver& current, bool newFormat, int group);

}  // namespace vondrix
