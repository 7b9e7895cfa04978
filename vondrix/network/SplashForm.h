// The splash window, the application's main window: closing it ends the program. Its
// one-shot timer creates the main screen; its second timer keeps the detection-progress
// window in place until the main screen stops it.
#pragma once

#include "forms/Forms.h"

namespace vondrix {

class Program;

class TForm2 : public forms::Form {
 public:
  explicit TForm2(Program& program);

  forms::Image* Image1;
  forms::Label* Label1;
  forms::PaintBox* PaintBox1;
  forms::Timer* Timer1;
  forms::Timer* Timer2;

  void Timer1Timer();
  void Timer2Timer();
  void PaintBox1Paint() {}

 private:
  Program& program_;
};

}  // namespace vondrix
