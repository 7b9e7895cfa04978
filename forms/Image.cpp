#include "forms/Image.h"

#include <QPainter>

namespace forms {

Image::Image(QWidget* parent) : Control<QWidget>(parent) {}

Image::~Image() = default;

Canvas& Image::canvas() {
  if (picture_.isNull()) {
    picture_ = QImage(std::max(width(), 1), std::max(height(), 1), QImage::Format_RGB32);
    picture_.fill(Qt::white);
  }
  if (!canvas_) canvas_ = std::make_unique<Canvas>(&picture_, [this] { update(); });
  return *canvas_;
}

void Image::loadPicture(const QImage& picture) {
  picture_ = picture.convertToFormat(QImage::Format_RGB32);
  update();
}

void Image::setStretch(bool on) {
  stretch_ = on;
  update();
}

void Image::setTransparent(bool on) {
  transparent_ = on;
  update();
}

void Image::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter p(this);
  if (stretch_)
    p.drawImage(rect(), picture_);
  else
    p.drawImage(0, 0, picture_);
}

PaintBox::PaintBox(QWidget* parent) : Control<QWidget>(parent) {}

PaintBox::~PaintBox() = default;

void PaintBox::fitSurface() {
  if (surface_.size() == size() && !surface_.isNull()) return;
  QImage fresh(std::max(width(), 1), std::max(height(), 1), QImage::Format_RGB32);
  fresh.fill(toQColor(color()));
  if (!surface_.isNull()) QPainter(&fresh).drawImage(0, 0, surface_);
  surface_ = fresh;
}

Canvas& PaintBox::canvas() {
  fitSurface();
  if (!canvas_)
    canvas_ = std::make_unique<Canvas>(&surface_, [this] {
      if (!painting_) update();
    });
  return *canvas_;
}

void PaintBox::paintEvent(QPaintEvent*) {
  fitSurface();
  painting_ = true;
  invokeHandler(OnPaint);
  painting_ = false;
  QPainter(this).drawImage(0, 0, surface_);
}

}  // namespace forms
