#include "forms/RadioButton.h"

namespace forms {

RadioButton::RadioButton(QWidget* parent) : Control<QRadioButton>(parent) {
  clicksFromMouse_ = false;
  QObject::connect(this, &QRadioButton::toggled, this, [this](bool on) {
    if (on) invokeHandler(OnClick);
  });
}

GroupBox::GroupBox(QWidget* parent) : Control<QGroupBox>(parent) {}

}  // namespace forms
