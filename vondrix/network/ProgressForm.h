// The detection-progress window: a banner with the port being probed, the progress bar
// over the 64 addresses and the "SKIP" label that ends the probe early.
#pragma once

#include "forms/Forms.h"

namespace vondrix {

class TForm4 : public forms::Form {
 public:
  TForm4();

  forms::Label* Label1;  // banner
  forms::Label* Label2;  // "SKIP" and the percentage
  forms::Label* Label3;  // hidden: the port being tried
  forms::ProgressBar* ProgressBar1;

  // SKIP: moves the bar past its end, which stops the probe after the current address.
  void Label2Click();
};

}  // namespace vondrix
