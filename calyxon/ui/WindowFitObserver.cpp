#include "calyxon/ui/WindowFitObserver.h"

#include "calyxon/ui/DesignerForm.h"
#include "platform/Clock.h"
#include "runtime/Convert.h"
#include "runtime/FloatText.h"

namespace calyxon {

WindowFitObserver::WindowFitObserver(TForm1& form)
    : form_(form), pacing_([] { return platform::clock().tickCount(); }, kProcessingIntervalMs) {}

void WindowFitObserver::BandStarted(std::int16_t band) {
  form_.Edit5->setText(runtime::IntToStr(band + 1));
}

void WindowFitObserver::CandidateTried(const AutoTuneCandidate& candidate) {
  form_.Edit38->setText(runtime::FloatToStr(candidate.Fc));
  form_.Edit39->setText(runtime::FloatToStr(candidate.BW));
  form_.Edit40->setText(runtime::FloatToStr(candidate.Gain));
  ShowBest(candidate);
}

bool WindowFitObserver::StopRequested() {
  forms::processMessages();
  return form_.Panel1->color() == forms::clBtnFace;
}

void WindowFitObserver::BandFinished(std::int16_t band, int progress,
                                     const std::string& statusText) {
  ShowBest(ShownCandidate(form_.Design, band, 0, 0, 0));
  form_.ProgressBar1->setPosition(progress);
  form_.ShowStatus(QString::fromStdString(statusText));
}

void WindowFitObserver::ShowBest(const AutoTuneCandidate& shown) {
  form_.Edit2->setText(runtime::FloatToStr(shown.shownFc));
  if (shown.shownQ) form_.Edit3->setText(runtime::FloatToStr(*shown.shownQ));
  form_.Edit4->setText(runtime::FloatToStr(shown.shownGain));
}

}  // namespace calyxon
