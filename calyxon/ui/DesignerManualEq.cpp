// The six manual bands on the window: limiting and reading their 18 edits, the apply that puts
// them into the design and redraws at once, and Preset EQ.
#include "calyxon/eq/FrequencyGrid.h"
#include "calyxon/ui/DesignerForm.h"
#include "runtime/FloatText.h"

namespace calyxon {

namespace {

// An edit's number, read with the user's decimal separator; a text that is no number throws
// the run time's conversion error, which stops the handler.
double ValueOf(const forms::Edit* edit) {
  return static_cast<double>(runtime::StrToFloat(edit->text()));
}

}  // namespace

ManualBand TForm1::ManualBandOf(int k) const {
  return {ValueOf(ManualFcEdit[k]), ValueOf(ManualQEdit[k]), ValueOf(ManualGainEdit[k])};
}

void TForm1::ClampManualEqEdits() {
  for (int k = 0; k < kManualBandCount; ++k) {
    const std::pair<forms::Edit*, ManualField> fields[] = {{ManualFcEdit[k], ManualField::Fc},
                                                           {ManualQEdit[k], ManualField::Q},
                                                           {ManualGainEdit[k], ManualField::Gain}};
    for (const auto& [edit, field] : fields) {
      for (int check = 0; check < kClampChecks; ++check) {
        if (auto written = ClampedValue(field, check, ValueOf(edit)))
          edit->setText(runtime::FloatToStr(*written));
      }
    }
  }
}

void TForm1::ApplyManualEq() {
  ClampManualEqEdits();
  IgnoreNextBarChange = 1;
  ManualBands bands;
  for (int k = 0; k < kManualBandCount; ++k) bands[k] = ManualBandOf(k);
  ApplyManualBands(Design, bands);
  RedrawCurves();
  for (int k = 0; k < kManualBandCount; ++k) {
    if (!ManualRadio[k]->checked()) continue;
    MoveBarsTo(k, false);
    break;
  }
  // The flag swallows only a change this apply caused: left set, it would eat the operator's
  // next move of a bar.
  IgnoreNextBarChange = 0;
}

// Each bar follows the edit as it stands when the bar moves: a bar moved before may have
// rewritten an edit through its handler.
void TForm1::MoveBarsTo(int k, bool truncateFc) {
  FcBar->setPosition(BarPositionsFor(Design, ManualBandOf(k), truncateFc).Fc);
  BwBar->setPosition(BarPositionsFor(Design, ManualBandOf(k), truncateFc).Bw);
  GainBar->setPosition(BarPositionsFor(Design, ManualBandOf(k), truncateFc).Gain);
}

void TForm1::Button17Click() {
  auto enableSelection = [this](bool on) {
    for (forms::TrackBar* bar : {FcBar, BwBar, GainBar}) bar->setEnabled(on);
    for (forms::RadioButton* radio : ManualRadio) radio->setEnabled(on);
  };
  enableSelection(false);
  FcBar->setPosition(NearestGridIndex(Design, kPresetEqFrequencies[0]));
  for (int k = 0; k < kManualBandCount; ++k) {
    const double hz = Design.GridFrequency[NearestGridIndex(Design, kPresetEqFrequencies[k])];
    ManualFcEdit[k]->setText(runtime::FloatToStr(hz * 0.001));
  }
  BwBar->setPosition(kPresetEqBwBar);
  for (forms::Edit* edit : ManualQEdit) edit->setText(runtime::FloatToStr(kPresetEqQ));
  GainBar->setPosition(0);
  for (forms::Edit* edit : ManualGainEdit) edit->setText("0");
  ManualRadio[0]->setChecked(true);
  for (int k = 1; k < kManualBandCount; ++k) ManualRadio[k]->setChecked(false);
  ApplyManualEq();
  enableSelection(true);
}

}  // namespace calyxon
