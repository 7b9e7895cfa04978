// The status line at the bottom of a form, divided into panels with texts.
#pragma once

#include <QString>
#include <vector>

#include "forms/Control.h"

namespace forms {

// Keeps itself along the bottom edge of its parent, over the parent's full width.
// Panels are laid out left to right; the last one takes the rest of the width. With the
// simple panel on, one text (the simple text) fills the whole bar instead of the panels.
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
  void paintEvent(QPaintEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void dock();
  struct Panel {
    int width;
    QString text;
  };
  std::vector<Panel> panels_;
  bool simplePanel_ = false;
  QString simpleText_;
};

}  // namespace forms
