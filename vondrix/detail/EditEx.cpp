#include "vondrix/detail/EditEx.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "forms/Dialogs.h"
#include "runtime/FloatText.h"

namespace vondrix {

TEditEx::TEditEx(QWidget* owner) : forms::Edit(owner) {
  SetDataType(tdNumber);
  SetAlignment(forms::taRightJustify);
  setText("0");
}

void TEditEx::RecreateWnd() {
  setAlignment(alignment_);
}

void TEditEx::SetAlignment(forms::TAlignment value) {
  alignment_ = value;
  RecreateWnd();
}

void TEditEx::SetDataType(TDataType value) {
  dataType_ = value;
  RecreateWnd();
}

void TEditEx::SetCheckRange(bool value) {
  if (value != checkRange_) checkRange_ = value;
}

void TEditEx::SetMaxValue(double value) {
  if (value != maxValue_) maxValue_ = value;
}

void TEditEx::SetMinValue(double value) {
  if (value != minValue_) minValue_ = value;
}

void TEditEx::KeyPress(char16_t& key) {
  forms::Edit::keyPress(key);  // the owner's OnKeyPress first
  if (key == u'\r') {
    key = 0;
    return;
  }
  if (dataType_ == tdText || key == 0) return;
  if ((key >= u'0' && key <= u'9') || key == 8) return;
  if (key == u'-') {
    if (!text().isEmpty() && selLength() != text().size()) key = 0;
    return;
  }
  if (key == u'.') {
    if (text().contains(u'.')) key = 0;
    return;
  }
  key = 0;
}

void TEditEx::DoExit() {
  if (checkRange_ && dataType_ == tdNumber) {
    const double value = static_cast<double>(runtime::StrToFloat(text()));
    if (value < minValue_ || value > maxValue_) {
      forms::MessageBeep(0);
      forms::ShowMessage("Value Out Of Range!");
      setFocus();
      QKeyEvent down(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
      QKeyEvent up(QEvent::KeyRelease, Qt::Key_End, Qt::NoModifier);
      QCoreApplication::sendEvent(this, &down);
      QCoreApplication::sendEvent(this, &up);
    }
  }
  if (OnExit) OnExit(this);
}

}  // namespace vondrix
