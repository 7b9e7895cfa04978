// The menu bar of a form and its items.
//
//   auto* menu = new forms::MainMenu(this);
//   auto* file = menu->addItem("&File");
//   Exit1 = file->addItem("E&xit", "Ctrl+X");
//   Exit1->OnClick = [this] { Exit1Click(); };
//
// An item with sub items opens them and runs OnClick as they open (so its handler can set
// them up first); others run OnClick when chosen with the mouse, by their shortcut or
// through click(). Check marks never change by themselves: the program
// sets them. A caption "-" makes a separator line: the entry shows no text, while caption()
// still reads "-".
#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "forms/Events.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace forms {

class Form;

class MenuItem : public QObject {
 public:
  // Appends a sub item.
  MenuItem* addItem(const QString& caption, const QString& shortcut = QString());
  int count() const { return int(items_.size()); }
  MenuItem* item(int index) const { return items_.at(index); }

  void setCaption(const QString& caption);
  QString caption() const { return caption_; }
  // Shortcut text as the menu shows it ("Ctrl+X"); "" for none.
  void setShortCut(const QString& shortcut);
  QString shortCut() const;
  void setChecked(bool on);
  bool checked() const { return checked_; }
  void setEnabled(bool on);
  bool enabled() const;
  void setVisible(bool on);
  bool visible() const;

  // Runs OnClick as the user's choice of the item does: nothing while it is disabled.
  void click();

  NotifyEvent OnClick;

  QAction* action() const { return action_; }

 private:
  friend class MainMenu;
  MenuItem(QObject* parent, QWidget* shortcutWindow, const QString& caption);
  QMenu* subMenu();

  QAction* action_;
  QWidget* shortcutWindow_;
  QMenu* menu_ = nullptr;
  QString caption_;
  bool checked_ = false;
  std::vector<MenuItem*> items_;
};

class MainMenu : public QObject {
 public:
  // Fills form's menu bar, above its client area; the client area moves down as the bar
  // grows, whatever the order in which entries and controls are added.
  explicit MainMenu(Form* form);

  // Appends a top-level entry (File, Option, ...).
  MenuItem* addItem(const QString& caption);
  int count() const { return int(items_.size()); }
  MenuItem* item(int index) const { return items_.at(index); }
  QMenuBar* bar() const { return bar_; }

 private:
  Form* form_;
  QMenuBar* bar_;
  std::vector<MenuItem*> items_;
};

}  // namespace forms
