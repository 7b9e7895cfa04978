// The Zarn button of both windows and the second model's YES/NO pair. The Zarn and YES/NO
// commands get no reply; the receiver goes quiet for a while, and the window waits until it
// answers a status query again.
#include "forms/Application.h"
#include "platform/Clock.h"
#include "vondrix/detail/DetailWindow.h"
#include "vondrix/detail/ZarnPlan.h"
#include "vondrix/network/Program.h"
#include "vondrix/network/ScopeExit.h"

namespace vondrix {

namespace {

constexpr int kFaceDrop = 2;        // how far a pressed face moves down
constexpr uint32_t kBlinkMs = 100;  // each half of the first model's blink

}  // namespace

void DetailWindow::PressFace(forms::StaticText* face) {
  face->setTop(face->top() + kFaceDrop);
}

void DetailWindow::ReleaseFace(forms::StaticText* face) {
  face->setTop(face->top() - kFaceDrop);
}

void DetailWindow::StopLongLoops() {
  monitor_.MonitorRunning = 0;
  roles_.run->setCaption("Run");
}

void DetailWindow::PressZarn() {
  if (roles_.zarnFace) PressFace(roles_.zarnFace);
  auto paused = PausePolling();
  StopLongLoops();
  if (traits_.zarnWait == ZarnWait::BlinkCaption) {
    BlinkZarnUntilAnswer();
    return;
  }
  if (ZarnNeedsYesNoFirst(roles_.firmware.text())) {
    link_.SendYesNo(Address(), YesChosen());
    ZarnWaitAnimation();
  }
  link_.SendZarn(Address());
  ZarnWaitAnimation();
}

void DetailWindow::ReleaseZarn() {
  ReleaseFace(roles_.zarnFace);
}

void DetailWindow::BlinkZarnUntilAnswer() {
  if (ZarnRunning == 1) {
    ZarnRunning = 0;  // this press cancels the wait in progress, which ends after its blink
  } else {
    ZarnRunning = 1;
    link_.SendZarn(Address());
  }
  // However the wait ends, a later press starts a new one.
  ScopeExit ended([this] { ZarnRunning = 0; });
  platform::Clock& clock = platform::clock();
  forms::BitBtn* button = roles_.zarnButton;
  for (;;) {
    // Painted at once: no messages go through until the blink is over.
    button->setCaption("");
    button->repaint();
    clock.sleep(kBlinkMs);
    button->setCaption("Zarn");
    button->repaint();
    clock.sleep(kBlinkMs);
    // A closed window waits no more, and its poll stays off.
    if (ZarnRunning == 0 || !isVisible() || program_.Ending) return;
    if (QueryStatus()) ZarnRunning = 0;
    forms::processMessages();
  }
}

void DetailWindow::ZarnWaitAnimation() {
  auto frame = [](const forms::Image* i) {
    return QRect(i->left(), i->top(), i->width(), i->height());
  };
  const ZarnSweep sweep = ZarnSweepBetween(frame(roles_.zarnFrom), frame(roles_.zarnTo));
  forms::Canvas& canvas = this->canvas();
  canvas.pen.width = 1;
  platform::Clock& clock = platform::clock();
  for (int round = 0; round < kZarnRounds; ++round) {
    // Red towards the microphone, then white over it, which wipes it off the white frame.
    for (forms::TColor pen : {forms::clRed, forms::clWhite}) {
      canvas.pen.color = pen;
      canvas.moveTo(sweep.from, sweep.y);
      for (int x = sweep.from; x <= sweep.to; x += kZarnStepPx) {
        canvas.lineTo(x, sweep.y);
        clock.sleep(kZarnStepMs);
      }
    }
    if (QueryStatus()) return;
  }
}

bool DetailWindow::YesChosen() const {
  return roles_.yesFace->color() == forms::clRed;
}

void DetailWindow::ShowYesNo(bool yes) {
  const forms::TColor yesColor = yes ? forms::clRed : forms::clWhite;
  const forms::TColor noColor = yes ? forms::clWhite : forms::clRed;
  roles_.yesFace->setColor(yesColor);
  roles_.yesLabel->setColor(yesColor);
  roles_.noFace->setColor(noColor);
  roles_.noLabel->setColor(noColor);
}

void DetailWindow::ChooseYesNo(bool yes) {
  PressFace(yes ? roles_.yesFace : roles_.noFace);
  ShowYesNo(yes);
}

void DetailWindow::SendYesNoChoice(bool yes) {
  ReleaseFace(yes ? roles_.yesFace : roles_.noFace);
  auto paused = PausePolling();
  StopLongLoops();
  link_.SendYesNo(Address(), yes);
  if (!ZarnNeedsYesNoFirst(roles_.firmware.text())) return;
  ZarnWaitAnimation();
  link_.SendZarn(Address());
  ZarnWaitAnimation();
}

}  // namespace vondrix
