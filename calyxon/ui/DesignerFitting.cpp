// Starting and stopping the automatic fitting from the Tool > Calibration menu. Panel1's
// colour is the run flag: red while a fit runs, clBtnFace when idle or asked to stop.
#include "calyxon/ui/DesignerForm.h"
#include "calyxon/ui/WindowFitObserver.h"
#include "forms/Beep.h"

namespace calyxon {

void TForm1::Normal1Click() {
  Design.AutoTuneMode = 0;
  Panel1Click();
}

void TForm1::Fast1Click() {
  Design.AutoTuneMode = 1;
  Panel1Click();
}

void TForm1::Off1Click() {
  Panel1Click();
}

void TForm1::Panel1Click() {
  // A fit that was asked to stop runs until its next processing point: still running.
  if (Panel1->color() != forms::clBtnFace || FitRunning()) {
    Panel1->setColor(forms::clBtnFace);
    return;
  }
  if (closeAfterFit_) return;
  Panel1->setColor(forms::clRed);
  Label1->setCaption("");

  AutoTuneResult result;
  WindowFitObserver observer(*this);
  fitRunning_ = true;
  try {
    result = RunAutoTune(Design, observer);
  } catch (...) {
    fitRunning_ = false;
    Panel1->setColor(forms::clBtnFace);
    throw;
  }
  fitRunning_ = false;
  if (result.outcome == AutoTuneOutcome::Refused) {
    ShowStatus(QString::fromStdString(result.statusText));
  } else if (ProgressBar1->position() == 100) {
    Label1->setCaption(kCalibrationDoneLabel);
    forms::Beep(1000, 1000);
    ShowStatus(kCalibrationDoneStatus);
  }
  Panel1->setColor(forms::clBtnFace);
  for (forms::TrackBar* bar : {FcBar, BwBar, GainBar}) bar->setEnabled(true);
  if (closeAfterFit_) {
    closeAfterFit_ = false;
    close();
  }
}

}  // namespace calyxon
