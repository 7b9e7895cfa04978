#include <gtest/gtest.h>

#include "forms/Canvas.h"
#include "forms/Image.h"

namespace forms {
namespace {

TEST(ImageCanvas, DrawingPersistsInThePicture) {
  Image image(nullptr);
  image.resize(40, 30);
  Canvas& canvas = image.canvas();
  EXPECT_EQ(image.picture().size(), QSize(40, 30));
  EXPECT_EQ(canvas.pixel(5, 5), clWhite);  // a new picture is white

  canvas.pen.color = clRed;
  canvas.moveTo(0, 10);
  canvas.lineTo(10, 10);
  EXPECT_EQ(canvas.penPos(), QPoint(10, 10));
  EXPECT_EQ(canvas.pixel(0, 10), clRed);
  EXPECT_EQ(canvas.pixel(9, 10), clRed);
  EXPECT_EQ(canvas.pixel(10, 10), clWhite);  // the end point is left out

  canvas.brush.color = clLime;
  canvas.pen.color = clBlue;
  canvas.rectangle(20, 0, 30, 5);  // right and bottom edges outside
  EXPECT_EQ(canvas.pixel(20, 0), clBlue);
  EXPECT_EQ(canvas.pixel(29, 4), clBlue);
  EXPECT_EQ(canvas.pixel(25, 2), clLime);
  EXPECT_EQ(canvas.pixel(30, 2), clWhite);
  EXPECT_EQ(canvas.pixel(25, 5), clWhite);

  canvas.brush.color = clBlack;
  canvas.fillRect(0, 20, 3, 22);
  EXPECT_EQ(canvas.pixel(2, 21), clBlack);
  EXPECT_EQ(canvas.pixel(3, 21), clWhite);

  canvas.pen.color = clFuchsia;
  canvas.polyline({{0, 25}, {5, 25}, {5, 29}});
  EXPECT_EQ(canvas.pixel(5, 25), clFuchsia);  // a joint
  EXPECT_EQ(canvas.pixel(5, 28), clFuchsia);
  EXPECT_EQ(canvas.pixel(5, 29), clWhite);

  // A repaint shows what was drawn and keeps it.
  const QImage shown = image.grab().toImage();
  EXPECT_EQ(shown.pixelColor(3, 10), QColor(255, 0, 0));
  EXPECT_EQ(image.picture().pixelColor(3, 10), QColor(255, 0, 0));
  EXPECT_EQ(canvas.pixel(-1, 0), 0xFFFFFFFFu);
}

TEST(ImageCanvas, LoadedPictureIsDrawnOn) {
  Image image(nullptr);
  image.resize(10, 10);
  QImage picture(4, 3, QImage::Format_RGB32);
  picture.fill(QColor(0, 255, 255));
  image.loadPicture(picture);
  Canvas& canvas = image.canvas();
  EXPECT_EQ(canvas.pixel(1, 1), clAqua);
  canvas.setPixel(1, 1, clNavy);
  EXPECT_EQ(image.picture().pixelColor(1, 1), QColor(0, 0, 128));
  canvas.brush.style = bsClear;
  canvas.fillRect(0, 0, 4, 3);  // a clear brush fills nothing
  EXPECT_EQ(canvas.pixel(0, 0), clAqua);
}

TEST(ImageCanvas, TextUsesFontColourOnTheBrush) {
  QImage target(60, 20, QImage::Format_RGB32);
  target.fill(Qt::white);
  int changes = 0;
  Canvas canvas(&target, [&] { ++changes; });
  canvas.brush.color = clAqua;
  canvas.font.color = clBlack;
  canvas.textOut(0, 0, "88");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(canvas.pixel(0, 0), clAqua);  // background of the text
  bool dark = false;
  for (int x = 0; x < canvas.textWidth("88"); ++x)
    for (int y = 0; y < canvas.textHeight("88"); ++y)
      dark |= qGray(toQColor(canvas.pixel(x, y)).rgb()) < 100;
  EXPECT_TRUE(dark);
  EXPECT_EQ(canvas.pixel(canvas.textWidth("88") + 2, 2), clWhite);
}

TEST(PaintBox, OnPaintDrawsAtEachRepaint) {
  PaintBox box(nullptr);
  box.resize(20, 20);
  int paints = 0;
  box.OnPaint = [&] {
    ++paints;
    box.canvas().brush.color = clRed;
    box.canvas().fillRect(0, 0, 5, 5);
  };
  const QImage shot = box.grab().toImage();
  EXPECT_GE(paints, 1);
  EXPECT_EQ(shot.pixelColor(2, 2), QColor(255, 0, 0));
}

}  // namespace
}  // namespace forms
