// The programs' own defence against a file-size limit, seen from outside: they are started
// with SIGXFSZ at its default (which ends a process) whatever this test process does, and
// under a limit when one is given.
#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QThread>

#include "platform/WindowDirectory.h"

// Makes process start with SIGXFSZ at its default action and, when limit is given, with
// files limited to limit bytes.
inline void StartWithDefaultFileSizeSignal(QProcess& process, rlim_t limit = RLIM_INFINITY) {
  process.setChildProcessModifier([limit] {
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(SIGXFSZ, &fallback, nullptr);
    if (limit != RLIM_INFINITY) {
      const rlimit lower{limit, limit};
      setrlimit(RLIMIT_FSIZE, &lower);
    }
  });
}

// Whether the running process pid ignores SIGXFSZ (the SigIgn mask of /proc/PID/status).
inline bool IgnoresFileSizeSignal(qint64 pid) {
  QFile status(QString("/proc/%1/status").arg(pid));
  if (!status.open(QIODevice::ReadOnly)) return false;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (!line.startsWith("SigIgn:")) continue;
    const unsigned long long mask = line.mid(7).trimmed().toULongLong(nullptr, 16);
    return (mask >> (SIGXFSZ - 1) & 1) != 0;
  }
  return false;
}

// Starts program as StartWithDefaultFileSizeSignal does, waits (at most 10 s) until it lists a
// window titled title, and tells whether it then ignores SIGXFSZ; the program is killed after.
inline bool RunningProgramIgnoresFileSizeSignal(const QString& program, const QString& title) {
  QProcess process;
  StartWithDefaultFileSizeSignal(process);
  process.start(program, {});
  if (!process.waitForStarted(5000)) return false;
  QElapsedTimer waited;
  waited.start();
  while (platform::findWindows(title).empty() && waited.elapsed() < 10000) QThread::msleep(20);
  const bool ignores =
      !platform::findWindows(title).empty() && IgnoresFileSizeSignal(process.processId());
  process.kill();
  process.waitForFinished(5000);
  return ignores;
}
