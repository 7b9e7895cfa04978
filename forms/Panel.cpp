#include "forms/Panel.h"

#include <QPainter>

namespace forms {

Panel::Panel(QWidget* parent) : Control<QWidget>(parent) {
  setColor(clBtnFace);
}

void Panel::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

void Panel::setAlignment(TAlignment alignment) {
  alignment_ = alignment;
  update();
}

void Panel::setBevelOuter(BevelCut bevel) {
  bevel_ = bevel;
  update();
}

void Panel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (bevel_ != bvNone) detail::drawBevel(p, rect(), bevel_ == bvRaised);
  if (caption_.isEmpty()) return;
  Qt::Alignment align = Qt::AlignVCenter;
  align |= alignment_ == taLeftJustify    ? Qt::AlignLeft
           : alignment_ == taRightJustify ? Qt::AlignRight
                                          : Qt::AlignHCenter;
  p.setPen(toQColor(fontColor()));
  p.drawText(rect().adjusted(2, 2, -2, -2), int(align) | Qt::TextSingleLine, caption_);
}

}  // namespace forms
