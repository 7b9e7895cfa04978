// The detail windows' level pictures (the spectrum and the RF monitor): 155 pixels high,
// the bottom row standing for no signal and stronger levels drawn higher.
#pragma once

namespace vondrix {

inline constexpr int kPictureHeight = 155;  // also the row of no signal

}  // namespace vondrix
