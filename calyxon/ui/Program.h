// The EQ designer as one object: its numbers (EqDesign and the ten preset slots) and its two
// windows, created in the program's order. Tests build a fresh Program; main() and
// calyxon-drive build one inside WinMain's frame.
#pragma once

#include <functional>
#include <memory>

#include "calyxon/eq/EqDesign.h"
#include "calyxon/eq/PresetSlots.h"

namespace calyxon {

class TForm1;
class TForm2;

class Program {
 public:
  Program();
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Creates the designer window (the main window, which runs its creation and shows itself)
  // and then the About window (hidden).
  void CreateForms();

  EqDesign Design;
  PresetSlots Presets;
  TForm1* Form1 = nullptr;
  TForm2* Form2 = nullptr;

 private:
  std::unique_ptr<TForm1> form1_;
  std::unique_ptr<TForm2> form2_;
};

// The program's start: single instance "ORSEK CALYXON" (a second start returns 1 at once, with
// no window), the application object with the C numeric locale kept for files, the windows,
// then run(program) in place of the plain message loop when given (the drive's script).
// Returns the exit code.
int WinMain(int argc, char** argv, const std::function<int(Program& program)>& run = {});

}  // namespace calyxon
