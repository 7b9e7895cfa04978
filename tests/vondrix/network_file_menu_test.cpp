// File > "Save " and File > "Load" of the main screen on the demo network: the file's bytes,
// the lines the receivers got, what they hold afterwards, and the ways the commands end.
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <map>
#include <random>
#include <set>

#include "common/FileSizeLimit.h"
#include "demo_network_file.h"
#include "detail_fixture.h"
#include "menu_clicks.h"
#include "sim/NetworkFile.h"

namespace {

using vondrix::TForm1;

class NetworkFileMenu : public DetailTest {
 protected:
  TForm1& demo() {
    std::string error;
    EXPECT_TRUE(sim::loadNetworkFile(DEMO_NETWORK, bus, &error)) << error;
    TForm1& m = run();
    bus.clearLog();
    dialogs.boxes.clear();  // the first start's region error
    return m;
  }
  std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
  bool timersOn() const {
    return program.Form1->Timer1->enabled() && program.Form1->Timer2->enabled();
  }
  // Loads the file of these bytes through File > Load.
  void load(const std::string& bytes) {
    WriteBytes(path("load.vxn"), bytes);
    dialogs.choose(dir.filePath("load.vxn"));
    program.Form1->Load1->click();
  }

  QTemporaryDir dir;
};

TEST_F(NetworkFileMenu, SavedByteForByteThroughTheMouse) {
  TForm1& m = demo();
  m.Timer1->setEnabled(false);  // the timers run in real time here: no poll between the clicks
  dialogs.choose(dir.filePath("network"));
  QMenu* file = openEntry(m.MainMenu1->bar(), m.MainMenu1->item(0));
  ASSERT_TRUE(file);
  ASSERT_EQ(m.MainMenu1->item(0)->item(0), m.Save1);
  clickEntry(file, m.Save1->action());

  EXPECT_EQ(ReadBytes(path("network.vxn")), kDemoNetworkFile);  // the default extension added
  EXPECT_EQ(bus.lines(), kDemoSaveQueries);
  ASSERT_EQ(dialogs.fileRequests.size(), 1u);
  EXPECT_EQ(dialogs.fileRequests[0].kind, forms::DialogKind::SaveFile);
  EXPECT_EQ(dialogs.fileRequests[0].filter, "*.vxn|*.vxn");
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_TRUE(timersOn());
}

char WithYes(char status, bool yes) {
  return char((yes ? 0x40 : 0x30) | (status & 0x03));
}

TEST_F(NetworkFileMenu, ALoadSetsBackWhatChangedInTheReceivers) {
  TForm1& m = demo();
  dialogs.choose(dir.filePath("network.vxn"));
  m.Save1->click();
  ASSERT_EQ(ReadBytes(path("network.vxn")), kDemoNetworkFile);
  std::map<int, std::string> saved;
  for (const auto& [address, r] : bus.receivers()) saved[address] = ReceiverSettings(r);

  sim::Receiver& r03 = *bus.at(3);  // group 2, channel 10: now on a frequency of its own
  r03.name = "OTHER ";
  r03.group = 1;
  r03.channel = 1;
  r03.frequencyCode = 32000;
  r03.status = char(r03.status | 0x01);
  sim::Receiver& r05 = *bus.at(5);  // now muted, another squelch
  r05.squelchLevel = 0;
  r05.status = char(r05.status | 0x02);
  sim::Receiver& r17 = *bus.at(17);  // on a frequency, muted: now another one, unmuted
  r17.name = "OTHER ";
  r17.frequencyCode = 32100;
  r17.status = char(r17.status & ~0x02);
  sim::Receiver& r22 = *bus.at(22);  // YES, preset 3: now NO, preset 7, another channel
  r22.status = WithYes(r22.status, false);
  r22.eqPreset = 7;
  r22.group = 5;
  r22.channel = 2;
  r22.frequencyCode = *r22.channelCode(5, 2);
  sim::Receiver& r40 = *bus.at(40);  // NO, preset 9, antenna A: now YES, preset 1, elsewhere
  r40.status = WithYes(r40.status, true);
  r40.eqPreset = 1;
  r40.frequencyCode = 24900;
  for (const auto& [address, r] : bus.receivers()) ASSERT_NE(ReceiverSettings(r), saved[address]);

  hoverSlot(4);
  m.PanelButtons[4][1]->click();  // the detail window of 22 is open
  ASSERT_TRUE(program.Form7->isVisible());
  bus.clearLog();
  bool timersOffThroughout = true;
  bus.setLineObserver([&](const sim::LoggedLine&) {
    if (m.Timer1->enabled() || m.Timer2->enabled()) timersOffThroughout = false;
  });
  dialogs.choose(dir.filePath("network.vxn"));
  m.Load1->click();
  bus.setLineObserver(nullptr);

  for (const auto& [address, r] : bus.receivers()) EXPECT_EQ(ReceiverSettings(r), saved[address]);
  EXPECT_EQ(r22.antennaMode, sim::AntennaMode::Diversity);
  EXPECT_EQ(r40.antennaMode, sim::AntennaMode::Diversity);
  // Each receiver is asked its state before the group and channel, whose command's form
  // follows its own firmware: 03 takes the short form, 22 the short one of its model.
  EXPECT_EQ(bus.lines(), kDemoLoadLines);
  EXPECT_TRUE(timersOffThroughout);
  EXPECT_TRUE(timersOn());
  EXPECT_FALSE(program.Form7->isVisible());  // it would have shown 22 while working on 40
  EXPECT_EQ(program.Net.PollingEnabled, 1);
  EXPECT_EQ(program.Slots.ReceiverCount, 5);
  EXPECT_TRUE(dialogs.boxes.empty());
}

// The demo network's file with line slot replaced.
std::string DemoFileWith(int slot, const std::string& line) {
  std::string file;
  std::size_t at = 0;
  for (int s = 1; s <= 5; ++s) {
    const std::size_t end = kDemoNetworkFile.find("\r\n", at) + 2;
    file += s == slot ? line + "\r\n" : kDemoNetworkFile.substr(at, end - at);
    at = end;
  }
  return file;
}

QString NoMatchText(const QString& path) {
  return "No Receiver Matches This File\n\n" + path +
         ": none of its lines belongs to the receiver at its place in the list (line 1 to the "
         "first receiver found, line 2 to the second, and so on, with the same model and "
         "address and readable fields). Nothing was loaded and nothing was sent.\nThe file may "
         "belong to another network or may not be a network file: choose the file saved from "
         "this network, or run Receiver > Auto Detect Receivers and load it again.";
}

QString EmptyText(const QString& path) {
  return "No Receiver Matches This File\n\n" + path +
         ": the file is empty. Nothing was loaded and nothing was sent.\nChoose a network file "
         "(*.vxn) saved with File > Save.";
}

QString NotANetworkFileText(const QString& path, const QString& why) {
  return "Not A Network File\n\n" + path + ": " + why +
         ". Nothing was loaded and nothing was sent.\nChoose a network file (*.vxn) saved with "
         "File > Save.";
}

TEST_F(NetworkFileMenu, AFileThatCannotBeLoadedIsRefusedWithAMessageAndChangesNothing) {
  TForm1& m = demo();
  hoverSlot(4);
  m.PanelButtons[4][1]->click();  // a detail window is open
  ASSERT_TRUE(program.Form7->isVisible());
  const QString file = dir.filePath("load.vxn");
  std::string randomBytes;
  std::mt19937 rng(7);
  for (int i = 0; i < 200; ++i) randomBytes += char(rng());
  const std::string rotated = kDemoNetworkFile.substr(kDemoNetworkFile.find('\n') + 1) +
                              kDemoNetworkFile.substr(0, kDemoNetworkFile.find('\n') + 1);
  std::string tooMany = rotated;
  for (int i = 0; i < 65; ++i) tooMany += "Q5V,41,EXTRA ,1,1,7E95,00,0\r\n";
  const auto tooLong = [](int line) {
    return QString("line %1 is longer than 256 characters, and no line of a network file is")
        .arg(line);
  };
  struct Row {
    const char* name;
    std::string bytes;
    QString shown;                 // the message; empty: none
    const char* device = nullptr;  // a path typed in the dialog instead of the file
  } rows[] = {
      {"cancelled", "", ""},
      {"empty", "", EmptyText(file)},
      {"only line ends", "\r\n\r\n", EmptyText(file)},
      {"random bytes", randomBytes, NoMatchText(file)},
      {"the same receivers in another order", rotated, NoMatchText(file)},
      {"another network",
       "Q5V,01,STAGE1,1,1,7E95,00,0\r\nQ5V,02,STAGE2,1,2,7E99,00,0\r\n"
       "Q5V,04,STAGE3,1,3,7E9D,00,0\r\n",
       NoMatchText(file)},
      {"its one line with a CR in the name", "Q5V,03,\r#00A0,2,7,7C2B,0A,0\r\n", NoMatchText(file)},
      {"65 lines more", tooMany,
       NotANetworkFileText(file,
                           "it has more than 64 lines, and a network file has one line for each "
                           "receiver, 64 at most")},
      {"a line of 300 characters", "Q5V,03,VOCAL1,2,A,7ED6,01,0\r\n" + std::string(300, 'x'),
       NotANetworkFileText(file, tooLong(2))},
      {"a megabyte without a line end", std::string(1 << 20, 'Q'),
       NotANetworkFileText(file, tooLong(1))},
      {"a device without end", "", NotANetworkFileText("/dev/zero", tooLong(1)), "/dev/zero"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    bus.clearLog();
    dialogs.boxes.clear();
    if (r.shown.isEmpty()) {
      dialogs.cancelFile();
      m.Load1->click();
    } else if (r.device) {
      dialogs.choose(r.device);
      m.Load1->click();
    } else {
      load(r.bytes);
    }
    EXPECT_TRUE(bus.lines().empty());
    EXPECT_EQ(program.Slots.ReceiverCount, 5);
    EXPECT_EQ(program.Slots.ReceiverName[1], "VOCAL1");
    EXPECT_TRUE(timersOn());
    EXPECT_TRUE(program.Form7->isVisible());
    EXPECT_EQ(dialogs.texts(forms::DialogKind::Message),
              r.shown.isEmpty() ? std::vector<QString>{} : std::vector<QString>{r.shown});
  }
}

TEST_F(NetworkFileMenu, ALineWithBytesThatWouldEndACommandIsSkippedWhole) {
  demo();
  struct Row {
    const char* name;
    int slot;
    std::string line;
  } rows[] = {
      {"a CR in the name", 1, "Q5V,03,\r#00A0,2,7,7C2B,0A,0"},
      {"a raw squelch", 2, "Q5V,05,GUIT 2,1,3,7D28,\r#,0"},
      {"a CR as the group", 3, "Q5V,17,BASS  ,\r,1,7E95,00,0"},
      {"a CR in the preset", 4, "Z3K,22,VOCAL2,3,C,6310,02,0,1,\r#"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const std::string address = r.line.substr(4, 2);
    const std::string before = ReceiverSettings(*bus.at(std::stoi(address)));
    bus.clearLog();
    load(DemoFileWith(r.slot, r.line));
    const std::vector<std::string> sent = bus.lines();
    EXPECT_GT(sent.size(), 20u);  // the other receivers got theirs
    for (const std::string& line : sent) {
      EXPECT_NE(line.substr(1, 2), address) << line;
      EXPECT_NE(line.substr(1, 2), "00") << line;
    }
    EXPECT_EQ(ReceiverSettings(*bus.at(std::stoi(address))), before);
    EXPECT_EQ(program.Slots.ReceiverCount, 5);
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_TRUE(timersOn());
  }
}

TEST_F(NetworkFileMenu, AFileOf64LinesWithAnEmptyLineAfterItsLastLoads) {
  TForm1& m = demo();
  std::string file = kDemoNetworkFile;
  for (int s = 6; s <= 64; ++s) file += "Q5V,41,EXTRA ,1,1,7E95,00,0\r\n";
  load(file + "\r\n");
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(bus.lines(), kDemoLoadLines);
  EXPECT_EQ(program.Slots.ReceiverCount, 5);
  EXPECT_TRUE(m.Timer1->enabled());
}

TEST_F(NetworkFileMenu, AShorterFileLeavesTheSlotsBeyondItAsSlotsWithoutAReceiver) {
  TForm1& m = demo();
  ASSERT_FALSE(m.PanelLabels[4][0]->isHidden());
  ASSERT_FALSE(m.PanelButtons[5][0]->glyph().isNull());
  load(kDemoNetworkFile.substr(0, 3 * 29));  // the lines of 03, 05 and 17

  EXPECT_EQ(program.Slots.ReceiverCount, 3);
  for (int slot = 1; slot <= 5; ++slot) {
    SCOPED_TRACE(slot);
    const bool live = slot <= 3;
    EXPECT_EQ(m.PanelTable[slot]->isEnabled(), live);
    EXPECT_FALSE(m.PanelTable[slot]->isHidden());
    EXPECT_EQ(m.PanelLabels[slot][0]->isHidden(), !live);
    EXPECT_EQ(m.PanelButtons[slot][0]->glyph().isNull(), !live);
    if (!live) {
      EXPECT_TRUE(m.PanelLabels[slot][1]->isHidden());
      for (forms::ProgressBar* bar : m.PanelBars[slot]) EXPECT_EQ(bar->position(), 0);
    }
  }
  hoverSlot(4);
  EXPECT_TRUE(program.Slots.HoveredAddress.empty());
  bus.clearLog();
  m.PanelButtons[4][0]->click();
  m.PanelButtons[4][1]->click();
  EXPECT_TRUE(bus.lines().empty());
  for (int tick = 0; tick < 4; ++tick) m.Timer1Timer();
  const std::vector<std::string> polled = linesOf('%', 'N');
  EXPECT_EQ(std::set<std::string>(polled.begin(), polled.end()),
            (std::set<std::string>{"%03N\r", "%05N\r", "%17N\r"}));

  // With Hide Unused checked, a slot that a load takes out disappears at once.
  m.HideUnusedPanel1->click();
  EXPECT_TRUE(m.PanelTable[4]->isHidden());
  EXPECT_FALSE(m.PanelTable[3]->isHidden());
  load(kDemoNetworkFile.substr(0, 2 * 29));
  EXPECT_EQ(program.Slots.ReceiverCount, 2);
  EXPECT_TRUE(m.PanelTable[3]->isHidden());
  EXPECT_FALSE(m.PanelTable[3]->isEnabled());
  EXPECT_TRUE(timersOn());
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(NetworkFileMenu, TheWholeFileAfterAShorterOneBringsEveryReceiverBack) {
  TForm1& m = demo();
  for (const bool hideUnused : {false, true}) {
    SCOPED_TRACE(hideUnused ? "Hide Unused" : "all panels shown");
    if (hideUnused != m.HideUnusedPanel1->checked()) m.HideUnusedPanel1->click();
    load(kDemoNetworkFile.substr(0, 3 * 29));
    ASSERT_EQ(program.Slots.ReceiverCount, 3);
    ASSERT_EQ(m.PanelTable[4]->isHidden(), hideUnused);
    bus.at(22)->name = "OTHER ";
    bus.at(40)->squelchLevel = 0;
    bus.clearLog();

    load(kDemoNetworkFile);
    EXPECT_EQ(program.Slots.ReceiverCount, 5);
    EXPECT_EQ(bus.lines(), kDemoLoadLines);
    EXPECT_EQ(bus.at(22)->name, "VOCAL2");
    EXPECT_EQ(bus.at(40)->squelchLevel, 4);
    for (int slot = 4; slot <= 5; ++slot) {
      SCOPED_TRACE(slot);
      EXPECT_FALSE(m.PanelTable[slot]->isHidden());
      EXPECT_TRUE(m.PanelTable[slot]->isEnabled());
      EXPECT_FALSE(m.PanelLabels[slot][0]->isHidden());
      EXPECT_FALSE(m.PanelButtons[slot][0]->glyph().isNull());
    }
    EXPECT_EQ(m.PanelLabels[4][0]->caption(), "22 VOCAL2");
    bus.clearLog();
    for (int tick = 0; tick < 4; ++tick) m.Timer1Timer();
    const std::vector<std::string> polled = linesOf('%', 'N');
    EXPECT_EQ(std::set<std::string>(polled.begin(), polled.end()),
              (std::set<std::string>{"%03N\r", "%05N\r", "%17N\r", "%22N\r", "%40N\r"}));
    EXPECT_TRUE(dialogs.boxes.empty());
  }
}

TEST_F(NetworkFileMenu, ALoadStoppedByAMissingMutePictureLeavesNoUncountedSlotLookingLive) {
  TForm1& m = demo();
  load(kDemoNetworkFile.substr(0, 3 * 29));
  ASSERT_EQ(program.Slots.ReceiverCount, 3);
  const QTemporaryDir empty;  // a program folder without the pictures
  program.ProgramFolder = empty.path().toStdString() + "/";
  bus.clearLog();

  load(kDemoNetworkFile);
  EXPECT_EQ(dialogs.texts(forms::DialogKind::Error).size(), 1u);
  EXPECT_TRUE(bus.lines().empty());
  EXPECT_EQ(program.Slots.ReceiverCount, 3);
  for (int slot = 4; slot <= 5; ++slot) {
    SCOPED_TRACE(slot);
    EXPECT_FALSE(m.PanelTable[slot]->isEnabled());
    EXPECT_TRUE(m.PanelLabels[slot][0]->isHidden());
  }
  EXPECT_TRUE(timersOn());
}

TEST_F(NetworkFileMenu, ABadHexFieldShowsTheErrorBoxAndTheTimersComeBack) {
  TForm1& m = demo();
  load("Q5V,03,LEAD  ,2,A,7ED6,03,0\r\nQ5V,05,GUIT 2,1,3,7XY9,03,1\r\n");
  EXPECT_EQ(dialogs.texts(forms::DialogKind::Error),
            std::vector<QString>{"'0x7XY9' is not a valid integer value."});
  EXPECT_EQ(bus.lines().back(), "#05CGUIT 2\r");  // the line stops at its frequency
  EXPECT_EQ(bus.at(3)->name, "LEAD  ");
  EXPECT_TRUE(timersOn());
  // The count of the file's two lines holds all the same: the slots above it look unused.
  EXPECT_EQ(program.Slots.ReceiverCount, 2);
  EXPECT_FALSE(m.PanelTable[3]->isEnabled());
  EXPECT_TRUE(m.PanelLabels[3][0]->isHidden());
}

TEST_F(NetworkFileMenu, AFailedSaveKeepsTheOldFileAndSaysSo) {
  TForm1& m = demo();
  WriteBytes(path("network.vxn"), "the network saved before\r\n");
  dialogs.choose(dir.filePath("network.vxn"));
  {
    const FileSizeLimit full(16);
    m.Save1->click();
  }
  EXPECT_EQ(ReadBytes(path("network.vxn")), "the network saved before\r\n");
  const auto shown = dialogs.texts(forms::DialogKind::Message);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].startsWith("Can't Open File\n")) << shown[0].toStdString();
  EXPECT_TRUE(shown[0].contains(dir.filePath("network.vxn")));
  EXPECT_TRUE(timersOn());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(),
            1);  // no temporary file left
  EXPECT_TRUE(shown[0].contains("The file there is as it was."));

  // Under a new name nothing was there to keep.
  for (const QString& target : {dir.filePath("new.vxn"), dir.filePath("missing/new.vxn")}) {
    SCOPED_TRACE(target.toStdString());
    dialogs.boxes.clear();
    dialogs.choose(target);
    {
      const FileSizeLimit full(16);
      m.Save1->click();
    }
    const auto said = dialogs.texts(forms::DialogKind::Message);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_TRUE(said[0].startsWith("Can't Open File\n\n" + target + ": ")) << said[0].toStdString();
    EXPECT_FALSE(said[0].contains("as it was")) << said[0].toStdString();
    EXPECT_TRUE(
        said[0].endsWith("Save into a folder you may write to, or free some space on the "
                         "disk."));
    EXPECT_FALSE(QFileInfo::exists(target));
  }
}

}  // namespace
