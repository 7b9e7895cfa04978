#include "forms/Menu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "forms/Application.h"
#include "forms/Form.h"

namespace forms {

MenuItem::MenuItem(QObject* parent, QWidget* shortcutWindow, const QString& caption)
    : QObject(parent), action_(new QAction(this)), shortcutWindow_(shortcutWindow) {
  setCaption(caption);
  // Shortcuts work while the form is active, menu open or not.
  shortcutWindow_->addAction(action_);
  QObject::connect(action_, &QAction::triggered, this, [this] {
    action_->setChecked(checked_);  // check marks change only by the program
    invokeHandler(OnClick);
  });
}

QMenu* MenuItem::subMenu() {
  if (!menu_) {
    menu_ = new QMenu(shortcutWindow_);
    action_->setMenu(menu_);
    QObject::connect(menu_, &QMenu::aboutToShow, this, [this] { invokeHandler(OnClick); });
  }
  return menu_;
}

MenuItem* MenuItem::addItem(const QString& caption, const QString& shortcut) {
  auto* item = new MenuItem(this, shortcutWindow_, caption);
  if (!shortcut.isEmpty()) item->setShortCut(shortcut);
  subMenu()->addAction(item->action_);
  items_.push_back(item);
  return item;
}

void MenuItem::setCaption(const QString& caption) {
  caption_ = caption;
  // A separator is only its line: a text on it would be drawn beside the line.
  const bool separator = caption == QStringLiteral("-");
  action_->setSeparator(separator);
  action_->setText(separator ? QString() : caption);
}

void MenuItem::setShortCut(const QString& shortcut) {
  action_->setShortcut(QKeySequence(shortcut, QKeySequence::PortableText));
}

QString MenuItem::shortCut() const {
  return action_->shortcut().toString(QKeySequence::PortableText);
}

void MenuItem::setChecked(bool on) {
  checked_ = on;
  action_->setCheckable(on);
  action_->setChecked(on);
}

void MenuItem::setEnabled(bool on) {
  action_->setEnabled(on);
}
bool MenuItem::enabled() const {
  return action_->isEnabled();
}
void MenuItem::setVisible(bool on) {
  action_->setVisible(on);
}
bool MenuItem::visible() const {
  return action_->isVisible();
}

void MenuItem::click() {
  if (enabled()) invokeHandler(OnClick);
}

MainMenu::MainMenu(Form* form) : QObject(form), form_(form), bar_(form->menuBar()) {}

MenuItem* MainMenu::addItem(const QString& caption) {
  auto* item = new MenuItem(this, form_, caption);
  bar_->addAction(item->action_);
  items_.push_back(item);
  return item;
}

}  // namespace forms
