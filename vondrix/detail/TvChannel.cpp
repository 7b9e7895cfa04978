#include "vondrix/detail/TvChannel.h"

#include <string>

namespace vondrix {
namespace {

struct Range {
  int region;
  int low, high;     // MHz, inclusive
  long double step;  // the multiplier: 1 / channel width
  int first;         // channel number at low
};

constexpr long double kSixth = 1.0L / 6.0L;
constexpr long double kSeventh = 1.0L / 7.0L;
constexpr long double kEighth = 1.0L / 8.0L;

constexpr Range kRanges[] = {
    {1, 526, 820, kSeventh, 28}, {2, 470, 566, kEighth, 13}, {2, 606, 910, kEighth, 25},
    {3, 470, 862, kEighth, 21},  {4, 470, 770, kSixth, 13},  {5, 470, 890, kSixth, 14},
    {6, 470, 806, kSixth, 14},
};

}  // namespace

TvChannelText TvChannelOf(float f, int region) {
  if (region < 1 || region > 6) return {.unchanged = true, .text = {}};
  for (const Range& r : kRanges) {
    if (r.region != region || f < r.low || f > r.high) continue;
    const float channel =
        static_cast<float>((static_cast<long double>(f) - r.low) * r.step + r.first);
    return {.text = std::to_string(static_cast<int>(channel))};
  }
  return {};
}

}  // namespace vondrix
