#include "forms/Screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <ranges>

#include "forms/Button.h"
#include "forms/Control.h"
#include "forms/Edit.h"
#include "forms/Form.h"
#include "forms/Image.h"
#include "forms/Label.h"
#include "forms/Panel.h"
#include "forms/RadioButton.h"
#include "forms/Shapes.h"

namespace forms {

namespace {

QRect screenArea() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect();
}

// Graphic controls draw on their parent and have no window of their own.
bool hasWindow(const QWidget* w) {
  if (dynamic_cast<const Label*>(w)) return dynamic_cast<const StaticText*>(w) != nullptr;
  return !dynamic_cast<const Shape*>(w) && !dynamic_cast<const Pie*>(w) &&
         !dynamic_cast<const Image*>(w) && !dynamic_cast<const PaintBox*>(w) &&
         !qobject_cast<const QMenuBar*>(w);
}

}  // namespace

int screenWidth() {
  return screenArea().width();
}
int screenHeight() {
  return screenArea().height();
}

QPoint cursorPos() {
  return QCursor::pos();
}

QPoint screenToClient(const QWidget* widget, QPoint screenPoint) {
  return widget->mapFromGlobal(screenPoint) - clientOrigin(widget);
}

QWidget* childWindowFromPoint(QWidget* parent, QPoint clientPoint, bool skipDisabled,
                              bool skipInvisible) {
  const QPoint point = clientPoint + clientOrigin(parent);
  if (!parent->rect().contains(point)) return nullptr;
  const QObjectList& children = parent->children();
  for (QObject* child : std::views::reverse(children)) {
    auto* w = qobject_cast<QWidget*>(child);
    if (!w || w->isWindow() || !hasWindow(w)) continue;
    if (skipDisabled && w->testAttribute(Qt::WA_ForceDisabled)) continue;
    if (skipInvisible && w->isHidden()) continue;
    if (w->geometry().contains(point)) return w;
  }
  return parent;
}

QString windowText(const QWidget* widget) {
  if (const auto* form = dynamic_cast<const Form*>(widget)) return form->caption();
  if (const auto* panel = dynamic_cast<const Panel*>(widget)) return panel->caption();
  if (const auto* button = dynamic_cast<const QAbstractButton*>(widget)) return button->text();
  if (const auto* box = dynamic_cast<const GroupBox*>(widget)) return box->caption();
  if (const auto* text = dynamic_cast<const StaticText*>(widget)) return text->caption();
  if (const auto* edit = dynamic_cast<const Edit*>(widget)) return edit->text();
  return QString();
}

}  // namespace forms
