// The title that the window system shows for a window.
#pragma once

#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>
#include <QWidget>
#include <QWindow>

namespace forms {

// Whether the program has given Qt an application display name: one that is not set
// follows the application name.
inline bool applicationDisplayNameIsSet() {
  const QString name = QCoreApplication::applicationName();
  QCoreApplication::setApplicationName(name + QStringLiteral(" (probe)"));
  const bool set = QGuiApplication::applicationDisplayName() != QCoreApplication::applicationName();
  QCoreApplication::setApplicationName(name);
  return set;
}

// The title of window's native window as the desktop platforms send it to the window
// system: Qt appends " — " and the application display name, when one is set, to every
// title that does not already end with it, and shows the application name for an empty
// title. The offscreen platform of the tests skips that step, so it is redone here.
inline QString windowSystemTitle(QWidget& window) {
  window.winId();  // the native window
  const QString title = window.windowHandle()->title();
  const QString display = QGuiApplication::applicationDisplayName();
  if (applicationDisplayNameIsSet() && !title.endsWith(display))
    return title.isEmpty() ? display : title + QStringLiteral(" \u2014 ") + display;
  return title.isEmpty() ? QCoreApplication::applicationName() : title;
}

}  // namespace forms
