#include "forms/StatusBar.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace forms {

namespace {
constexpr int kHeight = 19;
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
}  // namespace

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
  // A tooltip of the text before would tell what the bar no longer says.
  if (!shownTip_.isEmpty() && QToolTip::isVisible() && QToolTip::text() == shownTip_)
    QToolTip::hideText();
  update();
}

void StatusBar::dock() {
  if (QWidget* p = parentWidget()) setGeometry(0, p->height() - kHeight, p->width(), kHeight);
}

bool StatusBar::eventFilter(QObject* watched, QEvent* e) {
  if (watched == parentWidget() && e->type() == QEvent::Resize) dock();
  return false;
}

QRect StatusBar::textRect(int x, int width) const {
  return QRect(x, 2, width - 2, height() - 3).adjusted(2, 0, -2, 0);
}

std::pair<QString, QRect> StatusBar::textAt(int x) const {
  if (simplePanel_) return {simpleText_, textRect(0, width())};
  int left = 0;
  for (size_t i = 0; i < panels_.size(); ++i) {
    const bool last = i + 1 == panels_.size();
    const int w = last ? width() - left : panels_[i].width;
    if (x >= left && x < left + w) return {panels_[i].text, textRect(left, w)};
    left += panels_[i].width;
  }
  return {};
}

void StatusBar::showWholeText(const QPoint& globalPos, const QString& text, const QRect& rect) {
  // As rich text the tooltip wraps its lines instead of running off the screen; pre-wrap keeps
  // the text's blanks as they are.
  shownTip_ = QStringLiteral("<p style='white-space:pre-wrap'>") + text.trimmed().toHtmlEscaped() +
              QStringLiteral("</p>");
  QToolTip::showText(globalPos, shownTip_, this, rect);
}

bool StatusBar::event(QEvent* e) {
  if (e->type() != QEvent::ToolTip) return Control<QWidget>::event(e);
  const auto* help = static_cast<QHelpEvent*>(e);
  const auto [text, rect] = textAt(help->pos().x());
  const bool fits = fontMetrics().boundingRect(rect, kTextFlags, text).width() <= rect.width();
  if (text.trimmed().isEmpty() || fits) {
    QToolTip::hideText();
    e->ignore();
  } else {
    showWholeText(help->globalPos(), text, rect);
  }
  return true;
}

void StatusBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  auto drawPanel = [&](int x, int width, const QString& text) {
    const QRect r(x, 2, width - 2, height() - 3);
    detail::drawBevel(p, r, false);
    p.setPen(toQColor(fontColor()));
    p.drawText(textRect(x, width), kTextFlags, text);
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
