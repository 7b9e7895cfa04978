// The whole program on the real termios layer, against the simulator on a pseudo-terminal.
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include <gtest/gtest.h>
#include "common/TestPorts.h"
#include "designer_launcher.h"
#include "forms/ScriptedDialogs.h"
#include "platform/PosixSerialPort.h"
#include "program_fixture.h"
#include "sim/NetworkFile.h"
#include "sim/PtyHarness.h"
#include "vondrix/detail/DetailWindows.h"
#include "vondrix/network/MainScreen.h"
#include "vondrix/network/Program.h"
#include "vondrix/network/ProgressForm.h"
#include "vondrix/network/SplashForm.h"

namespace {

// Receivers served on a pseudo-terminal, and the program on it as COM1.
class EndToEnd : public ::testing::Test {
 protected:
  void add(sim::Model model, int address, const char* name) {
    bus.add(sim::Receiver::make(model, address)).name = name;
  }
  vondrix::TForm1& start() {
    std::string error;
    EXPECT_TRUE(harness.start(&error)) << error;
    backend = std::make_unique<platform::PosixSerialBackend>(
        platform::PortDirectory({{1, harness.slavePath()}}));
    owned = std::make_unique<vondrix::Program>(*backend);
    return StartUpToAddress(*owned, 3);
  }
  std::vector<std::string> lines() {
    return harness.withBus([](sim::Bus& b) { return b.lines(); });
  }
  void clearLog() {
    harness.withBus([](sim::Bus& b) { b.clearLog(); });
  }
  // The pointer on the "..." button of slot's panel; the button.
  QWidget* hoverMore(vondrix::TForm1& m, int slot) {
    QWidget* more = m.PanelButtons[slot][1];
    HoverOver(m, more, QPoint(5, 5));
    return more;
  }
  void clickMore(vondrix::TForm1& m, int slot) {
    QTest::mouseClick(hoverMore(m, slot), Qt::LeftButton, {}, QPoint(5, 5));
  }

  sim::Bus bus;
  sim::PtyHarness harness{bus};
  forms::ScriptedDialogs dialogs;
  std::unique_ptr<platform::PosixSerialBackend> backend;
  std::unique_ptr<vondrix::Program> owned;
};

TEST_F(EndToEnd, DetectsPollsAndMarksASilentReceiverOfflineOverARealPort) {
  add(sim::Model::Q5V, 1, "VOCAL1");
  add(sim::Model::Z3K, 2, "KEYS  ");
  vondrix::TForm1& m = start();
  vondrix::Program& program = *owned;
  ASSERT_EQ(program.Slots.ReceiverCount, 2);
  EXPECT_EQ(m.PanelLabels[1][0]->caption(), "01 VOCAL1");
  EXPECT_EQ(m.PanelLabels[2][0]->caption(), "02 KEYS  ");
  EXPECT_EQ(program.Bus.SelectedPortName, "COM1");

  m.Timer1Timer();
  EXPECT_EQ(program.Slots.ReceiverOffline[1] + program.Slots.ReceiverOffline[2], 0);
  harness.withBus([](sim::Bus& b) { b.at(2)->fault = {.kind = sim::Fault::Silent}; });
  m.Timer1Timer();
  m.Timer1Timer();
  EXPECT_EQ(program.Slots.ReceiverOffline[2], 1);
  EXPECT_EQ(program.Slots.ReceiverOffline[1], 0);
  m.Timer2Timer();
  EXPECT_EQ(m.PanelLabels[2][0]->fontColor(), forms::clRed);
  m.Timer2Timer();
  EXPECT_EQ(m.PanelLabels[2][0]->fontColor(), forms::clSilver);
  const std::vector<std::string> polled = lines();
  EXPECT_EQ(std::count(polled.begin(), polled.end(), "%02N\r"), 1 + 1 + 3);
}

TEST_F(EndToEnd, TheDetailButtonOpensAPollingWindowAndPausesTheMainScreen) {
  add(sim::Model::Q5V, 1, "VOCAL1");
  vondrix::TForm1& m = start();
  vondrix::Program& program = *owned;
  ASSERT_EQ(program.Slots.ReceiverCount, 1);
  dialogs.boxes.clear();  // the first start's region box
  auto count = [&](const std::string& line) {
    const std::vector<std::string> got = lines();
    return std::count(got.begin(), got.end(), line);
  };

  // The pointer over the panel, then a click on its "..." button.
  QWidget* more = hoverMore(m, 1);
  clearLog();
  QTest::mouseClick(more, Qt::LeftButton, {}, QPoint(5, 5));
  vondrix::TForm3& w = *program.Form3;
  ASSERT_TRUE(w.isVisible());
  EXPECT_EQ(lines(), (std::vector<std::string>{"%01B\r", "%01J\r", "%01C\r", "%01A\r", "%01D\r",
                                               "%01E\r", "%01I\r", "%01H\r", "%01F\r"}));
  EXPECT_EQ(w.Edit2->text(), "VOCAL1");

  // The window polls; the main screen's poll waits.
  clearLog();
  QTest::qWait(400);
  EXPECT_GE(count("%01N\r"), 3);
  EXPECT_EQ(count("%01A\r"), 0);
  EXPECT_TRUE(w.StaticText50->visible());

  w.close();
  EXPECT_EQ(program.Net.PollingEnabled, 1);
  clearLog();
  QTest::qWait(400);
  EXPECT_GE(count("%01A\r"), 1);
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(EndToEnd, ADetailWindowTunesByEnterAndItsScanFindsTheMicrophoneAsThePeak) {
  // A receiver on a 1 MHz band from 798.000 MHz, its microphone on the air at 798.400 MHz.
  sim::Receiver& r = bus.add(sim::Receiver::make(sim::Model::Q5V, 1));
  r.bandStartCode = 31920, r.bandSteps = 40, r.frequencyCode = 31920;
  bus.carriers = {{31936, 45}};
  vondrix::TForm1& m = start();
  vondrix::Program& program = *owned;
  ASSERT_EQ(program.Slots.ReceiverCount, 1);
  clickMore(m, 1);
  vondrix::TForm3& w = *program.Form3;
  ASSERT_TRUE(w.isVisible());

  w.Edit6->clear();
  QTest::keyClicks(w.Edit6, "798.31");
  clearLog();
  QTest::keyClick(w.Edit6, Qt::Key_Return);
  EXPECT_EQ(w.Edit6->text(), "798.300");
  EXPECT_EQ(lines().front(), "#01K7CBC\r");
  EXPECT_EQ(harness.withBus([](sim::Bus& b) { return b.at(1)->frequencyCode; }), 31932);

  clearLog();
  QTest::mouseClick(w.BitBtn18, Qt::LeftButton);  // Run, Single: from the band start
  const auto scan = lines();
  EXPECT_EQ(
      std::count_if(scan.begin(), scan.end(), [](const std::string& l) { return l[3] == 'K'; }),
      41);
  EXPECT_EQ(scan[scan.size() - 2], "#01K7CD8\r");  // the band stop, 799.000 MHz
  EXPECT_EQ(w.BitBtn18->caption(), "Run");

  clearLog();
  QTest::mouseClick(w.BitBtn19, Qt::LeftButton);  // Peak
  EXPECT_EQ(w.Edit6->text(), "798.400");
  EXPECT_EQ(w.StaticText31->caption(), "798.400MHZ");
  EXPECT_EQ(lines().front(), "#01K7CC0\r");
  EXPECT_EQ(harness.withBus([](sim::Bus& b) { return b.at(1)->frequencyCode; }), 31936);
  EXPECT_TRUE(w.Timer2->enabled());
  w.close();
}

// Vondrix starts the real designer (calyxon-drive playing the operator): Calyxon learns the
// receiver's address, offers only that address under Tool > Upload, downloads into the
// receiver over the port Vondrix handed over, and once it is closed Vondrix has its port back.
TEST_F(EndToEnd, TheDesignerGetsThePortAndTheAddressAndGivesThePortBack) {
  add(sim::Model::Z3K, 2, "KEYS  ");
  vondrix::TForm1& m = start();
  vondrix::Program& program = *owned;
  ASSERT_EQ(program.Slots.ReceiverCount, 1);
  dialogs.boxes.clear();
  // Calyxon finds the receivers through the same port map.
  ASSERT_TRUE(WriteTestPorts("COM1=" + harness.slavePath() + "\n"));

  QTemporaryDir folder;
  const QString script = folder.path() + "/operator", err = folder.path() + "/err",
                rc = folder.path() + "/rc";
  QFile actions(script);
  ASSERT_TRUE(actions.open(QIODevice::WriteOnly));
  actions.write(
      "wait 2500\n"
      "expect ComboBox3 2\n"
      "menu Tool>Upload>2\n"
      "expect-status End of EQ Download.\\n\n"
      "menu Tool>Upload>1\n");  // fails: only the receiver's address is offered
  actions.close();
  const QString launcher = WriteDesignerLauncher(
      folder.path(), QString("'%1' '%2' --time-limit 60 2>'%3'; echo $? >'%4'")
                         .arg(CALYXON_DRIVE, script, err, rc));
  ASSERT_FALSE(launcher.isEmpty());
  program.DesignerProgram = launcher.toStdString();

  clickMore(m, 1);
  vondrix::TForm7& w = *program.Form7;
  ASSERT_TRUE(w.isVisible());
  w.PageControl1->setCurrentIndex(2);
  QTest::mouseClick(w.BitBtn1, Qt::LeftButton);
  EXPECT_FALSE(w.isVisible());
  EXPECT_FALSE(program.Bus.ComPortHandle);

  ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(rc); }, 90000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.isVisible(); }, 3000));
  auto text = [](const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
  };
  const QString failures = text(err);
  EXPECT_EQ(text(rc).trimmed(), "2");
  EXPECT_EQ(failures.count("calyxon-drive:"), 1) << failures.toStdString();
  EXPECT_TRUE(failures.contains("line 5 (menu): no entry \"1\" shown in \"Upload\""))
      << failures.toStdString();
  EXPECT_TRUE(harness.withBus([](sim::Bus& b) { return b.at(2)->eqSlots.count(9) == 1; }));

  EXPECT_TRUE(program.Bus.ComPortHandle);
  clearLog();
  QTest::qWait(500);
  const std::vector<std::string> polled = lines();
  EXPECT_GE(std::count(polled.begin(), polled.end(), "%02N\r"), 1);
  for (const auto& box : dialogs.boxes) ADD_FAILURE() << "box: " << box.text.toStdString();
}

}  // namespace
