// Choice controls: RadioButton and GroupBox (a framed, captioned container).
#pragma once

#include <QGroupBox>
#include <QRadioButton>
#include <QString>

#include "forms/Control.h"

namespace forms {

// A radio button; the buttons with the same parent form one group, at most one checked.
// The user's click checks the button and unchecks the others. The program may also
// uncheck the checked button, leaving none checked. OnClick runs when the button becomes
// checked: by a click of the user or when the program checks it (so "uncheck, then
// check" runs it); checking a checked button again, or unchecking, runs nothing.
class RadioButton : public Control<QRadioButton> {
 public:
  explicit RadioButton(QWidget* parent);

  void setCaption(const QString& caption) { setText(caption); }
  QString caption() const { return text(); }
  void setChecked(bool on);
  bool checked() const { return isChecked(); }
};

class GroupBox : public Control<QGroupBox> {
 public:
  explicit GroupBox(QWidget* parent);

  void setCaption(const QString& caption) { setTitle(caption); }
  QString caption() const { return title(); }
};

}  // namespace forms
