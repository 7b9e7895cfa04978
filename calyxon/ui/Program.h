// The EQ designer as one object: its numbers (EqDesign and the ten preset slots), the download
// into a receiver and its two windows, created in the program's order. Tests build a fresh
// Program, on a fake serial backend where they download; main() and calyxon-drive build one
// on the real ports inside WinMain's frame.
#pragma once

#include <functional>
#include <memory>

#include "calyxon/device/ReceiverDownload.h"
#include "calyxon/eq/EqDesign.h"
#include "calyxon/eq/PresetSlots.h"
#include "platform/SerialPort.h"

namespace calyxon {

class TForm1;
class TForm2;

class Program {
  // The real ports when none are given; declared first, as the download uses it.
  std::unique_ptr<platform::SerialBackend> ownPorts_;

 public:
  // On the real serial ports: the port directory's names, its map read afresh at every open.
  Program();
  // On ports, which must outlive the program.
  explicit Program(platform::SerialBackend& ports);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Creates the designer window (the main window, which runs its creation and shows itself)
  // and then the About window (hidden).
  void CreateForms();

  EqDesign Design;
  PresetSlots Presets;
  // Every download of the window goes through this one object, so that one runs at a time.
  ReceiverDownload Download;
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
