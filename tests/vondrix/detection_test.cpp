// Detection, the poll and the offline handling of the main screen.
#include <QApplication>

#include "program_fixture.h"
#include "runtime/Convert.h"

namespace {

using sim::Fault;
using sim::Model;
using vondrix::TForm1;

TEST_F(ProgramTest, ReceiversAreNumberedInAddressOrderAndShownOnTheirPanels) {
  add(Model::Q5V, 3).name = "VOCAL1";
  add(Model::Z3K, 17).name = "KEYS  ";
  add(Model::Q5V, 64).name = "BASS  ";
  TForm1& m = start();
  const auto& t = program.Slots;
  ASSERT_EQ(t.ReceiverCount, 3);
  EXPECT_EQ(t.ReceiverAddress[1], "03");
  EXPECT_EQ(t.ReceiverAddress[2], "17");
  EXPECT_EQ(t.ReceiverAddress[3], "64");
  EXPECT_EQ(program.Form4->Label2->caption(), "SKIP    100%");
  EXPECT_EQ(program.Form4->Label1->caption(), "Checking Connected Receiver-->COM1");
  EXPECT_FALSE(program.Form4->isVisible());
  EXPECT_FALSE(program.Form2->isVisible());
  EXPECT_TRUE(m.isVisible());
  EXPECT_TRUE(m.Timer1->enabled());
  // Name lines white on green; a second-model panel of its own layout, told to diversity.
  forms::Label* name = m.PanelLabels[1][0];
  EXPECT_EQ(name->caption(), "03 VOCAL1");
  EXPECT_TRUE(name->visible());
  EXPECT_EQ(name->fontColor(), forms::clWhite);
  EXPECT_EQ(name->color(), forms::clGreen);
  EXPECT_EQ(m.PanelBars[2][0]->max(), 6);
  EXPECT_EQ(m.PanelBars[1][2]->max(), 127);
  EXPECT_EQ(linesOf('#', 'R'), std::vector<std::string>{"#17R0\r"});
  EXPECT_EQ(m.PanelLabels[2][1]->caption(), "D");
  // Every slot has a panel; screen 1 shows 1..32, those above the count disabled.
  for (int s = 1; s <= 64; ++s) ASSERT_TRUE(m.PanelTable[s]) << s;
  EXPECT_TRUE(m.PanelTable[3]->enabled());
  EXPECT_TRUE(m.PanelTable[4]->visible());
  EXPECT_FALSE(m.PanelTable[4]->enabled());
  EXPECT_FALSE(m.PanelTable[33]->visible());
  EXPECT_EQ(m.PanelTable[9]->geometry().topLeft() - m.PanelTable[1]->geometry().topLeft(),
            QPoint(0, 80));
  EXPECT_EQ(m.PanelTable[2]->width(), 90);
}

TEST_F(ProgramTest, ProgressShowsThePercentageOfTheAddressProbed) {
  add(Model::Q5V, 3);
  std::vector<QString> captions;
  bus.setLineObserver([&](const sim::LoggedLine& l) {
    if (l.line == "#04A1\r") captions.push_back(program.Form4->Label2->caption());
  });
  start();
  EXPECT_EQ(captions, std::vector<QString>{"SKIP    4%"});
}

TEST_F(ProgramTest, SkipEndsTheProbeAfterTheCurrentAddress) {
  add(Model::Q5V, 5);
  add(Model::Q5V, 30);
  bus.setLineObserver([&](const sim::LoggedLine& l) {
    // The click arrives as the operator's would: through the probe's message processing.
    if (l.line == "#20A1\r")
      QMetaObject::invokeMethod(
          qApp, [this] { program.Form4->Label2Click(); }, Qt::QueuedConnection);
  });
  start();
  EXPECT_EQ(program.Slots.ReceiverCount, 1);
  EXPECT_EQ(linesOf('#', 'A').back(), "#20A1\r");
}

TEST_F(ProgramTest, TheFirstStartShowsTheConversionErrorAndKeepsTaiwan) {
  add(Model::Q5V, 5);
  TForm1& m = start();
  EXPECT_EQ(dialogs.texts(forms::DialogKind::Error),
            std::vector<QString>{"'' is not a valid integer value."});
  EXPECT_EQ(program.TvRegion, 5);
  EXPECT_TRUE(m.Taiwan1->checked());
}

TEST_F(ProgramTest, PollVisitsThreeSlotsPerTickAndWrapsWithoutPolling) {
  for (int a : {3, 5, 17}) add(Model::Q5V, a);
  TForm1& m = start();
  bus.clearLog();
  m.Timer1Timer();
  EXPECT_EQ(linesOf('%', 'N'), (std::vector<std::string>{"%03N\r", "%05N\r", "%17N\r"}));
  bus.clearLog();
  m.Timer1Timer();
  EXPECT_EQ(linesOf('%', 'N'), (std::vector<std::string>{"%03N\r", "%05N\r"}));
  EXPECT_EQ(linesOf('%', 'A'), (std::vector<std::string>{"%03A\r", "%05A\r"}));
}

// What a slot's panel shows, to tell whether a poll visit wrote into it.
std::vector<QString> panelLook(const TForm1& m, int slot) {
  std::vector<QString> look = {m.PanelLabels[slot][1]->caption(),
                               QString::number(m.PanelLabels[slot][1]->visible())};
  for (forms::ProgressBar* b : m.PanelBars[slot]) look.push_back(QString::number(b->position()));
  for (forms::Shape* led : m.PanelLeds[slot]) {
    look.push_back(QString::number(led->visible()));
    look.push_back(QString::number(led->brushColor()));
  }
  return look;
}

TEST_F(ProgramTest, AStatusReplyStaysOutOfThePanelWhenTheVisitsIdentifyGotNoReply) {
  struct Row {
    const char* label;
    Model first, second;  // at addresses 03 and 17; 17's identify goes unanswered
    sim::FaultSpec identifyFault;
  } rows[] = {
      {"second model after the first, identify silent",
       Model::Q5V,
       Model::Z3K,
       {.kind = Fault::Silent, .onlyFor = "%A"}},
      {"first model after the second, identify late",
       Model::Z3K,
       Model::Q5V,
       {.kind = Fault::Late, .onlyFor = "%A"}},
  };
  for (const Row& r : rows) {
    sim::Bus receivers;
    receivers.add(sim::Receiver::make(r.first, 3));
    receivers.add(sim::Receiver::make(r.second, 17));
    sim::FakeSerialBackend ports;
    ports.attach("COM1", receivers);
    vondrix::Program p(ports);
    p.CreateForms();
    p.Form2->Timer1Timer();
    TForm1& m = *p.Form1;
    ASSERT_EQ(p.Slots.ReceiverCount, 2) << r.label;
    const std::vector<QString> before = panelLook(m, 2);
    receivers.at(17)->af = 1, receivers.at(17)->battery = 2;  // news the reply brings
    receivers.at(17)->fault = r.identifyFault;
    receivers.clearLog();
    m.Timer1Timer();
    EXPECT_EQ(receivers.lines(), (std::vector<std::string>{"%03A\r", "%03N\r", "%17A\r", "%17N\r"}))
        << r.label;
    EXPECT_EQ(panelLook(m, 2), before) << r.label;
    EXPECT_EQ(p.Slots.ReceiverOffline[2], 0) << r.label;
    receivers.at(17)->fault = {};
    m.Timer1Timer();  // wraps
    m.Timer1Timer();
    EXPECT_NE(panelLook(m, 2), before) << r.label << ": an answered visit shows the reply";
  }
}

TEST_F(ProgramTest, ASilentReceiverGoesOfflineBlinksAndComesBackOnADoubleClick) {
  add(Model::Q5V, 3);
  add(Model::Q5V, 5);
  TForm1& m = start();
  bus.at(5)->fault = {.kind = Fault::Silent};
  m.Timer1Timer();
  EXPECT_EQ(program.Slots.ReceiverOffline[2], 1);
  EXPECT_EQ(program.Slots.ReceiverOffline[1], 0);
  EXPECT_EQ(linesOf('%', 'N').size(), 1u + 1u + 3u + 1u);  // detection, 03, three tries
  EXPECT_FALSE(m.PanelButtons[2][0]->enabled());
  EXPECT_FALSE(m.PanelButtons[2][1]->enabled());
  EXPECT_TRUE(m.Timer2->enabled());
  for (int b = 0; b < 3; ++b) EXPECT_EQ(m.PanelBars[2][b]->position(), 0);

  forms::Label* line = m.PanelLabels[2][0];
  std::vector<forms::TColor> fonts;
  for (int i = 0; i < 3; ++i) {
    m.Timer2Timer();
    fonts.push_back(line->fontColor());
    EXPECT_EQ(line->color(), forms::clWhite);
  }
  EXPECT_EQ(fonts, (std::vector<forms::TColor>{forms::clRed, forms::clSilver, forms::clRed}));
  EXPECT_EQ(m.PanelLabels[1][0]->fontColor(), forms::clWhite);  // online: untouched

  bus.clearLog();
  m.Timer1Timer();  // offline slots are skipped
  EXPECT_EQ(linesOf('%', 'N'), std::vector<std::string>{"%03N\r"});

  hoverSlot(2);
  m.NameLabelDblClick();  // still silent: nothing changes
  EXPECT_EQ(program.Slots.ReceiverOffline[2], 1);
  bus.at(5)->fault = {};
  m.NameLabelDblClick();
  EXPECT_EQ(program.Slots.ReceiverOffline[2], 0);
  EXPECT_EQ(line->fontColor(), forms::clWhite);
  EXPECT_EQ(line->color(), forms::clGreen);
  EXPECT_TRUE(m.PanelButtons[2][0]->enabled());
}

TEST_F(ProgramTest, ADoubleClickOnAnOnlineReceiverSendsNothing) {
  add(Model::Q5V, 3);
  TForm1& m = start();
  hoverSlot(1);
  bus.clearLog();
  m.NameLabelDblClick();
  EXPECT_TRUE(bus.lines().empty());
}

TEST_F(ProgramTest, ReplyBytesAreShownOneCharacterEach) {
  add(Model::Q5V, 17).name = "K\xE9YS\xC3\xA9";
  TForm1& m = start();
  EXPECT_EQ(program.Slots.ReceiverName[1], "K\xE9YS\xC3\xA9");
  const QString shown = QString("17 K") + QChar(0xE9) + "YS" + QChar(0xC3) + QChar(0xA9);
  EXPECT_EQ(m.PanelLabels[1][0]->caption(), shown);
}

TEST_F(ProgramTest, TheWideGroupChannelReplyIsStoredRight) {
  auto& r = add(Model::Z3K, 40);
  r.firmware = "2.1B", r.group = 3, r.channel = 11;
  auto& old = add(Model::Q5V, 3);
  old.firmware = "1.1A", old.group = 2, old.channel = 10;
  start();
  EXPECT_EQ(program.Slots.ReceiverGroup[2], "3");
  EXPECT_EQ(program.Slots.ReceiverChannel[2], "B");
  EXPECT_EQ(program.Slots.ReceiverGroup[1], "2");
  EXPECT_EQ(program.Slots.ReceiverChannel[1], "A");
}

TEST_F(ProgramTest, AReceiverOnALaterPortGetsThePanelOfItsModel) {
  sim::Bus empty;
  backend.attach("COM2", empty);  // tried first, nobody answers there
  add(Model::Z3K, 22);
  TForm1& m = start();
  ASSERT_EQ(program.Bus.SelectedPortName, "COM1");
  ASSERT_EQ(program.Slots.ReceiverCount, 1);
  EXPECT_EQ(m.PanelBars[1][0]->max(), 6);  // the second model's AF bar
  EXPECT_TRUE(m.PanelLabels[1][1]->visible());
  EXPECT_EQ(linesOf('#', 'R'), std::vector<std::string>{"#22R0\r"});
}

TEST_F(ProgramTest, AnAddressErrorEndsTheProgramWithoutTheQuitBroadcast) {
  // The probe's acknowledgement is short anyway; the identify reply loses its calibration.
  add(Model::Q5V, 3).fault = {.kind = Fault::Short, .shortKeep = 6};
  start();
  EXPECT_EQ(dialogs.texts(forms::DialogKind::Message),
            std::vector<QString>{"Error ! Check Receiver's Address"});
  EXPECT_TRUE(program.Ending);
  EXPECT_FALSE(program.Form2->isVisible());
  EXPECT_FALSE(program.Form1->isVisible());
  EXPECT_EQ(linesOf('#', 'A').size(), 64u);  // the probes only: no "#00A0"
  EXPECT_TRUE(linesOf('%', 'N').empty());
}

TEST_F(ProgramTest, AnUnknownModelEndsTheProgramWithoutAMessage) {
  add(Model::Q5V, 3);
  bus.setLineObserver([&](const sim::LoggedLine& l) {
    if (l.line == "%03A\r") bus.at(3)->fault = {.kind = Fault::Garbage, .times = 1};
  });
  start();
  EXPECT_TRUE(program.Ending);
  EXPECT_TRUE(dialogs.texts(forms::DialogKind::Message).empty());
  EXPECT_TRUE(linesOf('%', 'N').empty());
}

TEST_F(ProgramTest, WithoutAnyPortTheProgramSaysSoAndStaysEmpty) {
  sim::FakeSerialBackend none;
  vondrix::Program bare(none);
  bare.CreateForms();
  bare.Form2->Timer1Timer();
  EXPECT_EQ(dialogs.texts(forms::DialogKind::Message),
            std::vector<QString>{"Can't Open COM Port\nCOM1 to COM20: Not mapped to a device."});
  EXPECT_FALSE(bare.Form1->PanelTable[1]);
  EXPECT_FALSE(bare.Form1->Timer1->enabled());
  bare.Form1->AutoDetectReceivers1Click();  // the reset leaves missing panels alone
  bare.Form1->FullView1Click();
  bare.Form1->HideUnusedPanel1Click();
  bare.Form1->FormMouseMove();
  EXPECT_EQ(bare.Slots.HoveredSlot, 0);
}

TEST_F(ProgramTest, AutoDetectStartsOverAndReconnectReopensTheSelectedPort) {
  add(Model::Q5V, 3);
  TForm1& m = start();
  bus.at(3)->fault = {.kind = Fault::Silent};
  m.Timer1Timer();
  ASSERT_EQ(program.Slots.ReceiverOffline[1], 1);
  m.FullView1Click();
  bus.at(3)->fault = {};
  add(Model::Q5V, 9);
  m.AutoDetectReceivers1Click();
  EXPECT_EQ(program.Slots.ReceiverCount, 2);
  EXPECT_EQ(program.Slots.ReceiverOffline[1], 0);
  EXPECT_FALSE(m.FullView1->checked());
  EXPECT_FALSE(m.Timer2->enabled());
  EXPECT_TRUE(m.Timer1->enabled());
  EXPECT_EQ(m.PanelLabels[1][0]->fontColor(), forms::clWhite);

  bus.remove(3);
  m.Reconnect1Click();
  EXPECT_EQ(program.Slots.ReceiverCount, 1);
  auto* port = dynamic_cast<sim::FakeSerialPort*>(program.Bus.ComPortHandle.get());
  ASSERT_TRUE(port);
  EXPECT_EQ(port->timeouts().readTotalConstant, 20u);
  bus.remove(9);
  m.Reconnect1Click();  // nobody answers: the port is closed again, no message
  EXPECT_FALSE(program.Bus.ComPortHandle);
  EXPECT_FALSE(m.Timer1->enabled());
}

TEST_F(ProgramTest, CommandsThatWouldRestartDetectionWaitWhileItRuns) {
  add(Model::Q5V, 3);
  int during = 0;
  bus.setLineObserver([&](const sim::LoggedLine& l) {
    if (l.line == "#10A1\r" && program.Form1) {
      ++during;
      program.Form1->AutoDetectReceivers1Click();
      program.Form1->Reconnect1Click();
    }
  });
  start();
  EXPECT_EQ(during, 1);
  EXPECT_EQ(linesOf('#', 'A').size(), 64u);  // one pass only
  EXPECT_EQ(program.Slots.ReceiverCount, 1);
}

}  // namespace
