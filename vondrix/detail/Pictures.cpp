#include "vondrix/detail/Pictures.h"

#include <QPainter>
#include <QPolygon>

namespace vondrix::pictures {
namespace {

QImage Canvas(int w, int h, QColor background) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(background);
  return image;
}

}  // namespace

QImage Receiver() {
  QImage image = Canvas(90, 38, Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(60, 60, 60));
  p.drawRoundedRect(QRectF(8, 18, 74, 18), 2, 2);  // the half-rack box
  p.setBrush(QColor(0, 200, 0));
  p.drawRect(QRectF(14, 24, 14, 6));  // its display
  p.setPen(QPen(Qt::black, 2));
  p.drawLine(QPointF(16, 18), QPointF(10, 2));  // antennas A and B
  p.drawLine(QPointF(74, 18), QPointF(80, 2));
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(10, 2), 1.5, 1.5);
  p.drawEllipse(QPointF(80, 2), 1.5, 1.5);
  return image;
}

QImage Microphone() {
  QImage image = Canvas(31, 40, Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(150, 150, 150));
  p.drawEllipse(QRectF(8, 1, 15, 13));  // the grille
  p.setBrush(QColor(40, 40, 40));
  p.drawPolygon(QPolygonF({{10, 13}, {21, 13}, {18, 39}, {13, 39}}));  // the handle
  return image;
}

QImage Key() {
  QImage image = Canvas(25, 33, QColor(0xDE, 0xEF, 0xD6));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(120, 90, 0), 2));
  p.setBrush(QColor(230, 190, 40));
  p.drawEllipse(QRectF(5, 2, 14, 12));           // the bow
  p.drawLine(QPointF(12, 14), QPointF(12, 31));  // the shank and its bit
  p.drawLine(QPointF(12, 25), QPointF(17, 25));
  p.drawLine(QPointF(12, 30), QPointF(17, 30));
  return image;
}

QImage Triangle(bool up) {
  QImage image = Canvas(12, 8, QColor(0xC0, 0xC0, 0xC0));
  QPainter p(&image);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  if (up)
    p.drawPolygon(QPolygon({{1, 7}, {11, 7}, {6, 1}}));
  else
    p.drawPolygon(QPolygon({{1, 1}, {11, 1}, {6, 7}}));
  return image;
}

}  // namespace vondrix::pictures
