#include "vondrix/detail/EqPresetStep.h"

#include "runtime/Convert.h"

namespace vondrix {

int SteppedEqPreset(const QString& index, const QString& highest, int direction) {
  const int n = runtime::StrToInt(index);
  const int m = runtime::StrToInt(highest);
  if (direction > 0) return n + 1 > m ? 0 : n + 1;
  return n - 1 < 0 ? m : n - 1;
}

std::string EqPresetText(int n) {
  return n <= 9 ? "0" + std::to_string(n) : std::to_string(n);
}

}  // namespace vondrix
