// The designer that a test's Vondrix starts: an executable "calyxon" in a folder of the test
// that runs command (a shell command line), so that the launch goes through the real shell
// stand-in and starts whatever stands in for the designer.
#pragma once

#include <QFile>
#include <QString>

// Writes folder/calyxon and returns its path, or "" when it cannot be written.
inline QString WriteDesignerLauncher(const QString& folder, const QString& command) {
  const QString path = folder + "/calyxon";
  QFile script(path);
  if (!script.open(QIODevice::WriteOnly)) return {};
  script.write(("#!/bin/sh\n" + command + "\n").toLocal8Bit());
  script.close();
  script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return path;
}
