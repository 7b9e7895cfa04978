// post_window_message TITLE MESSAGE LPARAM: posts (MESSAGE, 0, LPARAM) to the newest window
// titled TITLE through the window directory, as another program does. Exit code 0 when posted,
// 1 when no such window takes it, 64 for bad arguments.
#include <QCoreApplication>
#include <QString>

#include "platform/WindowDirectory.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 4) return 64;
  bool okMessage = false, okParam = false;
  const auto message = QString(argv[2]).toUInt(&okMessage, 0);
  const auto lParam = QString(argv[3]).toLongLong(&okParam, 0);
  if (!okMessage || !okParam) return 64;
  const auto windows = platform::findWindows(QString::fromLocal8Bit(argv[1]));
  if (windows.empty()) return 1;
  return platform::postMessage(windows.back(), message, 0, lParam) ? 0 : 1;
}
