// Tabbed pages: PageControl holds TabSheets, one shown at a time.
#pragma once

#include <QString>
#include <QTabWidget>

#include "forms/Control.h"

namespace forms {

class TabSheet;

class PageControl : public Control<QTabWidget> {
 public:
  explicit PageControl(QWidget* parent);

  int pageCount() const;
  TabSheet* page(int index) const;
  // The page shown; hidden tabs cannot be shown.
  TabSheet* activePage() const;
  void setActivePage(TabSheet* sheet);
  int activePageIndex() const { return currentIndex(); }
  void setActivePageIndex(int index);

  // Runs when the user changes the page shown (not when the program does).
  NotifyEvent OnChange;

 private:
  friend class TabSheet;
  bool programChange_ = false;
};

// One page: its controls are its children, placed in the page's client coordinates.
class TabSheet : public Control<QWidget> {
 public:
  // Appends the page to pageControl's tabs.
  explicit TabSheet(PageControl* pageControl, const QString& caption = QString());

  void setCaption(const QString& caption);
  QString caption() const;
  // A hidden tab is left out of the tab row.
  void setTabVisible(bool on);
  bool tabVisible() const;
  // A highlighted tab is drawn in the highlight colour.
  void setHighlighted(bool on);
  bool highlighted() const { return highlighted_; }
  int pageIndex() const;
  PageControl* pageControl() const { return pageControl_; }

 private:
  PageControl* pageControl_;
  bool highlighted_ = false;
};

}  // namespace forms
