#include "platform/Shell.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "platform/Paths.h"

namespace platform {
namespace {

bool realLauncher(const std::string& program, const std::string& argument) {
  QStringList args;
  if (!argument.empty()) args << QString::fromStdString(argument);
  return QProcess::startDetached(QString::fromStdString(program), args);
}

ShellLauncher launcher = &realLauncher;

}  // namespace

void setShellLauncher(ShellLauncher l) {
  launcher = l ? l : &realLauncher;
}

bool openDocument(const std::string& path) {
  QString opener = QStandardPaths::findExecutable("xdg-open");
  if (opener.isEmpty() || !QFileInfo::exists(QString::fromStdString(path))) return false;
  return launcher(opener.toStdString(),
                  QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString());
}

bool startProgram(const std::string& program) {
  std::string path = program.find('/') == std::string::npos ? exeFolder() + program : program;
  QFileInfo info(QString::fromStdString(path));
  if (!info.exists() || !info.isExecutable()) return false;
  return launcher(path, {});
}

}  // namespace platform
