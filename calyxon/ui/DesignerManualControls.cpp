// The controls that edit the manual bands: the three track bars, the six radio buttons that
// choose the band the bars show, and the keys typed into the 18 edits.
//
// The kit raises a bar's change handler also when the program moves the bar, and a radio
// button's click also when the program checks it, so one apply can start others: the first
// bar change an apply causes is swallowed (IgnoreNextBarChange), a later one writes its
// value into the selected band's edit and applies again.
#include "calyxon/ui/DesignerForm.h"
#include "runtime/FloatText.h"

namespace calyxon {

void TForm1::BarChange(const std::array<forms::Edit*, kManualBandCount>& edits, double value) {
  if (IgnoreNextBarChange == 0) {
    for (int k = 0; k < kManualBandCount; ++k) {
      if (!ManualRadio[k]->checked()) continue;
      edits[k]->setText(runtime::FloatToStr(value));
      ApplyManualEq();
    }
  }
  IgnoreNextBarChange = 0;
}

void TForm1::FcBarChange() {
  BarChange(ManualFcEdit, FcFromBar(Design, FcBar->position()));
}

void TForm1::BwBarChange() {
  BarChange(ManualQEdit, StepFromBar(BwBar->position()));
}

void TForm1::GainBarChange() {
  BarChange(ManualGainEdit, StepFromBar(GainBar->position()));
}

void TForm1::RadioButtonClick(int k) {
  for (int other = 0; other < kManualBandCount; ++other) {
    if (other != k) ManualRadio[other]->setChecked(false);
  }
  ClampManualEqEdits();
  // Each bar that moves writes the newly chosen band's edit and applies; the click itself
  // does not. Only the first band's frequency is cut to whole hertz here.
  MoveBarsTo(k, k == 0);
}

void TForm1::ManualEditKeyPress(const forms::Edit& edit, char16_t& key) {
  key = FilterEditKey(key, runtime::decimalSeparator().unicode());
  if (key == 13 && !edit.text().isEmpty()) ApplyManualEq();
}

}  // namespace calyxon
