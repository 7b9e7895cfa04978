// TEditEx: a one-line edit with a text alignment, a number mode that filters what can be
// typed, and an optional range check when the focus leaves it.
//
// Keys: the owner's OnKeyPress sees every character first (and may discard it); then
// Enter is swallowed in both modes. In tdText mode every other character passes. In
// tdNumber mode digits and backspace pass; "-" only into an empty text or over a selection
// of the whole text; "." only while the text holds none; everything else is discarded,
// control characters (Ctrl+C, Ctrl+V, Escape) included.
//
// Exit: with CheckRange on in tdNumber mode the text is converted (text that is no number
// raises the run time's conversion error, reported by the application; nothing more
// happens on that exit). A value below MinValue or above MaxValue (both inclusive) sounds
// the default beep, shows "Value Out Of Range!", takes the focus back and puts the caret
// at the end of the text. Then, whatever the check said, OnExit runs with the control as
// its Sender; the base edit's exit event does not.
#pragma once

#include <functional>

#include "forms/Edit.h"

namespace vondrix {

enum TDataType { tdText = 0, tdNumber = 1 };

// An event that names the control it comes from.
using TNotifyEvent = std::function<void(QObject* Sender)>;

class TEditEx : public forms::Edit {
 public:
  // tdNumber, right-aligned, text "0", no range check, both bounds 0.
  explicit TEditEx(QWidget* owner);

  forms::TAlignment Alignment() const { return alignment_; }
  TDataType DataType() const { return dataType_; }
  bool CheckRange() const { return checkRange_; }
  double MaxValue() const { return maxValue_; }
  double MinValue() const { return minValue_; }

  // Alignment and data type rebuild the control's style, also when they do not change.
  void SetAlignment(forms::TAlignment value);
  void SetDataType(TDataType value);
  void SetCheckRange(bool value);
  void SetMaxValue(double value);
  void SetMinValue(double value);

  // Raised at the end of every exit, with the control as Sender.
  TNotifyEvent OnExit;

 protected:
  // The key filter of every typed character (key = 0 discards it).
  void KeyPress(char16_t& key);
  // The range check and OnExit, when the focus moves on.
  void DoExit();

 private:
  // The kit's key and exit hooks.
  void keyPress(char16_t& key) override { KeyPress(key); }
  void doExit() override { DoExit(); }

  // The window style follows the alignment (the control is "recreated").
  void RecreateWnd();

  forms::TAlignment alignment_ = forms::taRightJustify;
  TDataType dataType_ = tdNumber;
  bool checkRange_ = false;
  double maxValue_ = 0.0;
  double minValue_ = 0.0;
};

}  // namespace vondrix
