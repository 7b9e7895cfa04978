#include "forms/Canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <cstdlib>

#include "forms/Control.h"

namespace forms {

namespace {

QFont qtFont(const Canvas::Font& f) {
  QFont font(fontFamilyFor(f.name));
  font.setPixelSize(pointsToPixels(f.size));
  font.setBold(f.bold);
  return font;
}

}  // namespace

Canvas::Canvas(QImage* target, std::function<void()> changed)
    : target_(target), changed_(std::move(changed)) {}

void Canvas::done() {
  if (changed_) changed_();
}

void Canvas::moveTo(int x, int y) {
  penPos_ = {x, y};
}

void Canvas::lineTo(int x, int y) {
  line(penPos_, {x, y});
  penPos_ = {x, y};
  done();
}

void Canvas::polyline(const std::vector<QPoint>& points) {
  for (size_t i = 1; i < points.size(); ++i) line(points[i - 1], points[i]);
  done();
}

void Canvas::line(QPoint from, QPoint to) {
  if (pen.width <= 1) {
    // Step from one end to the other, leaving out the last pixel.
    const QRgb c = toQColor(pen.color).rgb();
    int x = from.x(), y = from.y();
    const int dx = std::abs(to.x() - x), dy = -std::abs(to.y() - y);
    const int sx = x < to.x() ? 1 : -1, sy = y < to.y() ? 1 : -1;
    int err = dx + dy;
    while (x != to.x() || y != to.y()) {
      if (target_->valid(x, y)) target_->setPixel(x, y, c);
      const int e2 = 2 * err;
      if (e2 >= dy) {
        err += dy;
        x += sx;
      }
      if (e2 <= dx) {
        err += dx;
        y += sy;
      }
    }
    return;
  }
  QPainter p(target_);
  p.setPen(QPen(toQColor(pen.color), pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(from, to);
}

void Canvas::rectangle(int left, int top, int right, int bottom) {
  QPainter p(target_);
  p.setBrush(brush.style == bsClear ? QBrush(Qt::NoBrush) : QBrush(toQColor(brush.color)));
  p.setPen(QPen(toQColor(pen.color), std::max(pen.width, 1), Qt::SolidLine, Qt::SquareCap,
                Qt::MiterJoin));
  p.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
  p.end();
  done();
}

void Canvas::ellipse(int left, int top, int right, int bottom) {
  QPainter p(target_);
  p.setBrush(brush.style == bsClear ? QBrush(Qt::NoBrush) : QBrush(toQColor(brush.color)));
  p.setPen(QPen(toQColor(pen.color), std::max(pen.width, 1)));
  p.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
  p.end();
  done();
}

void Canvas::fillRect(int left, int top, int right, int bottom) {
  if (brush.style == bsClear || right <= left || bottom <= top) return;
  QPainter p(target_);
  p.fillRect(QRect(left, top, right - left, bottom - top), toQColor(brush.color));
  p.end();
  done();
}

void Canvas::textOut(int x, int y, const QString& text) {
  QPainter p(target_);
  const QFont f = qtFont(font);
  p.setFont(f);
  const QFontMetrics metrics(f);
  const QRect box(x, y, metrics.horizontalAdvance(text), metrics.height());
  if (brush.style != bsClear) p.fillRect(box, toQColor(brush.color));
  p.setPen(toQColor(font.color));
  p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
  p.end();
  done();
}

int Canvas::textWidth(const QString& text) const {
  return QFontMetrics(qtFont(font)).horizontalAdvance(text);
}

int Canvas::textHeight(const QString&) const {
  return QFontMetrics(qtFont(font)).height();
}

void Canvas::draw(int x, int y, const QImage& picture) {
  QPainter p(target_);
  p.drawImage(x, y, picture);
  p.end();
  done();
}

TColor Canvas::pixel(int x, int y) const {
  if (!target_->valid(x, y)) return 0xFFFFFFFF;
  return fromQColor(QColor(target_->pixel(x, y)));
}

void Canvas::setPixel(int x, int y, TColor color) {
  if (!target_->valid(x, y)) return;
  target_->setPixel(x, y, toQColor(color).rgb());
  done();
}

}  // namespace forms
