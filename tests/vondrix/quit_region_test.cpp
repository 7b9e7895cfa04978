// Quitting, the region setting, help and the program entry.
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <filesystem>
#include <optional>

#include "common/DesktopOpener.h"
#include "common/FileBytes.h"
#include "common/FileSizeLimit.h"
#include "common/FileSizeSignal.h"
#include "platform/Paths.h"
#include "platform/WindowDirectory.h"
#include "program_fixture.h"
#include "vondrix/network/AboutForm.h"

namespace {

using sim::Model;
using vondrix::TForm1;

TEST_F(ProgramTest, CancelKeepsPollingAndOkStopsItBeforeTheBroadcast) {
  add(Model::Q5V, 5);
  TForm1& m = start();
  dialogs.answer("Cancel");
  bool canClose = true;
  m.FormCloseQuery(canClose);
  EXPECT_FALSE(canClose);
  EXPECT_TRUE(m.Timer1->enabled());
  ASSERT_EQ(dialogs.boxes.back().text, "Really Want To Quit ?");
  EXPECT_EQ(dialogs.boxes.back().caption, "Vondrix");
  EXPECT_EQ(dialogs.boxes.back().style, 33);

  dialogs.answer("OK");
  m.FormCloseQuery(canClose);
  EXPECT_TRUE(canClose);
  EXPECT_FALSE(m.Timer1->enabled());
  bus.clearLog();
  const uint32_t t0 = clock.tickCount();
  forms::CloseAction action = forms::caHide;
  m.FormClose(action);
  EXPECT_EQ(bus.lines(), (std::vector<std::string>{"#00A0\r", "#00A0\r"}));
  EXPECT_GE(clock.tickCount() - t0, 400u);
  EXPECT_EQ(bus.log()[1].atMs - bus.log()[0].atMs, 200u);
  EXPECT_EQ(action, forms::caFree);
  EXPECT_FALSE(backend.isOpen("COM1"));
  EXPECT_FALSE(program.Form2->isVisible());  // the splash closes: the program ends
}

TEST_F(ProgramTest, AQuitDuringDetectionEndsThePortSearchThenAsks) {
  struct Row {
    const char* label;
    void (*quit)(TForm1&);
    const char* answer;
  } rows[] = {
      {"close box, OK", [](TForm1& m) { m.close(); }, "OK"},
      {"File > Exit, OK", [](TForm1& m) { m.Exit1->click(); }, "OK"},
      {"close box, Cancel", [](TForm1& m) { m.close(); }, "Cancel"},
  };
  for (const Row& r : rows) {
    sim::Bus later, first;  // COM2 is swept first and has nobody; COM1 has a receiver
    later.add(sim::Receiver::make(Model::Q5V, 3));
    sim::FakeSerialBackend ports;
    ports.attach("COM1", later);
    ports.attach("COM2", first);
    forms::ScriptedDialogs answers;
    vondrix::Program p(ports);
    p.CreateForms();
    p.Form2->Timer1Timer();
    TForm1& m = *p.Form1;
    ASSERT_EQ(p.Slots.ReceiverCount, 1) << r.label;
    first.clearLog();
    later.clearLog();
    bool quitAsked = false;
    first.setLineObserver([&](const sim::LoggedLine& l) {
      if (l.line != "#10A1\r" || std::exchange(quitAsked, true)) return;
      // The operator quits while the sweep of COM2 runs.
      QMetaObject::invokeMethod(
          qApp, [&m, &r] { r.quit(m); }, Qt::QueuedConnection);
    });
    answers.answer(r.answer);
    m.AutoDetectReceivers1Click();
    EXPECT_EQ(first.lines().back(), "#10A1\r") << r.label << ": the sweep ends there";
    EXPECT_TRUE(later.lines().empty()) << r.label << ": no further port is tried";
    EXPECT_EQ(answers.texts(forms::DialogKind::MessageBox),
              std::vector<QString>{"Really Want To Quit ?"})
        << r.label;
    EXPECT_FALSE(p.Net.Detecting) << r.label;
    EXPECT_FALSE(p.Form4->isVisible()) << r.label;
    if (std::string(r.answer) == "OK") {
      EXPECT_TRUE(p.Ending) << r.label;
      EXPECT_EQ(platform::Settings("Vondrix").read("TV"), "5") << r.label << ": region written";
    } else {
      EXPECT_FALSE(p.Ending) << r.label;
      EXPECT_TRUE(m.isVisible()) << r.label;
      m.AutoDetectReceivers1Click();  // the program goes on: a new search finds COM1's receiver
      EXPECT_EQ(p.Slots.ReceiverCount, 1) << r.label;
      EXPECT_TRUE(m.Timer1->enabled()) << r.label;
    }
  }
}

TEST_F(ProgramTest, TheRegionIsCheckedWrittenAtQuitAndReadAtTheNextStart) {
  add(Model::Q5V, 5);
  {
    TForm1& m = start();
    m.Japan1Click();
    EXPECT_TRUE(m.Japan1->checked());
    EXPECT_FALSE(m.Taiwan1->checked());
    EXPECT_EQ(program.TvRegion, 4);
    dialogs.answer("OK");
    m.Exit1Click();
    EXPECT_EQ(bus.lines().back(), "#00A0\r");
  }
  EXPECT_EQ(platform::Settings("Vondrix").read("TV"), "4");
  vondrix::Program next(backend);
  next.CreateForms();
  next.Form2->Timer1Timer();
  EXPECT_EQ(next.TvRegion, 4);
  EXPECT_TRUE(next.Form1->Japan1->checked());
  EXPECT_FALSE(next.Form1->Taiwan1->checked());
  EXPECT_TRUE(dialogs.texts(forms::DialogKind::Error).size() == 1u);  // the first start only
}

TEST_F(ProgramTest, ADamagedSettingsFileIsReadAsFarAsItCanAndTheQuitSaysWhatItLeftOut) {
  const std::string damaged = "[General]\nTV=4\n[broken\nKeep=yes\njunk\x01\n";
  const struct Row {
    const char* label;
    rlim_t sizeLimit;  // 0: none
    std::string bytesAfter;
    std::string message;
  } rows[] = {
      {"written", 0, "[General]\nTV=6\nKeep=yes\n",
       "The TV channel region was saved in %1, without the lines of the file that could not be "
       "read: \"[broken\", \"junk\\x01\"."},
      {"not written", 8, damaged,
       "The TV channel region could not be saved in %1 (File too large). Check that you may "
       "write there and that the disk has room."},
  };
  for (const Row& r : rows) {
    const std::string path = platform::Settings("Vondrix").filePath();
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::filesystem::create_directories(folder);
    WriteBytes(path, damaged);
    forms::ScriptedDialogs shown;
    vondrix::Program p(backend);
    p.CreateForms();
    p.Form2->Timer1Timer();
    EXPECT_EQ(p.TvRegion, 4) << r.label;
    EXPECT_TRUE(shown.boxes.empty()) << r.label << ": what could be read is read without a word";
    p.Form1->USA1Click();
    shown.answer("OK");
    {
      std::optional<FileSizeLimit> limit;
      if (r.sizeLimit) limit.emplace(r.sizeLimit);
      p.Form1->Exit1Click();
    }
    EXPECT_EQ(ReadBytes(path), r.bytesAfter) << r.label;
    std::vector<std::string> messages;
    for (const QString& text : shown.texts(forms::DialogKind::Message))
      messages.push_back(text.toStdString());
    EXPECT_EQ(
        messages,
        std::vector<std::string>{QString::fromStdString(r.message).arg(path.c_str()).toStdString()})
        << r.label;
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      names.push_back(entry.path().filename());
    EXPECT_EQ(names, std::vector<std::string>{"Vondrix.ini"}) << r.label << ": nothing else left";
  }
}

TEST_F(ProgramTest, ASettingsFileBehindAByteOrderMarkIsReadFromItsFirstLine) {
  const std::string path = platform::Settings("Vondrix").filePath();
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  WriteBytes(path, "\xEF\xBB\xBF[Other]\nKeep=yes\n[General]\nTV=3\n");
  TForm1& m = start();
  EXPECT_EQ(program.TvRegion, 3);
  EXPECT_TRUE(m.Europe1->checked());
  EXPECT_TRUE(dialogs.boxes.empty());
  m.USA1Click();
  dialogs.answer("OK");
  m.Exit1Click();
  EXPECT_EQ(ReadBytes(path), "[Other]\nKeep=yes\n[General]\nTV=6\n");
  EXPECT_EQ(dialogs.texts(forms::DialogKind::Message), std::vector<QString>{})
      << "no line was left out";
}

TEST_F(ProgramTest, ARegionOutsideOneToSixChangesNoCheckMark) {
  platform::Settings("Vondrix").write("TV", "9");
  TForm1& m = start();
  EXPECT_EQ(program.TvRegion, 9);
  EXPECT_TRUE(m.Taiwan1->checked());
}

TEST_F(ProgramTest, HelpOpensThePageBesideTheProgramOrSaysWhyItCannot) {
  TForm1& m = start();
  dialogs.boxes.clear();  // the first start's conversion error
  const std::string beside = m.HelpFilePath;
  EXPECT_EQ(beside, platform::exeFolder() + "VondrixHelp.html");
  {
    const DesktopOpener opener;
    m.Content1Click();
    EXPECT_EQ(DesktopOpener::opened(), std::vector<std::string>{beside});
    EXPECT_TRUE(dialogs.boxes.empty());

    m.HelpFilePath = "/nonexistent/VondrixHelp.html";
    m.Content1Click();
    EXPECT_EQ(DesktopOpener::opened().size(), 1u);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes.back().text,
              "The help page /nonexistent/VondrixHelp.html is missing. It belongs beside the "
              "program: install the program again to get it back.");
    EXPECT_EQ(dialogs.boxes.back().caption, "Help");
  }
  {
    // A desktop without an opener on its PATH.
    const QByteArray path = qgetenv("PATH");
    const QTemporaryDir empty;
    qputenv("PATH", empty.path().toLocal8Bit());
    m.HelpFilePath = beside;
    m.Content1Click();
    qputenv("PATH", path);
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(
        dialogs.boxes.back().text.toStdString(),
        "Can't show the help page " + beside + ": install xdg-utils and a web browser to read it.");
  }
  {
    // An opener that is there but cannot open the page says so only by its exit status.
    const DesktopOpener failing(DesktopOpener::Fails);
    m.Content1Click();
    ASSERT_TRUE(DesktopOpener::waitFor([&] { return dialogs.boxes.size() == 3; }));
    EXPECT_EQ(dialogs.boxes.back().text, dialogs.boxes[1].text);
    EXPECT_EQ(dialogs.boxes.back().caption, "Help");
  }
  m.About1Click();
  EXPECT_TRUE(program.Form5->isVisible());
  EXPECT_EQ(program.Form5->caption(), "About this program");
}

TEST(ProgramEntry, ASecondStartExitsWithCodeOneAndNoWindow) {
  QProcess first;
  first.start(VONDRIX_EXE, {});
  ASSERT_TRUE(first.waitForStarted(5000));
  // Its windows are listed once it holds the lock and has created them.
  QElapsedTimer waited;
  waited.start();
  while (platform::findWindows("Detail Functions").empty() && waited.elapsed() < 10000)
    QThread::msleep(20);
  ASSERT_FALSE(platform::findWindows("Detail Functions").empty());
  QProcess second;
  second.start(VONDRIX_EXE, {});
  ASSERT_TRUE(second.waitForFinished(10000));
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 1);
  EXPECT_EQ(platform::findWindows("Detail Functions").size(), 1u);
  first.kill();
  first.waitForFinished(5000);
}

TEST(ProgramEntry, IgnoresTheFileSizeSignalSoThatASaveCanFailInstead) {
  EXPECT_TRUE(RunningProgramIgnoresFileSizeSignal(VONDRIX_EXE, "Detail Functions"));
}

}  // namespace
