// The two detail windows, one per receiver model. They are created hidden at start and
// live until the program ends; closing one only hides it and resumes the main screen's
// poll. Their content and openers are added with the detail functions.
#pragma once

#include "forms/Forms.h"

namespace vondrix {

struct NetworkState;

// The part both windows share: caption, size, the poll flag on close, the mute button
// whose glyph follows the receiver's panel.
class DetailWindow : public forms::Form {
 public:
  forms::BitBtn* muteButton() const { return muteButton_; }

 protected:
  // How a window's size is given: as its client area or as its whole (outer) size.
  enum class SizeGiven { ClientArea, OuterSize };
  DetailWindow(NetworkState& net, const QString& caption, QSize size, SizeGiven given);
  void FormClose(forms::CloseAction& action);

  forms::BitBtn* muteButton_;

 private:
  NetworkState& net_;
};

// First model ("Q5V").
class TForm3 : public DetailWindow {
 public:
  explicit TForm3(NetworkState& net);
  forms::BitBtn* BitBtn14;  // mute
};

// Second model ("Z3K").
class TForm7 : public DetailWindow {
 public:
  explicit TForm7(NetworkState& net);
  forms::BitBtn* BitBtn3;  // mute
};

}  // namespace vondrix
