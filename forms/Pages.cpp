#include "forms/Pages.h"

#include <QTabBar>

namespace forms {

namespace {

// Marks the changes of the current page that the program makes.
class ProgramChange {
 public:
  explicit ProgramChange(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
  ~ProgramChange() { flag_ = saved_; }

 private:
  bool& flag_;
  bool saved_;
};

}  // namespace

PageControl::PageControl(QWidget* parent) : Control<QTabWidget>(parent) {
  QObject::connect(this, &QTabWidget::currentChanged, this, [this] {
    if (!programChange_) invokeHandler(OnChange);
  });
}

int PageControl::pageCount() const {
  return count();
}

TabSheet* PageControl::page(int index) const {
  return static_cast<TabSheet*>(widget(index));
}

TabSheet* PageControl::activePage() const {
  return static_cast<TabSheet*>(currentWidget());
}

void PageControl::setActivePage(TabSheet* sheet) {
  ProgramChange mark(programChange_);
  setCurrentWidget(sheet);
}

void PageControl::setActivePageIndex(int index) {
  ProgramChange mark(programChange_);
  setCurrentIndex(index);
}

TabSheet::TabSheet(PageControl* pageControl, const QString& caption)
    : Control<QWidget>(nullptr), pageControl_(pageControl) {
  setColor(clBtnFace);
  ProgramChange mark(pageControl->programChange_);
  pageControl->addTab(this, caption);
}

void TabSheet::setCaption(const QString& caption) {
  pageControl_->setTabText(pageIndex(), caption);
}

QString TabSheet::caption() const {
  return pageControl_->tabText(pageIndex());
}

void TabSheet::setTabVisible(bool on) {
  ProgramChange mark(pageControl_->programChange_);
  pageControl_->setTabVisible(pageIndex(), on);
}

bool TabSheet::tabVisible() const {
  return pageControl_->isTabVisible(pageIndex());
}

void TabSheet::setHighlighted(bool on) {
  highlighted_ = on;
  pageControl_->tabBar()->setTabTextColor(pageIndex(), on ? toQColor(clHighlight) : QColor());
}

int TabSheet::pageIndex() const {
  return pageControl_->indexOf(this);
}

}  // namespace forms
