// Main of every test program: a headless Qt application and settings and runtime folders
// of its own, so that tests never touch the user's folders and parallel test programs
// never see each other's windows or locks.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QTemporaryDir scratch;
  if (!scratch.isValid()) return 2;
  const QByteArray config = (scratch.path() + "/config").toLocal8Bit();
  const QByteArray runtime = (scratch.path() + "/runtime").toLocal8Bit();
  mkdir(config.constData(), 0700);
  mkdir(runtime.constData(), 0700);
  setenv("XDG_CONFIG_HOME", config.constData(), 1);
  setenv("XDG_RUNTIME_DIR", runtime.constData(), 1);
  QApplication app(argc, argv);
  testing::InitGoogleMock(&argc, argv);
  return RUN_ALL_TESTS();
}
