// Main of every test program: a headless Qt application, and settings and runtime folders
// of each test's own, so that tests never touch the user's folders, never see what an
// earlier test saved, and parallel test programs never see each other's windows or locks.
// Every test starts with the run time's separators "." and ",", whatever the runner's
// locale; a test that wants others sets them itself.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "runtime/FloatText.h"

namespace {

// Points XDG_CONFIG_HOME, XDG_RUNTIME_DIR and the test framework's scratch folder
// (testing::TempDir) at fresh folders under dir. The scratch folder matters because the same
// test may run twice at once: alone and inside its program's whole run.
bool useFoldersIn(const QTemporaryDir& dir) {
  if (!dir.isValid()) return false;
  const QByteArray config = (dir.path() + "/config").toLocal8Bit();
  const QByteArray runtime = (dir.path() + "/runtime").toLocal8Bit();
  const QByteArray scratch = (dir.path() + "/tmp").toLocal8Bit();
  if (mkdir(config.constData(), 0700) != 0 || mkdir(runtime.constData(), 0700) != 0 ||
      mkdir(scratch.constData(), 0700) != 0)
    return false;
  setenv("XDG_CONFIG_HOME", config.constData(), 1);
  setenv("XDG_RUNTIME_DIR", runtime.constData(), 1);
  setenv("TEST_TMPDIR", scratch.constData(), 1);
  return true;
}

// Gives every test new folders and the separators "." and "," before it starts (its fixture
// included) and removes the folders after it ends (its fixture destroyed). Only this process's
// separators are set: programs a test starts still take the locale it gives them.
class PrivateFolders : public testing::EmptyTestEventListener {
 public:
  void OnTestStart(const testing::TestInfo&) override {
    folders_ = std::make_unique<QTemporaryDir>();
    if (!useFoldersIn(*folders_)) ADD_FAILURE() << "no temporary folders for the test";
    runtime::setDecimalSeparator(u'.');
    runtime::setThousandSeparator(u',');
  }
  void OnTestEnd(const testing::TestInfo&) override { folders_.reset(); }

 private:
  std::unique_ptr<QTemporaryDir> folders_;
};

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Folders for what runs outside a test (the application object, suite set-ups).
  QTemporaryDir scratch;
  if (!useFoldersIn(scratch)) return 2;
  QApplication app(argc, argv);
  testing::InitGoogleMock(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new PrivateFolders);
  return RUN_ALL_TESTS();
}
