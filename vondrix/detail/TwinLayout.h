// Layout pieces that both detail windows build alike, on top of LayoutKit.h.
#pragma once

#include <QString>
#include <initializer_list>
#include <utility>
#include <vector>

#include "vondrix/detail/LayoutKit.h"

namespace vondrix::layout {

// A timer named name on owner, off, ticking every intervalMs once switched on.
inline forms::Timer* StoppedTimer(QObject* owner, const char* name, int intervalMs) {
  auto* t = new forms::Timer(owner);
  t->setObjectName(name);
  t->setEnabled(false);
  t->setInterval(intervalMs);
  return t;
}

// The pages' tab sheets with these captions, named TabSheet1, TabSheet2, ... in order.
inline std::vector<forms::TabSheet*> TabSheets(forms::PageControl* pages,
                                               std::initializer_list<const char*> captions) {
  std::vector<forms::TabSheet*> sheets;
  for (const char* caption : captions) {
    auto* sheet = new forms::TabSheet(pages, caption);
    sheet->setObjectName(QString("TabSheet%1").arg(sheets.size() + 1));
    sheets.push_back(sheet);
  }
  return sheets;
}

// The RF monitor's speed choice: RadioButton1 "Fast" (checked) at left, top and
// RadioButton2 "Slow" 20 pixels below it; returned in that order.
inline std::pair<forms::RadioButton*, forms::RadioButton*> BuildSpeedChoice(QWidget* page, int left,
                                                                            int top) {
  auto* fast = Put<forms::RadioButton>(page, "RadioButton1", {left, top, 60, 16});
  fast->setCaption("Fast");
  fast->setChecked(true);
  auto* slow = Put<forms::RadioButton>(page, "RadioButton2", {left, top + 20, 60, 16});
  slow->setCaption("Slow");
  return {fast, slow};
}

}  // namespace vondrix::layout
