#include "platform/Shell.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "platform/Paths.h"

namespace platform {
namespace {

// How long a document handler has to say that it cannot open the document. xdg-open decides
// within moments; after that it may be running the browser it chose in its foreground.
constexpr qint64 kVerdictMs = 10000;

// Starts program with argument and calls failed when it ends in failure within kVerdictMs.
// The process object is deleted when the process ends, and left alone if it still runs when
// this program ends: deleting a running QProcess would kill it, and the browser with it.
bool startWatched(const QString& program, const QStringList& args,
                  const std::function<void()>& failed) {
  auto* process = new QProcess;
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  process->setStandardInputFile(QProcess::nullDevice());
  QElapsedTimer since;
  since.start();
  QObject::connect(
      process, &QProcess::finished, process,
      [process, since, failed](int code, QProcess::ExitStatus status) {
        process->deleteLater();
        if (since.elapsed() < kVerdictMs && (status != QProcess::NormalExit || code != 0)) failed();
      });
  process->start(program, args);
  if (process->waitForStarted()) return true;
  delete process;
  return false;
}

bool realLauncher(const std::string& program, const std::string& argument,
                  const std::function<void()>& failed) {
  QStringList args;
  if (!argument.empty()) args << QString::fromStdString(argument);
  if (failed) return startWatched(QString::fromStdString(program), args, failed);
  return QProcess::startDetached(QString::fromStdString(program), args);
}

ShellLauncher launcher = &realLauncher;

}  // namespace

void setShellLauncher(ShellLauncher l) {
  launcher = l ? l : &realLauncher;
}

bool openDocument(const std::string& path, std::function<void()> failed) {
  QString opener = QStandardPaths::findExecutable("xdg-open");
  if (opener.isEmpty() || !QFileInfo::exists(QString::fromStdString(path))) return false;
  if (!failed) failed = [] {};
  return launcher(opener.toStdString(),
                  QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString(), failed);
}

bool startProgram(const std::string& program) {
  std::string path = program.find('/') == std::string::npos ? exeFolder() + program : program;
  QFileInfo info(QString::fromStdString(path));
  if (!info.exists() || !info.isExecutable()) return false;
  return launcher(path, {}, {});
}

}  // namespace platform
