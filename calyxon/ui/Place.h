// Creating a named control at its place, as the designer's forms list them.
#pragma once

#include <QString>

namespace calyxon {

// A new control of kind C on parent, named name (its object name, which test tools find it
// by), at left, top with the given size.
template <class C>
C* Place(QWidget* parent, const QString& name, int left, int top, int width, int height) {
  auto* control = new C(parent);
  control->setObjectName(name);
  control->setBounds(left, top, width, height);
  return control;
}

// A new label or other captioned control whose size follows its caption.
template <class C>
C* PlaceCaption(QWidget* parent, const QString& name, const QString& caption, int left, int top) {
  auto* control = Place<C>(parent, name, left, top, 0, 0);
  control->setCaption(caption);
  return control;
}

}  // namespace calyxon
