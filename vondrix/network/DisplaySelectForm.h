// The display-select popup: a right click on a panel's name line shows it at the pointer;
// its rows rewrite the name lines of all detected receivers once (group and channel,
// frequency, or address and name).
#pragma once

#include <array>

#include "forms/Forms.h"

namespace vondrix {

class Program;

class TForm6 : public forms::Form {
 public:
  explicit TForm6(Program& program);

  forms::StaticText* StaticText1;  // "Show Group and Channel"
  forms::StaticText* StaticText2;  // "Show Frequency"
  forms::StaticText* StaticText3;  // "Show Squelch", never shown
  forms::StaticText* StaticText4;  // "Show Receiver's Address_Name"

  void StaticText1MouseMove() { Highlight(StaticText1); }
  void StaticText2MouseMove() { Highlight(StaticText2); }
  void StaticText3MouseMove() { Highlight(StaticText3); }
  void StaticText4MouseMove() { Highlight(StaticText4); }
  void StaticText1MouseDown();
  void StaticText2MouseDown();
  void StaticText3MouseDown() { close(); }
  void StaticText4MouseDown();

  // The three rewrites, for slots 1..ReceiverCount.
  void ShowGroupChannel();
  void ShowFrequency();
  void ShowAddressName();

 private:
  // The row under the pointer: blue with the window colour, the others plain.
  void Highlight(forms::StaticText* row);
  void SetNameLine(int slot, const QString& text);

  Program& program_;
  std::array<forms::StaticText*, 4> rows_;
};

}  // namespace vondrix
