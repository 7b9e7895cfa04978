// The About window.
#pragma once

#include "forms/Forms.h"

namespace vondrix {

class TForm5 : public forms::Form {
 public:
  TForm5();

  forms::Image* Image1;  // the program's icon
  forms::Label* Label1;  // product name
  forms::Label* Label2;  // credit line
  forms::Label* Label3;  // version suffix
};

// The program's 32 x 32 icon.
QImage ProgramIcon();

}  // namespace vondrix
