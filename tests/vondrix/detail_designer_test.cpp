// The second model's designer launch and watch, against a stand-in designer program
// (designer_standin) that publishes a window titled "Calyxon" and notes the messages it gets.
// The program's timers run on the virtual clock; the stand-in is another process and runs in
// real time, so the tests wait for it (bounded) without letting the program's events through.
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <functional>

#include "designer_launcher.h"
#include "detail_fixture.h"
#include "platform/WindowDirectory.h"
#include "vondrix/detail/TuningMath.h"

namespace {

using sim::Model;
using vondrix::TForm7;

class DesignerLaunch : public DetailTest {
 protected:
  TForm7& open() {
    add(Model::Z3K, 7);
    run();
    openSlot(1);
    dialogs.boxes.clear();
    bus.clearLog();
    return *program.Form7;
  }
  // "calyxon" in the test's folder starts the stand-in, which publishes its window after
  // delayMs of real time.
  void installDesigner(int delayMs) {
    const QString path = WriteDesignerLauncher(
        folder.path(),
        QString("exec '%1' '%2' %3").arg(DESIGNER_STANDIN, messagesFile()).arg(delayMs));
    ASSERT_FALSE(path.isEmpty());
    program.DesignerProgram = path.toStdString();
  }
  QString messagesFile() const { return folder.path() + "/messages"; }
  // The messages the stand-in got, one "message wParam lParam" line each.
  QStringList messages() const {
    QFile file(messagesFile());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(file.readAll()).split('\n', Qt::SkipEmptyParts);
  }
  static bool waitFor(const std::function<bool()>& done, int ms = 10000) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
      if (waited.elapsed() > ms) return false;
      QThread::msleep(5);
    }
    return true;
  }
  static bool designerShown() { return !platform::findWindows("Calyxon").empty(); }
  // Ends the stand-in and waits until it has gone.
  bool quitDesigner() {
    const QString quit = messagesFile() + ".quit";
    QFile(quit).open(QIODevice::WriteOnly);
    return waitFor([&] { return !QFile::exists(quit); }) && !designerShown();
  }
  bool portOpen() const { return backend.isOpen("COM1") && program.Bus.ComPortHandle; }

  QTemporaryDir folder;
};

TEST_F(DesignerLaunch, HandsThePortToTheDesignerAndTakesItBackWhenItsWindowIsGone) {
  TForm7& w = open();
  installDesigner(0);
  // Launched while the RF monitor runs (and a scan is said to run): both end first, and not
  // a line goes out on the closed port.
  w.BitBtn4->setCaption("Stop");
  int samples = 0;
  bus.setLineObserver([&](const sim::LoggedLine& l) {
    if (l.line == "%07N\r" && ++samples == 2)
      QMetaObject::invokeMethod(
          qApp, [&] { w.BitBtn1->click(); }, Qt::QueuedConnection);
  });
  w.BitBtn8->click();
  EXPECT_EQ(count("%07N\r"), 2);
  EXPECT_EQ(w.monitor().MonitorRunning, 0);
  EXPECT_EQ(w.BitBtn4->caption(), "Run");
  EXPECT_FALSE(portOpen());
  EXPECT_FALSE(w.isVisible());
  EXPECT_FALSE(w.Timer1->enabled());  // idle until the port is back
  EXPECT_TRUE(w.Timer2->enabled());
  EXPECT_EQ(program.Net.PollingEnabled, 0);  // hidden, not closed: the main screen waits

  ASSERT_TRUE(waitFor(designerShown));
  runTimers(1500);  // one message a watch tick
  ASSERT_TRUE(waitFor([&] { return messages().size() >= 3; }));
  EXPECT_EQ(messages(), (QStringList{"34640 0 7", "34640 0 7", "34640 0 7"}));
  EXPECT_FALSE(portOpen());
  EXPECT_FALSE(w.isVisible());

  ASSERT_TRUE(quitDesigner());
  bus.clearLog();
  runTimers(500);
  EXPECT_TRUE(portOpen());
  EXPECT_TRUE(w.isVisible());
  EXPECT_FALSE(w.Timer2->enabled());
  EXPECT_TRUE(w.Timer1->enabled());
  EXPECT_EQ(w.StaticText28->caption(), "07");
  runTimers(100);
  EXPECT_GE(count("%07N\r"), 1);  // the window polls its receiver again
  EXPECT_EQ(messages().size(), 3);
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(DesignerLaunch, ALaunchDuringAScanEndsTheScanBeforeThePortCloses) {
  TForm7& w = open();
  installDesigner(0);
  w.RadioButton8->setChecked(true);  // Continuous: the scan would not end by itself
  size_t linesAtLaunch = 0;
  int tunes = 0;
  bus.setLineObserver([&](const sim::LoggedLine& l) {
    if (l.line.size() > 3 && l.line[3] == 'K' && ++tunes == 5)
      QMetaObject::invokeMethod(
          qApp,
          [&] {
            linesAtLaunch = bus.lines().size();
            w.BitBtn1->click();
          },
          Qt::QueuedConnection);
  });
  w.BitBtn4->click();  // Run
  ASSERT_GT(linesAtLaunch, 0u);
  EXPECT_EQ(bus.lines().size(), linesAtLaunch);  // nothing went out after the launch
  EXPECT_EQ(w.BitBtn4->caption(), "Run");
  // The field and the marker label name the frequency the receiver was tuned to last.
  const std::vector<std::string> tuneLines = linesOf('#', 'K');
  ASSERT_FALSE(tuneLines.empty());
  EXPECT_EQ(std::stoi(tuneLines.back().substr(4, 4), nullptr, 16),
            std::lround(vondrix::KhzOfText(w.EditEx1->text()) / 25));
  EXPECT_EQ(w.StaticText60->caption(), w.EditEx1->text() + "MHZ");
  EXPECT_FALSE(w.isVisible());
  EXPECT_FALSE(w.Timer1->enabled());
  ASSERT_TRUE(waitFor(designerShown));
  runTimers(500);
  ASSERT_TRUE(waitFor([&] { return messages().size() == 1; }));
  ASSERT_TRUE(quitDesigner());
  runTimers(500);
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(w.Timer1->enabled());  // the poll the scan had held off is back
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(DesignerLaunch, KeepsThePortUntilTheDesignersWindowHasAppeared) {
  TForm7& w = open();
  installDesigner(1500);
  w.BitBtn1->click();
  runTimers(1000);  // the stand-in is still starting: no window yet
  EXPECT_FALSE(designerShown());
  EXPECT_FALSE(portOpen());
  EXPECT_FALSE(w.isVisible());
  ASSERT_TRUE(waitFor(designerShown));
  runTimers(500);
  ASSERT_TRUE(waitFor([&] { return messages().size() == 1; }));
  ASSERT_TRUE(quitDesigner());
  runTimers(500);
  EXPECT_TRUE(portOpen());
  EXPECT_TRUE(w.isVisible());
}

TEST_F(DesignerLaunch, TheMainScreenWaitsWhileTheDesignerIsStillStarting) {
  TForm7& w = open();
  installDesigner(60000);
  w.BitBtn1->click();
  runTimers(1000);
  ASSERT_FALSE(designerShown());
  hoverSlot(1);
  bus.clearLog();
  EXPECT_TRUE(guardedCommandsWait());
  EXPECT_FALSE(portOpen());  // neither reset took the port back from the designer
  EXPECT_FALSE(w.isVisible());
  runTimers(9500);  // given up: the port is Vondrix's again, and so is the main screen
  ASSERT_TRUE(portOpen());
  bus.clearLog();
  program.Form1->BitBtn1Click();
  EXPECT_EQ(bus.lines().front(), "%07B\r");
  EXPECT_TRUE(quitDesigner());
}

TEST_F(DesignerLaunch, ADesignerWhoseWindowNeverComesGivesThePortBackAfterTenSeconds) {
  TForm7& w = open();
  installDesigner(60000);
  w.BitBtn1->click();
  runTimers(9500);
  EXPECT_FALSE(portOpen());
  EXPECT_FALSE(w.isVisible());
  runTimers(1000);
  EXPECT_TRUE(portOpen());
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(quitDesigner());
}

TEST_F(DesignerLaunch, WithoutADesignerTheWindowComesBackAtTheFirstTick) {
  TForm7& w = open();
  program.DesignerProgram = folder.path().toStdString() + "/calyxon";  // no such program
  w.BitBtn1->click();
  EXPECT_FALSE(w.isVisible());
  EXPECT_FALSE(portOpen());
  runTimers(500);
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(portOpen());
  EXPECT_TRUE(dialogs.boxes.empty());
}

}  // namespace
