#include "forms/Label.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace forms {

namespace {

Qt::Alignment qtAlignment(TAlignment a) {
  const Qt::Alignment h = a == taLeftJustify    ? Qt::AlignLeft
                          : a == taRightJustify ? Qt::AlignRight
                                                : Qt::AlignHCenter;
  return h | Qt::AlignTop;
}

}  // namespace

Label::Label(QWidget* parent) : Control<QLabel>(parent) {
  setTextFormat(Qt::PlainText);
  setMargin(0);
  setIndent(0);
  QLabel::setAlignment(qtAlignment(alignment_));
  fitText();
}

void Label::setCaption(const QString& caption) {
  if (caption == text()) return;
  setText(caption);
  fitText();
}

void Label::setAlignment(TAlignment alignment) {
  alignment_ = alignment;
  QLabel::setAlignment(qtAlignment(alignment));
}

void Label::setAutoSize(bool on) {
  autoSize_ = on;
  fitText();
}

void Label::setTransparent(bool on) {
  transparent_ = on;
  fillsBackground_ = !on;
  setAutoFillBackground(!on && property("formsColor").isValid());
  update();
}

void Label::setWordWrap(bool on) {
  QLabel::setWordWrap(on);
  fitText();
}

void Label::changeEvent(QEvent* e) {
  Control<QLabel>::changeEvent(e);
  if (e->type() == QEvent::FontChange) fitText();
}

void Label::fitText() {
  if (!autoSize_ || wordWrap()) return;
  const QFontMetrics metrics(font());
  const QRect extent =
      metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), Qt::AlignLeft | Qt::AlignTop, text());
  resize(extent.width(), std::max(extent.height(), metrics.height()));
}

StaticText::StaticText(QWidget* parent) : Label(parent) {
  setAutoSize(false);
  setAutoFillBackground(true);
}

void StaticText::setBevelKind(BevelKind kind) {
  bevelKind_ = kind;
  update();
}

void StaticText::setBorderStyle(StaticBorderStyle style) {
  borderStyle_ = style;
  update();
}

void StaticText::paintEvent(QPaintEvent* e) {
  Label::paintEvent(e);
  if (bevelKind_ == bkNone && borderStyle_ == sbsNone) return;
  QPainter p(this);
  const QRect r = rect().adjusted(0, 0, -1, -1);
  const bool sunken = borderStyle_ == sbsSunken;
  if (borderStyle_ == sbsSingle || bevelKind_ == bkFlat) {
    p.setPen(toQColor(borderStyle_ == sbsSingle ? clWindowFrame : clBtnShadow));
    p.drawRect(r);
    return;
  }
  // Soft, tile and sunken frames: a light and a dark edge.
  detail::drawBevel(p, rect(), !sunken);
}

}  // namespace forms
