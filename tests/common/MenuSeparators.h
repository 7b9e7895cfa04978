// The separator lines of a window's menus, as the menus draw them.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>

namespace detail {
inline void CollectSeparatorTexts(const QList<QAction*>& actions, QStringList& texts) {
  for (const QAction* action : actions) {
    if (action->isSeparator()) texts << action->text();
    if (const QMenu* menu = action->menu()) CollectSeparatorTexts(menu->actions(), texts);
  }
}
}  // namespace detail

// The text of every separator entry in the menus the bar opens, submenus included, in menu
// order: a style draws such a text beside the line.
inline QStringList SeparatorTexts(const QMenuBar& bar) {
  QStringList texts;
  detail::CollectSeparatorTexts(bar.actions(), texts);
  return texts;
}
