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

// Channels in group, by the form of the group table the opener read (newTableForm:
// NewGroupTableForm of the firmware): the new form's one count ChannelsPerGroup[0] for
// every group, otherwise the group's own entry. The per-group entries are shared by the
// whole program, so with the new form they may still hold an earlier receiver's table and
// are never used. A group the old table has no entry for (outside 1..15) and a count of 0
// (never read) count as 16, so that no channel walk runs to channel 0.
int ChannelCountOf(const CurrentReceiver& current, bool newTableForm, int group);

}  // namespace vondrix
