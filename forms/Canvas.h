// Drawing on a picture with the pen, brush and font of a canvas.
//
// A Canvas draws into a QImage it does not own and tells its owner after each operation,
// so the drawing persists like a bitmap's and shows at the next repaint. Coordinates are
// pixels of the picture. As on the system's canvas, rectangles are given by their left,
// top, right and bottom edges with the right and bottom edges outside the figure, and a
// line drawn with a pen of width 1 leaves out its end point (so a polyline draws each
// joint once).
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

#include "forms/Color.h"

class QPainter;

namespace forms {

enum BrushStyle { bsSolid, bsClear };
// Solid is the only pen style the programs draw with; callers still set it, as they set the
// colour and the width.
enum PenStyle { psSolid };

class Canvas {
 public:
  struct Pen {
    TColor color = clBlack;
    int width = 1;
    PenStyle style = psSolid;
  };
  struct Brush {
    TColor color = clWhite;
    BrushStyle style = bsSolid;
  };
  struct Font {
    QString name = QStringLiteral("MS Sans Serif");
    int size = 8;  // points at 96 dpi
    TColor color = clBlack;
    bool bold = false;
  };

  // target must outlive the canvas; changed (may be empty) runs after every drawing.
  explicit Canvas(QImage* target, std::function<void()> changed = {});

  Pen pen;
  Brush brush;
  Font font;

  void moveTo(int x, int y);
  // A line in the pen from the pen position to (x, y), which becomes the pen position.
  void lineTo(int x, int y);
  QPoint penPos() const { return penPos_; }
  // Lines through the points in order; the pen position is not used nor changed.
  void polyline(const std::vector<QPoint>& points);
  // Outline in the pen, inside in the brush (unless the brush is bsClear).
  void rectangle(int left, int top, int right, int bottom);
  void ellipse(int left, int top, int right, int bottom);
  // Fills with the brush colour, no outline.
  void fillRect(int left, int top, int right, int bottom);
  // Text in the font, its top-left corner at (x, y), on the brush colour unless bsClear.
  void textOut(int x, int y, const QString& text);
  int textWidth(const QString& text) const;
  int textHeight(const QString& text) const;
  // Copies picture with its top-left corner at (x, y).
  void draw(int x, int y, const QImage& picture);
  // One pixel; a pixel outside the picture reads as 0xFFFFFFFF (no colour) and is not
  // written.
  TColor pixel(int x, int y) const;
  void setPixel(int x, int y, TColor color);

  QImage* target() const { return target_; }

 private:
  void line(QPoint from, QPoint to);
  void done();

  QImage* target_;
  std::function<void()> changed_;
  QPoint penPos_;
};

}  // namespace forms
