// Menus reached as the user reaches them: mouse clicks on the entries of the menu bar and of
// the menus it opens.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "forms/Menu.h"
#include "tests/forms/Wait.h"

// Clicks the middle of action's entry in a bar or a menu.
inline void clickEntry(QWidget* barOrMenu, QAction* action) {
  QRect r;
  if (auto* bar = qobject_cast<QMenuBar*>(barOrMenu)) r = bar->actionGeometry(action);
  if (auto* menu = qobject_cast<QMenu*>(barOrMenu)) r = menu->actionGeometry(action);
  QTest::mouseClick(barOrMenu, Qt::LeftButton, {}, r.center());
}

// Clicks item's entry in the open menu (or bar) from, and waits until the menu it opens is
// shown; the opened menu, or nullptr when it did not show.
inline QMenu* openEntry(QWidget* from, forms::MenuItem* item) {
  QMenu* menu = item->action()->menu();
  clickEntry(from, item->action());
  return forms::waitUntil([&] { return menu->isVisible(); }) ? menu : nullptr;
}
