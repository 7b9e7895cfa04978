// The status line at the bottom of a form, divided into panels with texts.
#pragma once

#include <QRect>
#include <QString>
#include <utility>
#include <vector>

#include "forms/Control.h"

namespace forms {

// Keeps itself along the bottom edge of its parent, over the parent's full width.
// Panels are laid out left to right; the last one takes the rest of the width. With the
// simple panel on, one text (the simple text) fills the whole bar instead of the panels.
// A text too wide for its panel is cut at the panel's edge; resting the mouse on it shows the
// whole text as the bar's tooltip (wrapped to the screen, blanks kept; a text that fits shows
// none).
class StatusBar : public Control<QWidget> {
 public:
  explicit StatusBar(QWidget* parent);

  // Appends a panel; returns its index (from 0).
  int addPanel(int width, const QString& text = QString());
  int panelCount() const { return int(panels_.size()); }
  // Texts of panels outside 0..panelCount()-1 are ignored on write and read as "".
  void setPanelText(int index, const QString& text);
  QString panelText(int index) const;
  void setPanelWidth(int index, int width);
  void setSimplePanel(bool on);
  bool simplePanel() const { return simplePanel_; }
  void setSimpleText(const QString& text);
  QString simpleText() const { return simpleText_; }

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void dock();
  // The text shown at x and the rectangle it is drawn in; an empty text where there is none.
  std::pair<QString, QRect> textAt(int x) const;
  QRect textRect(int x, int width) const;
  void showWholeText(const QPoint& globalPos, const QString& text, const QRect& rect);
  struct Panel {
    int width;
    QString text;
  };
  std::vector<Panel> panels_;
  bool simplePanel_ = false;
  QString simpleText_;
  QString shownTip_;  // the tooltip this bar shows, as given to QToolTip
};

}  // namespace forms
