#include "forms/Button.h"

#include <QFileInfo>
#include <QIcon>
#include <QPixmap>
#include <stdexcept>

namespace forms {

Button::Button(QWidget* parent) : Control<QPushButton>(parent) {
  colorRole_ = QPalette::Button;
  fillsBackground_ = false;
  clicksFromMouse_ = false;
  setAutoDefault(false);
  QObject::connect(this, &QPushButton::clicked, this, [this] { invokeHandler(OnClick); });
}

BitBtn::BitBtn(QWidget* parent) : Button(parent) {}

QImage loadBitmapFile(const QString& path) {
  QImage picture;
  if (!QFileInfo(path).isFile() || !picture.load(path))
    throw std::runtime_error("Cannot open file \"" + path.toStdString() + "\"");
  return picture;
}

void BitBtn::loadGlyph(const QString& path) {
  setGlyph(loadBitmapFile(path));
}

void BitBtn::setGlyph(const QImage& picture) {
  glyph_ = picture;
  if (picture.isNull()) {
    setIcon(QIcon());
    return;
  }
  // The bottom-left pixel's colour is the glyph's background.
  QImage shown = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb background = shown.pixel(0, shown.height() - 1);
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x)
      if (shown.pixel(x, y) == background) shown.setPixel(x, y, qRgba(0, 0, 0, 0));
  setIcon(QIcon(QPixmap::fromImage(shown)));
  setIconSize(shown.size());
}

}  // namespace forms
