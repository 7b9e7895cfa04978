// Drawn figures: Shape (rectangle, circle, ...) and Pie (a sector of a circle).
#pragma once

#include "forms/Control.h"

namespace forms {

enum ShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

// A figure filling the control: outline in the pen colour and width, inside in the
// brush colour (default white, black pen of width 1). Square and circle take the shorter
// side and are centred.
class Shape : public Control<QWidget> {
 public:
  explicit Shape(QWidget* parent);

  void setShape(ShapeType shape);
  ShapeType shape() const { return shape_; }
  void setBrushColor(TColor color);
  TColor brushColor() const { return brushColor_; }
  void setPenColor(TColor color);
  TColor penColor() const { return penColor_; }
  void setPenWidth(int width);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  ShapeType shape_ = stRectangle;
  TColor brushColor_ = clWhite;
  TColor penColor_ = clBlack;
  int penWidth_ = 1;
};

// A sector of the ellipse that fills the control, from StartAngle to EndAngle in degrees,
// counter-clockwise from three o'clock; equal angles draw the whole ellipse.
class Pie : public Control<QWidget> {
 public:
  explicit Pie(QWidget* parent);

  void setAngles(int startAngle, int endAngle);
  void setStartAngle(int degrees) { setAngles(degrees, endAngle_); }
  void setEndAngle(int degrees) { setAngles(startAngle_, degrees); }
  int startAngle() const { return startAngle_; }
  int endAngle() const { return endAngle_; }
  void setBrushColor(TColor color);
  TColor brushColor() const { return brushColor_; }
  void setPenColor(TColor color);
  TColor penColor() const { return penColor_; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  int startAngle_ = 0;
  int endAngle_ = 90;
  TColor brushColor_ = clWhite;
  TColor penColor_ = clBlack;
};

}  // namespace forms
