#include "forms/StatusBar.h"

#include <QEvent>
#include <QPainter>

namespace forms {

namespace {
constexpr int kHeight = 19;
}

StatusBar::StatusBar(QWidget* parent) : Control<QWidget>(parent) {
  setColor(clBtnFace);
  if (parent) parent->installEventFilter(this);
  dock();
}

int StatusBar::addPanel(int width, const QString& text) {
  panels_.push_back({width, text});
  update();
  return int(panels_.size()) - 1;
}

void StatusBar::setPanelText(int index, const QString& text) {
  if (index < 0 || index >= panelCount()) return;
  panels_[index].text = text;
  update();
}

QString StatusBar::panelText(int index) const {
  return index >= 0 && index < panelCount() ? panels_[index].text : QString();
}

void StatusBar::setPanelWidth(int index, int width) {
  if (index < 0 || index >= panelCount()) return;
  panels_[index].width = width;
  update();
}

void StatusBar::setSimplePanel(bool on) {
  simplePanel_ = on;
  update();
}

void StatusBar::setSimpleText(const QString& text) {
  simpleText_ = text;
  update();
}

void StatusBar::dock() {
  if (QWidget* p = parentWidget()) setGeometry(0, p->height() - kHeight, p->width(), kHeight);
}

bool StatusBar::eventFilter(QObject* watched, QEvent* e) {
  if (watched == parentWidget() && e->type() == QEvent::Resize) dock();
  return false;
}

void StatusBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  auto drawPanel = [&](int x, int width, const QString& text) {
    const QRect r(x, 2, width - 2, height() - 3);
    detail::drawBevel(p, r, false);
    p.setPen(toQColor(fontColor()));
    p.drawText(r.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
               text);
  };
  if (simplePanel_) {
    drawPanel(0, width(), simpleText_);
    return;
  }
  int x = 0;
  for (size_t i = 0; i < panels_.size(); ++i) {
    const bool last = i + 1 == panels_.size();
    drawPanel(x, last ? width() - x : panels_[i].width, panels_[i].text);
    x += panels_[i].width;
  }
}

}  // namespace forms
