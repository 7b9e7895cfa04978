#include "forms/RadioButton.h"

namespace forms {

RadioButton::RadioButton(QWidget* parent) : Control<QRadioButton>(parent) {
  clicksFromMouse_ = false;
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
