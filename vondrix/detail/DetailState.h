// Values of the detail windows that the whole program shares: the bytes of the last
// accepted detail status reply and the second model's EQ preset numbers. One set, owned
// by the Program; only one detail window is open at a time.
#pragma once

#include <cstdint>
#include <string>

namespace vondrix {

struct DetailState {
  int32_t StatusAf = 0;
  int32_t StatusRfA = 0;
  int32_t StatusRfB = 0;        // first model
  int32_t StatusDirection = 0;  // second model: antenna or direction code
  int32_t StatusBattery = 0;
  std::string EqPresetMax;    // two decimal digits, "" until the first preset reply
  std::string EqPresetIndex;  // "00".."09", then plain decimal
};

}  // namespace vondrix
