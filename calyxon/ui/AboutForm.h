// The About window TForm2: "Calyxon V1.1" in its caption and first line, shown modeless by
// Help > "About..." and hidden again by its close box.
#pragma once

#include "forms/Forms.h"

namespace calyxon {

class TForm2 : public forms::Form {
 public:
  // owner: the window it is centred on when shown.
  explicit TForm2(forms::Form* owner);

  // Sets StaticText1 and the caption to "Calyxon V1.1".
  void FormCreate();
  // Hides the window and the button.
  void Button1Click();

  forms::Image* Image1;  // the program's icon
  forms::StaticText* StaticText1;
  forms::StaticText* StaticText2;
  forms::StaticText* StaticText3;
  forms::Button* Button1;  // "OK", below the client area

 private:
  forms::Form* owner_;
};

// The program's 32 x 32 icon.
QImage CalyxonIcon();

}  // namespace calyxon
