// The port list of the test's own settings folder: the whole port map of the programs a test
// runs, in its process or not.
#pragma once

#include <QDir>
#include <QFileInfo>
#include <fstream>
#include <string>

#include "platform/PortDirectory.h"

// Writes SerialPorts.ini with a [Ports] section of lines ("COM1=/dev/ttyS90\n"); false when
// the file could not be written.
inline bool WriteTestPorts(const std::string& lines) {
  const std::string path = platform::PortDirectory::configFile();
  QDir().mkpath(QFileInfo(QString::fromStdString(path)).path());
  std::ofstream file(path);
  file << "[Ports]\n" << lines;
  file.close();
  return !file.fail();
}
