#include "vondrix/detail/ZarnPlan.h"

#include "runtime/FloatText.h"

namespace vondrix {

ZarnSweep ZarnSweepBetween(const QRect& receiver, const QRect& microphone) {
  return {.y = static_cast<int>(receiver.top() + receiver.height() * 10.0L / 11),
          .from = receiver.left() + receiver.width(),
          .to = microphone.left() + 20};
}

bool ZarnNeedsYesNoFirst(const QString& firmwareCaption) {
  QString number = firmwareCaption;
  number.remove(3, 1);
  // The receiver writes its version with "."; the desktop's separator plays no part.
  number.replace('.', runtime::decimalSeparator());
  return runtime::StrToFloat(number) < 1.5L;
}

}  // namespace vondrix
