#include "forms/Bars.h"

#include <QPainter>

namespace forms {

ProgressBar::ProgressBar(QWidget* parent) : Control<QProgressBar>(parent) {
  setColor(clBtnFace);
  setTextVisible(false);
  setRange(0, 100);
  setValue(0);
}

void ProgressBar::setMin(int min) {
  const int p = value();
  setRange(min, std::max(min, maximum()));
  setPosition(p);
}

void ProgressBar::setMax(int max) {
  const int p = value();
  setRange(std::min(minimum(), max), max);
  setPosition(p);
}

void ProgressBar::setPosition(int position) {
  setValue(std::clamp(position, minimum(), maximum()));
}

void ProgressBar::setOrientation(BarOrientation orientation) {
  QProgressBar::setOrientation(orientation == pbVertical ? Qt::Vertical : Qt::Horizontal);
}

BarOrientation ProgressBar::orientation() const {
  return QProgressBar::orientation() == Qt::Vertical ? pbVertical : pbHorizontal;
}

void ProgressBar::setSmooth(bool on) {
  smooth_ = on;
  update();
}

void ProgressBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect outer = rect();
  p.fillRect(outer, toQColor(color()));
  detail::drawBevel(p, outer, false);
  const QRect inner = outer.adjusted(1, 1, -1, -1);
  const int span = maximum() - minimum();
  if (span <= 0 || inner.isEmpty()) return;
  const bool vertical = orientation() == pbVertical;
  const int length = vertical ? inner.height() : inner.width();
  const int thickness = vertical ? inner.width() : inner.height();
  const int filled = int(int64_t(length) * (value() - minimum()) / span);
  const QColor bar = toQColor(clHighlight);
  // Segments are two-thirds as long as the bar is thick, with a gap of 2 pixels.
  const int block = smooth_ ? filled : std::max(2, thickness * 2 / 3);
  const int step = smooth_ ? std::max(filled, 1) : block + 2;
  for (int from = 0; from < filled; from += step) {
    const int piece = std::min(block, filled - from);
    if (vertical)
      p.fillRect(inner.left(), inner.bottom() + 1 - from - piece, inner.width(), piece, bar);
    else
      p.fillRect(inner.left() + from, inner.top(), piece, inner.height(), bar);
  }
}

TrackBar::TrackBar(QWidget* parent) : Control<QSlider>(parent) {
  QSlider::setOrientation(Qt::Horizontal);
  setRange(0, 10);
  setTickPosition(QSlider::TicksBelow);
  setTickInterval(1);
  QObject::connect(this, &QSlider::valueChanged, this, [this] { invokeHandler(OnChange); });
}

void TrackBar::setOrientation(TrackBarOrientation orientation) {
  const bool vertical = orientation == trVertical;
  QSlider::setOrientation(vertical ? Qt::Vertical : Qt::Horizontal);
  // The minimum sits at the top of a vertical track bar.
  setInvertedAppearance(vertical);
}

void TrackBar::setFrequency(int ticks) {
  setTickInterval(ticks);
  setTickPosition(ticks > 0 ? QSlider::TicksBelow : QSlider::NoTicks);
}

}  // namespace forms
