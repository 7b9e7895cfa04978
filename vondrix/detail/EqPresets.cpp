// TForm7's Microphone EQ page: the preset buttons, which switch the receiver at once and
// show the new preset's curve.
#include "platform/Clock.h"
#include "vondrix/detail/EqPresetStep.h"
#include "vondrix/detail/Form7.h"
#include "vondrix/network/Program.h"

namespace vondrix {

void TForm7::SendEqPreset() {
  if (link_.SendEqPreset(Address(), program_.Detail.EqPresetIndex)) platform::clock().sleep(1);
}

void TForm7::StepEqPreset(int direction) {
  DetailState& d = program_.Detail;
  // No preset reply yet: the conversion error, and nothing is sent.
  const int n = SteppedEqPreset(QString::fromLatin1(d.EqPresetIndex),
                                QString::fromLatin1(d.EqPresetMax), direction);
  d.EqPresetIndex = EqPresetText(n);
  StaticText23->setCaption(QString::fromLatin1(d.EqPresetIndex));
  SendEqPreset();
  OpenEqFile(n);
}

}  // namespace vondrix
