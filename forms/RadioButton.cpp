#include "forms/RadioButton.h"

namespace forms {

RadioButton::RadioButton(QWidget* parent) : Control<QRadioButton>(parent) {
  clicksFromMouse_ = false;
  // The classic 13-pixel button and 4-pixel gap: the forms' narrow radio buttons were laid out
  // for them, and the wider default would clip their captions.
  setStyleSheet(QStringLiteral(
      "QRadioButton { spacing: 4px; } QRadioButton::indicator { width: 13px; height: 13px; }"));
  QObject::connect(this, &QRadioButton::toggled, this, [this](bool on) {
    if (on) invokeHandler(OnClick);
  });
}

void RadioButton::setChecked(bool on) {
  if (on || !isChecked()) {
    QRadioButton::setChecked(on);
    return;
  }
  // Qt keeps the checked button of an auto-exclusive group; the program may clear it.
  setAutoExclusive(false);
  QRadioButton::setChecked(false);
  setAutoExclusive(true);
}

GroupBox::GroupBox(QWidget* parent) : Control<QGroupBox>(parent) {}

}  // namespace forms
