#include "platform/WindowDirectory.h"

#include <unistd.h>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QtEndian>

#include "platform/AtomicFile.h"
#include "platform/Paths.h"

namespace platform {
namespace {

constexpr int kTripleSize = 20;  // u32 message, u64 wParam, i64 lParam, little-endian
constexpr int kConnectWaitMs = 200;

QString windowsDir() {
  QString dir = QString::fromStdString(runtimeDir()) + "/windows";
  QDir().mkpath(dir);
  QFile::setPermissions(dir,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  return dir;
}

QString titleFileOf(const QString& socketPath) {
  return socketPath + ".title";
}

// Connects to a window's socket; a refused connect means the entry is stale.
bool connectTo(QLocalSocket& socket, const QString& socketPath, bool* stale) {
  socket.connectToServer(socketPath);
  if (socket.waitForConnected(kConnectWaitMs)) return true;
  QLocalSocket::LocalSocketError e = socket.error();
  if (stale)
    *stale = e == QLocalSocket::ServerNotFoundError || e == QLocalSocket::ConnectionRefusedError;
  return false;
}

void removeEntry(const QString& socketPath) {
  QFile::remove(titleFileOf(socketPath));
  QFile::remove(socketPath);
}

}  // namespace

WindowPublication::WindowPublication(const QString& title, QObject* parent)
    : QObject(parent), title_(title) {
  publish();
}

WindowPublication::~WindowPublication() {
  withdraw();
}

void WindowPublication::setTitle(const QString& title) {
  if (title == title_ && (server_ || title.isEmpty())) return;
  withdraw();
  title_ = title;
  publish();
}

void WindowPublication::publish() {
  if (title_.isEmpty()) return;
  static int serial = 0;
  // The name starts with the publication time, so a sorted listing is oldest first.
  QString name = QStringLiteral("w-%1-%2-%3")
                     .arg(QDateTime::currentMSecsSinceEpoch(), 16, 10, QLatin1Char('0'))
                     .arg(getpid())
                     .arg(++serial, 4, 10, QLatin1Char('0'));
  socketPath_ = windowsDir() + "/" + name;
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  QLocalServer::removeServer(socketPath_);
  if (!server_->listen(socketPath_)) {
    delete server_;
    server_ = nullptr;
    return;
  }
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* s = server_->nextPendingConnection()) {
      connect(s, &QLocalSocket::readyRead, this, [this, s] { readFrom(s); });
      connect(s, &QLocalSocket::disconnected, this, [this, s] {
        readFrom(s);
        s->deleteLater();
      });
      readFrom(s);
    }
  });
  // A title that cannot be written leaves the window unlisted, as a window without one.
  (void)SaveFileAtomically(QFile::encodeName(titleFileOf(socketPath_)).toStdString(),
                           title_.toStdString());
}

void WindowPublication::withdraw() {
  if (!server_) return;
  server_->close();
  delete server_;
  server_ = nullptr;
  removeEntry(socketPath_);
  socketPath_.clear();
}

void WindowPublication::readFrom(QLocalSocket* socket) {
  while (socket->bytesAvailable() >= kTripleSize) {
    QByteArray b = socket->read(kTripleSize);
    const uchar* p = reinterpret_cast<const uchar*>(b.constData());
    uint32_t message = qFromLittleEndian<quint32>(p);
    uint64_t wParam = qFromLittleEndian<quint64>(p + 4);
    int64_t lParam = qFromLittleEndian<qint64>(p + 12);
    emit messagePosted(message, wParam, lParam);
  }
}

std::vector<WindowHandle> findWindows(const QString& title) {
  std::vector<WindowHandle> found;
  QDir dir(windowsDir());
  const QStringList entries = dir.entryList({"w-*.title"}, QDir::Files, QDir::Name);
  for (const QString& entry : entries) {
    QString socketPath = dir.filePath(entry.chopped(6));
    QFile f(dir.filePath(entry));
    if (!f.open(QIODevice::ReadOnly)) continue;
    QString t = QString::fromUtf8(f.readAll());
    if (t != title) continue;
    // Only a refused connection proves the window gone: one that is busy (its program not
    // taking connections for a moment) is still there.
    QLocalSocket probe;
    bool stale = false;
    if (!connectTo(probe, socketPath, &stale) && stale) {
      removeEntry(socketPath);
      continue;
    }
    probe.abort();
    found.push_back({socketPath, t});
  }
  return found;
}

bool isWindow(const WindowHandle& window) {
  if (window.socketPath.isEmpty() || !QFile::exists(titleFileOf(window.socketPath))) return false;
  QLocalSocket probe;
  if (!connectTo(probe, window.socketPath, nullptr)) return false;
  probe.disconnectFromServer();
  return true;
}

bool postMessage(const WindowHandle& window, uint32_t message, uint64_t wParam, int64_t lParam) {
  QLocalSocket socket;
  if (window.socketPath.isEmpty() || !connectTo(socket, window.socketPath, nullptr)) return false;
  uchar b[kTripleSize];
  qToLittleEndian<quint32>(message, b);
  qToLittleEndian<quint64>(wParam, b + 4);
  qToLittleEndian<qint64>(lParam, b + 12);
  socket.write(reinterpret_cast<const char*>(b), kTripleSize);
  socket.waitForBytesWritten(kConnectWaitMs);
  socket.disconnectFromServer();
  return true;
}

}  // namespace platform
