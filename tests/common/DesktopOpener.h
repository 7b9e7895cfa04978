// The desktop's opener, as the shell looks for it on PATH, for the life of the object: either
// a launcher records in its place what the program would have opened, or a real opener runs
// that fails at once, as xdg-open does on a desktop without a browser.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <string>
#include <vector>

#include "platform/Shell.h"

class DesktopOpener {
 public:
  enum Kind { Records, Fails };
  explicit DesktopOpener(Kind kind = Records) : path_(qgetenv("PATH")) {
    QFile opener(folder_.path() + "/xdg-open");
    opener.open(QIODevice::WriteOnly);
    opener.write(kind == Records ? "#!/bin/sh\n" : "#!/bin/sh\nexit 3\n");
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    qputenv("PATH", (folder_.path() + ":").toLocal8Bit() + path_);
    opened().clear();
    if (kind == Records) platform::setShellLauncher(&Launch);
  }
  ~DesktopOpener() {
    platform::setShellLauncher(nullptr);
    qputenv("PATH", path_);
  }
  DesktopOpener(const DesktopOpener&) = delete;
  DesktopOpener& operator=(const DesktopOpener&) = delete;

  // The documents opened so far, as absolute paths (Records only).
  static std::vector<std::string>& opened() {
    static std::vector<std::string> log;
    return log;
  }

  // Lets the program's events through until done() (a real opener has ended and the
  // program has seen it), for at most 10 s of real time; false if it never was.
  static bool waitFor(const std::function<bool()>& done) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
      if (waited.elapsed() > 10000) return false;
      QCoreApplication::processEvents();
      QThread::msleep(5);
    }
    return true;
  }

 private:
  static bool Launch(const std::string&, const std::string& argument,
                     const std::function<void()>&) {
    opened().push_back(argument);
    return true;
  }

  QTemporaryDir folder_;
  QByteArray path_;
};
