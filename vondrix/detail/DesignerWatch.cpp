// The second model's designer launch and watch: the window hands the serial port to Calyxon,
// tells it every 500 ms which receiver it works on, and takes the port back once Calyxon's
// window is gone.
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "platform/WindowDirectory.h"
#include "runtime/Convert.h"
#include "vondrix/detail/DetailWindow.h"
#include "vondrix/network/Program.h"

namespace vondrix {

namespace {

constexpr uint32_t kHandoverPauseMs = 10;
// How long a designer that started may take to show its window before the port comes back.
constexpr uint32_t kDesignerStartMs = 10000;

}  // namespace

void DetailWindow::DesignerLaunch() {
  // A scan or monitor running underneath ends before it sends on the closed port, and the
  // poll stays idle until the port is back, so the window never goes "Offline" meanwhile.
  StopLongLoops();
  roles_.pollTimer->setEnabled(false);
  program_.Bus.CloseBus();
  hide();  // not closed: the main screen keeps waiting
  platform::Clock& clock = platform::clock();
  clock.sleep(kHandoverPauseMs);
  handover_ = {.started = platform::startProgram(program_.DesignerProgram),
               .appeared = false,
               .launchedAt = clock.tickCount()};
  clock.sleep(kHandoverPauseMs);
  roles_.designerWatch->setEnabled(true);
}

void DetailWindow::DesignerWatch() {
  platform::Clock& clock = platform::clock();
  if (program_.FindDesignerWindow()) {
    handover_.appeared = true;
    if (!program_.DesignerWindow.socketPath.isEmpty())
      platform::postMessage(program_.DesignerWindow, platform::WM_UPLOADADDRESS, 0,
                            runtime::StrToInt(roles_.address.text()));
    return;
  }
  // A designer still starting has not published its window yet: the port stays its own.
  if (DesignerStarting()) return;
  roles_.designerWatch->setEnabled(false);
  program_.Bus.ReopenBus();
  clock.sleep(kHandoverPauseMs);
  show();
  roles_.pollTimer->setEnabled(true);
}

bool DetailWindow::DesignerStarting() const {
  return roles_.designerWatch && roles_.designerWatch->enabled() && handover_.started &&
         !handover_.appeared &&
         platform::clock().tickCount() - handover_.launchedAt < kDesignerStartMs;
}

}  // namespace vondrix
