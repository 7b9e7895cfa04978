#include "forms/Shapes.h"

#include <QPainter>

namespace forms {

Shape::Shape(QWidget* parent) : Control<QWidget>(parent) {}

void Shape::setShape(ShapeType shape) {
  shape_ = shape;
  update();
}

void Shape::setBrushColor(TColor color) {
  brushColor_ = color;
  update();
}

void Shape::setPenColor(TColor color) {
  penColor_ = color;
  update();
}

void Shape::setPenWidth(int width) {
  penWidth_ = std::max(width, 0);
  update();
}

void Shape::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setBrush(toQColor(brushColor_));
  if (penWidth_ > 0)
    p.setPen(QPen(toQColor(penColor_), penWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  else
    p.setPen(Qt::NoPen);
  // The figure's outline stays inside the control.
  const int inset = penWidth_ / 2;
  QRect r = rect().adjusted(inset, inset, -inset - 1, -inset - 1);
  if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
    const int side = std::min(r.width(), r.height());
    r = QRect(r.left() + (r.width() - side) / 2, r.top() + (r.height() - side) / 2, side, side);
  }
  const int corner = std::min(r.width(), r.height()) / 4;
  switch (shape_) {
    case stRectangle:
    case stSquare:
      p.drawRect(r);
      break;
    case stRoundRect:
    case stRoundSquare:
      p.drawRoundedRect(r, corner, corner);
      break;
    case stEllipse:
    case stCircle:
      p.drawEllipse(r);
      break;
  }
}

Pie::Pie(QWidget* parent) : Control<QWidget>(parent) {}

void Pie::setAngles(int startAngle, int endAngle) {
  startAngle_ = startAngle;
  endAngle_ = endAngle;
  update();
}

void Pie::setBrushColor(TColor color) {
  brushColor_ = color;
  update();
}

void Pie::setPenColor(TColor color) {
  penColor_ = color;
  update();
}

void Pie::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setBrush(toQColor(brushColor_));
  p.setPen(toQColor(penColor_));
  int span = ((endAngle_ - startAngle_) % 360 + 360) % 360;
  if (span == 0) span = 360;
  p.drawPie(rect().adjusted(0, 0, -1, -1), startAngle_ * 16, span * 16);
}

}  // namespace forms
