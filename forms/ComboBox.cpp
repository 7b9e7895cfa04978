#include "forms/ComboBox.h"

#include <QLineEdit>

namespace forms {

ComboBox::ComboBox(QWidget* parent) : Control<QComboBox>(parent) {
  colorRole_ = QPalette::Base;
  fillsBackground_ = false;
  setColor(clWindow);
  QObject::connect(this, &QComboBox::activated, this, [this] { invokeHandler(OnChange); });
  setStyle(csDropDown);
}

void ComboBox::setStyle(ComboBoxStyle style) {
  style_ = style;
  setEditable(style == csDropDown);
  QLineEdit* edit = lineEdit();
  if (edit && edit != typedInto_) {
    QObject::connect(edit, &QLineEdit::textEdited, this, [this] { invokeHandler(OnChange); });
    typedInto_ = edit;
  }
}

void ComboBox::setItems(const QStringList& items) {
  clear();
  addItems(items);
  setCurrentIndex(-1);
}

QStringList ComboBox::items() const {
  QStringList result;
  for (int i = 0; i < count(); ++i) result << itemText(i);
  return result;
}

void ComboBox::setText(const QString& text) {
  if (isEditable())
    setEditText(text);
  else
    setCurrentIndex(findText(text));
}

}  // namespace forms
