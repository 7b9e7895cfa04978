// The desktop's opener, as the shell looks for it on PATH, for the life of the object: a
// launcher records in its place what the program would have opened.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "platform/Shell.h"

class DesktopOpener {
 public:
  DesktopOpener() : path_(qgetenv("PATH")) {
    QFile opener(folder_.path() + "/xdg-open");
    opener.open(QIODevice::WriteOnly);
    opener.write("#!/bin/sh\n");
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    qputenv("PATH", (folder_.path() + ":").toLocal8Bit() + path_);
    opened().clear();
    platform::setShellLauncher(&Launch);
  }
  ~DesktopOpener() {
    platform::setShellLauncher(nullptr);
    qputenv("PATH", path_);
  }
  DesktopOpener(const DesktopOpener&) = delete;
  DesktopOpener& operator=(const DesktopOpener&) = delete;

  // The documents opened so far, as absolute paths.
  static std::vector<std::string>& opened() {
    static std::vector<std::string> log;
    return log;
  }

 private:
  static bool Launch(const std::string&, const std::string& argument) {
    opened().push_back(argument);
    return true;
  }

  QTemporaryDir folder_;
  QByteArray path_;
};
