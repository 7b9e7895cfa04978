// Small helpers that the detail windows' layouts are written with: every control named as
// the receivers' documentation names it (its Qt object name), placed in its parent's client
// coordinates.
#pragma once

#include <QRect>
#include <QString>
#include <array>

#include "forms/Forms.h"

namespace vondrix::layout {

// A control of type C on parent, named name, at r (left, top, width, height).
template <class C>
C* Put(QWidget* parent, const char* name, QRect r) {
  auto* c = new C(parent);
  c->setObjectName(name);
  c->setBounds(r.x(), r.y(), r.width(), r.height());
  return c;
}

// An unnamed caption, sized to its text, at left, top.
forms::Label* Caption(QWidget* parent, int left, int top, const QString& text);

// A named static text with its caption and alignment.
forms::StaticText* Text(QWidget* parent, const char* name, QRect r, const QString& caption,
                        forms::TAlignment alignment = forms::taLeftJustify);

// A named button with its caption.
forms::BitBtn* Button(QWidget* parent, const char* name, QRect r, const QString& caption);

// The spectrum's scan choices: the step group (RadioButton3..6: 25, 50 in the first column,
// 100, 125 in the second) and the sweep group (RadioButton7..9: Single, Continuous, Halt
// from the top down), with Single checked.
struct ScanChoices {
  forms::GroupBox* step;
  forms::GroupBox* sweep;
  std::array<forms::RadioButton*, 7> radios;  // RadioButton3 .. RadioButton9
};
ScanChoices BuildScanChoices(QWidget* page, QRect step, const QString& stepCaption, QRect sweep);

// "Arial" bold, at a size in points when one is given.
template <class C>
C* ArialBold(C* c, int points = 0) {
  c->setFontName("Arial");
  c->setFontBold(true);
  if (points > 0) c->setFontSize(points);
  return c;
}

}  // namespace vondrix::layout
