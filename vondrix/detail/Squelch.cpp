// The squelch of the twin windows: reading and setting the level, and its two buttons.
#include "platform/Clock.h"
#include "runtime/Convert.h"
#include "vondrix/buslink/Protocol.h"
#include "vondrix/detail/DetailWindow.h"
#include "vondrix/detail/SquelchMath.h"
#include "vondrix/network/Program.h"

namespace vondrix {

namespace {
constexpr uint32_t kAfterSquelchSetMs = 1;
}

void DetailWindow::SendSquelch() {
  if (link_.SendSquelch(Address())) platform::clock().sleep(kAfterSquelchSetMs);
}

void DetailWindow::QuerySquelch() {
  link_.QuerySquelch(Address());
}

void DetailWindow::StepSquelch(forms::MouseButton button, StepDirection direction) {
  if (button != forms::mbLeft) return;
  CurrentReceiver& c = program_.Current;
  const int level = protocol::HexStrict(c.SquelchLevel);
  if (direction == StepDirection::Down ? level <= 0 : !SquelchMayRise(c.SquelchLevel, c.SquelchMax))
    return;
  EraseSquelchLine();
  c.SquelchLevel =
      runtime::bytes::IntToHex(direction == StepDirection::Down ? level - 1 : level + 1, 2);
  DrawSpectrumTrace();
  SendSquelch();
  QuerySquelch();
  ShowSquelchThreshold();
}

}  // namespace vondrix
