// The TV channel a frequency falls into, by the region chosen on the main screen
// (1 Australia, 2 China, 3 Europe, 4 Japan, 5 Taiwan, 6 USA).
//
// Each region numbers its channels from a first frequency in steps of 6, 7 or 8 MHz; the
// channel is computed in extended precision (dividing by 7 and 6 as multiplying by 1/7 and
// 1/6), rounded to single precision and then truncated, so 533 MHz in Australia is 29.
#pragma once

#include <optional>
#include <string>

namespace vondrix {

struct TvChannelText {
  bool unchanged = false;  // a region without a table leaves the field as it is
  std::string text;        // the channel, or "" outside the region's ranges
};

// f in MHz (single precision, as read from the frequency field).
TvChannelText TvChannelOf(float f, int region);

}  // namespace vondrix
