// A control that shows a text, whether the window made it an edit box or a static text:
// the twin windows hold the same role (address, group, band start, ...) in different kinds
// of control.
#pragma once

#include <QString>

#include "forms/Edit.h"
#include "forms/Label.h"

namespace vondrix {

class TextRole {
 public:
  TextRole() = default;
  TextRole(forms::Edit* edit) : edit_(edit) {}      // NOLINT: a role is its control
  TextRole(forms::Label* label) : label_(label) {}  // NOLINT

  QString text() const { return edit_ ? edit_->text() : label_ ? label_->caption() : QString(); }
  void setText(const QString& text) const {
    if (edit_) edit_->setText(text);
    if (label_) label_->setCaption(text);
  }

 private:
  forms::Edit* edit_ = nullptr;
  forms::Label* label_ = nullptr;
};

}  // namespace vondrix
