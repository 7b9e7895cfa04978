// The main screen's views, hit test and panel buttons.
#include "platform/Paths.h"
#include "platform/WindowDirectory.h"
#include "program_fixture.h"

namespace {

using sim::Model;
using vondrix::TForm1;

class Views : public ProgramTest {
 protected:
  TForm1& withThree() {
    for (int a : {3, 5, 17}) add(Model::Q5V, a);
    add(Model::Z3K, 40);  // four receivers in all
    return start();
  }
};

TEST_F(Views, ScreensMarkTheShownOneByTheButtonFont) {
  TForm1& m = withThree();
  EXPECT_EQ(m.Button2->fontName(), "@System");
  EXPECT_EQ(m.Button3->fontName(), "MS Sans Serif");
  m.Button3Click();
  EXPECT_EQ(m.Button2->fontName(), "MS Sans Serif");
  EXPECT_EQ(m.Button3->fontName(), "@System");
  EXPECT_FALSE(m.PanelTable[1]->visible());
  EXPECT_FALSE(m.PanelTable[1]->enabled());
  EXPECT_TRUE(m.PanelTable[33]->visible());
  EXPECT_FALSE(m.PanelTable[33]->enabled());
  EXPECT_EQ(m.PanelTable[33]->geometry().topLeft(), m.PanelTable[1]->geometry().topLeft());
  EXPECT_EQ(QSize(m.outerWidth(), m.outerHeight()), QSize(730, 410));
}

TEST_F(Views, FullViewShowsAllButKeepsTheOtherScreenDisabled) {
  TForm1& m = withThree();
  m.FullView1Click();
  EXPECT_TRUE(m.FullView1->checked());
  EXPECT_EQ(QSize(m.outerWidth(), m.outerHeight()), QSize(730, 690));
  EXPECT_FALSE(m.Button2->visible());
  EXPECT_TRUE(m.PanelTable[64]->visible());
  EXPECT_FALSE(m.PanelTable[40]->enabled());
  EXPECT_EQ(m.PanelTable[64]->geometry().topLeft() - m.PanelTable[1]->geometry().topLeft(),
            QPoint(7 * 90, 7 * 80));
  EXPECT_EQ(QPoint(m.left(), m.top()), QPoint(150, 20));
  hoverSlot(40);
  EXPECT_EQ(program.Slots.HoveredSlot, 0);  // disabled: the hit finds the form
  m.FullView1Click();
  EXPECT_FALSE(m.FullView1->checked());
  EXPECT_FALSE(m.PanelTable[64]->visible());
  EXPECT_TRUE(m.Button2->visible());
}

TEST_F(Views, HideUnusedHidesEmptySlotsAndOnScreen2MovesPanelsDown) {
  TForm1& m = withThree();
  m.HideUnusedPanel1Click();
  EXPECT_TRUE(m.HideUnusedPanel1->checked());
  EXPECT_TRUE(m.PanelTable[4]->visible());
  EXPECT_FALSE(m.PanelTable[5]->visible());
  m.HideUnusedPanel1Click();
  EXPECT_TRUE(m.PanelTable[5]->visible());

  m.Button3Click();
  m.HideUnusedPanel1Click();
  EXPECT_EQ(m.PanelTable[33]->geometry().topLeft() - m.PanelTable[1]->geometry().topLeft(),
            QPoint(0, 4 * 80));
  EXPECT_EQ(QSize(m.outerWidth(), m.outerHeight()), QSize(730, 410));
  m.HideUnusedPanel1Click();  // unchecking lays out screen 1 again
  EXPECT_EQ(m.Button2->fontName(), "@System");
}

TEST_F(Views, TheHitTestFindsEnabledPanelsOnly) {
  TForm1& m = withThree();
  hoverSlot(2);
  EXPECT_EQ(program.Slots.HoveredSlot, 2);
  EXPECT_EQ(program.Slots.HoveredAddress, "05");
  EXPECT_EQ(program.Slots.SelectedSlot, 2);
  hover(m.PanelButtons[4][1]);  // a button inside the panel finds the panel
  EXPECT_EQ(program.Slots.HoveredSlot, 4);
  hoverSlot(7);  // visible but unused, so disabled
  EXPECT_EQ(program.Slots.HoveredSlot, 0);
  EXPECT_EQ(program.Slots.HoveredAddress, "");
  EXPECT_EQ(program.Slots.SelectedSlot, 4);
  hover(m.Button3);
  EXPECT_EQ(program.Slots.HoveredSlot, 0);
  for (int s = 1; s <= 64; ++s) ASSERT_EQ(m.PanelTable[s]->caption(), "") << s;
}

TEST_F(Views, ASecondModelPanelShowsItsSlotNumberUntilThePointerMoves) {
  TForm1& m = withThree();
  EXPECT_EQ(m.PanelTable[4]->caption(), "4");
  hoverSlot(1);
  EXPECT_EQ(m.PanelTable[4]->caption(), "");
}

TEST_F(Views, TheMuteButtonTogglesAndTheGlyphFollows) {
  TForm1& m = withThree();
  bus.at(5)->status = '1';  // frequency mode, not muted
  hoverSlot(2);
  bus.clearLog();
  m.BitBtn1Click();
  EXPECT_EQ(bus.lines(), (std::vector<std::string>{"%05B\r", "#05B1\r"}));
  const QImage off =
      forms::loadBitmapFile(QString::fromStdString(platform::exeFolder() + "sp_off.bmp"));
  EXPECT_EQ(m.PanelButtons[2][0]->glyph(), off);
  EXPECT_EQ(program.Form3->BitBtn14->glyph(), off);
  EXPECT_EQ(program.Form7->BitBtn3->glyph(), off);
  bus.clearLog();
  m.BitBtn1Click();
  EXPECT_EQ(bus.lines(), (std::vector<std::string>{"%05B\r", "#05B0\r"}));
  EXPECT_EQ(m.PanelButtons[2][0]->glyph(),
            forms::loadBitmapFile(QString::fromStdString(platform::exeFolder() + "sp_on.bmp")));
  hoverSlot(9);
  bus.clearLog();
  m.BitBtn1Click();  // on no valid slot: nothing
  m.BitBtn2Click();
  EXPECT_TRUE(bus.lines().empty());
}

TEST_F(Views, TheDetailButtonClosesBothDetailWindowsAndPausesPollingForTheOpener) {
  TForm1& m = withThree();
  program.Form3->show();
  program.Form7->show();
  std::vector<std::string> opened;
  auto opener = [&](const char* model) {
    return [&, model] {
      EXPECT_FALSE(program.Form3->isVisible());
      EXPECT_FALSE(program.Form7->isVisible());
      EXPECT_EQ(program.Net.PollingEnabled, 0);
      opened.push_back(model);
    };
  };
  m.OpenDetailQ5V = opener("Q5V");
  m.OpenDetailZ3K = opener("Z3K");
  hoverSlot(4);
  m.BitBtn2Click();
  hoverSlot(1);
  m.BitBtn2Click();
  EXPECT_EQ(opened, (std::vector<std::string>{"Z3K", "Q5V"}));
  program.Form7->close();
  EXPECT_EQ(program.Net.PollingEnabled, 1);
}

TEST_F(Views, BatteryAndAudioOfTheFirstModel) {
  TForm1& m = withThree();
  struct Row {
    int code;
    const char* text;
    bool lamp1;
    forms::TColor lamp2;
  } rows[] = {{16, "OFF", false, forms::clRed},
              {17, "100%", true, forms::clLime},
              {35, "10%", true, forms::clLime},
              {36, "OFF", false, forms::clRed}};
  for (const Row& r : rows) {
    m.ShowBatteryQ5V(1, r.code);
    EXPECT_EQ(m.PanelLabels[1][1]->caption(), r.text) << r.code;
    EXPECT_EQ(m.PanelLeds[1][0]->visible(), r.lamp1) << r.code;
    EXPECT_EQ(m.PanelLeds[1][1]->brushColor(), r.lamp2) << r.code;
    EXPECT_TRUE(m.PanelLeds[1][2]->visible());
  }
  EXPECT_TRUE(m.PanelLabels[1][1]->visible());  // shown since the first "OFF"
  EXPECT_FALSE(m.PanelLabels[2][1]->visible() && m.PanelLabels[2][1]->caption() == "OFF");
  m.ShowAfLevelQ5V(1, 85);
  EXPECT_EQ(m.PanelBars[1][2]->position(), 0);
  m.ShowAfLevelQ5V(1, 230);
  EXPECT_EQ(m.PanelBars[1][2]->position(), 127);  // full bar
}

TEST_F(Views, TheDesignersWindowBlocksTheGuardedCommandsOnly) {
  TForm1& m = withThree();
  hoverSlot(2);
  platform::WindowPublication notIt("Calyxon 2");
  bus.clearLog();
  m.Timer1Timer();
  EXPECT_FALSE(bus.lines().empty());
  platform::WindowPublication designer("Calyxon");
  EXPECT_TRUE(guardedCommandsWait());
  EXPECT_EQ(program.Slots.ReceiverCount, 4);
  EXPECT_TRUE(program.DesignerWindow == designer.handle());
}

}  // namespace
