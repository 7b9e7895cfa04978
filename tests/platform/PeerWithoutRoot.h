// Runs platform_peer without root's rights, so that a test meets what a user meets where
// permissions refuse: as this process's user, or, when the tests run as root, as the user
// "nobody".
#pragma once

#include <grp.h>
#include <unistd.h>
#include <QProcess>
#include <optional>
#include <string>

// What the peer printed, without the line end; nothing when no process without root's
// rights can be had here.
inline std::optional<std::string> PeerWithoutRoot(
    const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess peer;
  peer.setProcessEnvironment(environment);
  if (geteuid() == 0)
    peer.setChildProcessModifier([] {
      if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0) _exit(77);
    });
  peer.start(PLATFORM_PEER, arguments);
  if (!peer.waitForFinished(10000) || peer.exitCode() == 77) return std::nullopt;
  return QString::fromLocal8Bit(peer.readAllStandardOutput()).trimmed().toStdString();
}
