// A drop-down list, editable (csDropDown) or choose-only (csDropDownList).
#pragma once

#include <QComboBox>
#include <QString>
#include <QStringList>

#include "forms/Control.h"

namespace forms {

enum ComboBoxStyle { csDropDown, csDropDownList };

class ComboBox : public Control<QComboBox> {
 public:
  explicit ComboBox(QWidget* parent);

  void setStyle(ComboBoxStyle style);
  ComboBoxStyle style() const { return style_; }
  void setItems(const QStringList& items);
  QStringList items() const;
  void addItem(const QString& item) { QComboBox::addItem(item); }
  // The chosen item (-1 = none).
  void setItemIndex(int index) { setCurrentIndex(index); }
  int itemIndex() const { return currentIndex(); }
  // The text of the edit field (the chosen item's for csDropDownList).
  void setText(const QString& text);
  QString text() const { return currentText(); }

  // Runs when the user changes the choice or the typed text, not when the program does.
  NotifyEvent OnChange;

 private:
  ComboBoxStyle style_ = csDropDown;
  QObject* typedInto_ = nullptr;  // the edit field whose typing runs OnChange
};

}  // namespace forms
