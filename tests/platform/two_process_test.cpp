// The single-instance lock and the window directory seen from a second process.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <cstring>
#include <vector>

#include "platform/Paths.h"
#include "platform/SingleInstance.h"
#include "platform/WindowDirectory.h"

namespace {

QString peerLine(QProcess& p) {
  if (!p.canReadLine()) p.waitForReadyRead(5000);
  return QString::fromUtf8(p.readLine()).trimmed();
}

TEST(SingleInstance, ASecondProcessIsRefusedWhileTheFirstHoldsTheLock) {
  platform::SingleInstance mine("ORSEK TEST");
  ASSERT_TRUE(mine.acquired());
  QProcess peer;
  peer.start(PLATFORM_PEER, {"lock", "ORSEK TEST"});
  EXPECT_EQ(peerLine(peer), "refused");
  peer.closeWriteChannel();
  peer.waitForFinished(5000);
}

TEST(SingleInstance, TheLockIsFreeAgainWhenTheHolderEnds) {
  {
    QProcess peer;
    peer.start(PLATFORM_PEER, {"lock", "ORSEK OTHER"});
    ASSERT_EQ(peerLine(peer), "acquired");
    platform::SingleInstance whileHeld("ORSEK OTHER");
    EXPECT_FALSE(whileHeld.acquired());
    peer.kill();  // dies without releasing: the kernel frees the lock
    peer.waitForFinished(5000);
  }
  platform::SingleInstance after("ORSEK OTHER");
  EXPECT_TRUE(after.acquired());
}

TEST(WindowDirectory, AnotherProcessSeesTheWindowAndGetsThePostedTriple) {
  QProcess peer;
  peer.start(PLATFORM_PEER, {"window", "Calyxon"});
  ASSERT_EQ(peerLine(peer), "ready");
  auto windows = platform::findWindows("Calyxon");
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_TRUE(platform::findWindows("Calyxon 2").empty());
  EXPECT_TRUE(platform::findWindows("calyxon").empty());
  EXPECT_TRUE(platform::postMessage(windows.back(), 0x8750, 0, 17));
  EXPECT_EQ(peerLine(peer), QString("%1 0 17").arg(0x8750));
  ASSERT_TRUE(peer.waitForFinished(5000));
  EXPECT_FALSE(platform::isWindow(windows.back()));
  EXPECT_TRUE(platform::findWindows("Calyxon").empty());
}

TEST(WindowDirectory, OwnWindowsAreFoundNewestLastAndWithdrawnOnDestruction) {
  auto first = std::make_unique<platform::WindowPublication>("Calyxon");
  platform::WindowPublication second("Calyxon");
  platform::WindowPublication other("Calyxon Help");
  auto found = platform::findWindows("Calyxon");
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found.back(), second.handle());
  QProcess peer;
  peer.start(PLATFORM_PEER, {"find", "Calyxon"});
  EXPECT_EQ(peerLine(peer), "2");
  peer.waitForFinished(5000);
  first.reset();
  EXPECT_EQ(platform::findWindows("Calyxon").size(), 1u);
}

TEST(WindowDirectory, PostedTriplesArriveThroughTheEventLoop) {
  platform::WindowPublication window("Vondrix Test");
  std::vector<int64_t> got;
  QObject::connect(&window, &platform::WindowPublication::messagePosted,
                   [&](uint32_t m, uint64_t, int64_t l) {
                     if (m == 0x8750) got.push_back(l);
                   });
  ASSERT_TRUE(platform::postMessage(window.handle(), 0x8750, 0, 5));
  ASSERT_TRUE(platform::postMessage(window.handle(), 0x8750, 0, 40));
  EXPECT_TRUE(got.empty());  // nothing is handled before the loop runs
  QElapsedTimer t;
  t.start();
  while (got.size() < 2 && t.elapsed() < 5000) QCoreApplication::processEvents();
  EXPECT_EQ(got, (std::vector<int64_t>{5, 40}));
}

TEST(WindowDirectory, AnEntryLeftByACrashedProcessIsIgnoredAndCleaned) {
  QProcess peer;
  peer.start(PLATFORM_PEER, {"window", "Calyxon"});
  ASSERT_EQ(peerLine(peer), "ready");
  peer.kill();  // no chance to withdraw its entry
  peer.waitForFinished(5000);
  EXPECT_TRUE(platform::findWindows("Calyxon").empty());
}

TEST(WindowDirectory, AWindowWhoseProgramTakesNoConnectionsForAMomentIsStillThere) {
  // A published window whose program does not accept now: its queue of connections is full.
  const QString dir = QString::fromStdString(platform::runtimeDir()) + "/windows";
  ASSERT_TRUE(QDir().mkpath(dir));
  const QByteArray socketPath = QFile::encodeName(dir + "/w-0000000000000001-1-0001");
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(size_t(socketPath.size()), sizeof(address.sun_path));
  std::memcpy(address.sun_path, socketPath.constData(), socketPath.size());
  const int server = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_EQ(bind(server, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
  ASSERT_EQ(listen(server, 0), 0);
  std::vector<int> waiting;
  for (int i = 0; i < 8; ++i) {
    const int client = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
    if (connect(client, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
      close(client);
      break;
    }
    waiting.push_back(client);
  }
  QFile title(QString::fromLocal8Bit(socketPath) + ".title");
  ASSERT_TRUE(title.open(QIODevice::WriteOnly));
  title.write("Calyxon");
  title.close();

  EXPECT_EQ(platform::findWindows("Calyxon").size(), 1u);
  EXPECT_TRUE(title.exists());

  for (int fd : waiting) close(fd);
  close(server);
  EXPECT_TRUE(platform::findWindows("Calyxon").empty());  // now refused: a left-over
  EXPECT_FALSE(title.exists());
}

}  // namespace
