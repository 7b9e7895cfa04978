#include "calyxon/drive/MenuClicks.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "forms/Menu.h"

namespace calyxon::drive {

namespace {

// Menus open through the event loop; a bounded wait for one to show.
bool WaitShown(QMenu* menu) {
  QElapsedTimer waited;
  waited.start();
  while (!menu->isVisible() && waited.elapsed() < 2000) QApplication::processEvents();
  return menu->isVisible();
}

void CloseMenus(QMenuBar* bar) {
  for (QWidget* popup = QApplication::activePopupWidget(); popup;
       popup = QApplication::activePopupWidget())
    popup->close();
  bar->setActiveAction(nullptr);
}

QString Plain(const QString& caption) {
  return QString(caption).remove('&');
}

}  // namespace

bool ClickMenuPath(forms::MainMenu& menu, const QStringList& path, QString* error) {
  QMenuBar* bar = menu.bar();
  auto fail = [&](const QString& why) {
    CloseMenus(bar);
    if (error) *error = why;
    return false;
  };
  if (path.isEmpty()) return fail("no menu entry given");

  forms::MenuItem* item = nullptr;
  for (int i = 0; i < menu.count() && !item; ++i)
    if (Plain(menu.item(i)->caption()) == path[0]) item = menu.item(i);
  if (!item || !item->visible()) return fail("no menu \"" + path[0] + "\" in the menu bar");
  if (!item->enabled()) return fail("\"" + path[0] + "\" is disabled");
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(item->action()).center());

  for (qsizetype depth = 1; depth < path.size(); ++depth) {
    auto* popup = item->action()->menu<QMenu*>();
    if (!popup || !WaitShown(popup)) return fail("\"" + path[depth - 1] + "\" opens no menu");
    forms::MenuItem* next = nullptr;
    for (int i = 0; i < item->count() && !next; ++i)
      if (Plain(item->item(i)->caption()) == path[depth]) next = item->item(i);
    if (!next || !next->visible())
      return fail("no entry \"" + path[depth] + "\" shown in \"" + path[depth - 1] + "\"");
    if (!next->enabled()) return fail("\"" + path[depth] + "\" is disabled");
    item = next;
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(item->action()).center());
  }
  if (item->count() > 0) return fail("\"" + path.back() + "\" opens a menu; name an entry of it");
  return true;
}

}  // namespace calyxon::drive
