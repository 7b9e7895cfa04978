#include "calyxon/ui/WindowFitObserver.h"

#include "calyxon/ui/DesignerForm.h"
#include "platform/Clock.h"
#include "runtime/Convert.h"
#include "runtime/FloatText.h"

namespace calyxon {

WindowFitObserver::WindowFitObserver(TForm1& form)
    : form_(form), lastProcessed_(platform::clock().tickCount()) {}

void WindowFitObserver::BandStarted(std::int16_t band) {
  form_.Edit5->setText(runtime::IntToStr(band + 1));
}

void WindowFitObserver::CandidateTried(const AutoTuneCandidate& candidate) {
  last_ = candidate;
  candidatePending_ = true;
  if (candidate.shownQ) {
    lastQ_ = *candidate.shownQ;
    qPending_ = true;
  }
}

bool WindowFitObserver::StopRequested() {
  if (++sinceClockRead_ < kCandidatesPerClockRead) return false;
  sinceClockRead_ = 0;
  if (platform::clock().tickCount() - lastProcessed_ < kProcessingInterval) return false;
  ShowCandidate();
  forms::processMessages();
  lastProcessed_ = platform::clock().tickCount();
  return form_.Panel1->color() == forms::clBtnFace;
}

void WindowFitObserver::BandFinished(std::int16_t, int progress, const std::string& statusText) {
  form_.ProgressBar1->setPosition(progress);
  form_.ShowStatus(QString::fromStdString(statusText));
}

void WindowFitObserver::ShowCandidate() {
  if (!candidatePending_) return;
  candidatePending_ = false;
  form_.Edit38->setText(runtime::FloatToStr(last_.Fc));
  form_.Edit39->setText(runtime::FloatToStr(last_.BW));
  form_.Edit40->setText(runtime::FloatToStr(last_.Gain));
  form_.Edit2->setText(runtime::FloatToStr(last_.shownFc));
  if (qPending_) form_.Edit3->setText(runtime::FloatToStr(lastQ_));
  qPending_ = false;
  form_.Edit4->setText(runtime::FloatToStr(last_.shownGain));
}

}  // namespace calyxon
