// The main screen's frame as a user meets it: the menu bar reached by the mouse, the
// titles the window system shows, the client area of both views, the name lines.
#include "menu_clicks.h"
#include "platform/Settings.h"
#include "program_fixture.h"
#include "tests/forms/WindowTitle.h"
#include "vondrix/network/AboutForm.h"
#include "vondrix/network/NameLineFace.h"

namespace {

using sim::Model;
using vondrix::TForm1;

class MainScreenFrame : public ProgramTest {
 protected:
  TForm1& withTwo() {
    add(Model::Q5V, 3);
    add(Model::Z3K, 40);
    return start();
  }
};

TEST_F(MainScreenFrame, TheMenuBarSitsAboveThePanelsAndTheMouseReachesTheRegions) {
  TForm1& m = withTwo();
  ASSERT_TRUE(m.isVisible());
  QMenuBar* bar = m.MainMenu1->bar();
  EXPECT_TRUE(bar->isVisible());
  EXPECT_GT(bar->height(), 0);
  EXPECT_EQ(bar->geometry(), QRect(0, 0, m.width(), bar->height()));
  EXPECT_EQ(m.PanelTable[1]->y(), bar->geometry().bottom() + 1);
  EXPECT_EQ(m.PanelTable[1]->top(), 0);

  forms::MenuItem* option = m.MainMenu1->item(2);
  ASSERT_EQ(option->caption(), "&Option");
  QMenu* optionMenu = openEntry(bar, option);
  ASSERT_TRUE(optionMenu);

  forms::MenuItem* tv = option->item(2);
  ASSERT_EQ(tv->caption(), "TV Channel");
  QMenu* regions = openEntry(optionMenu, tv);
  ASSERT_TRUE(regions);
  clickEntry(regions, m.Japan1->action());
  EXPECT_TRUE(forms::waitUntil([&] { return !optionMenu->isVisible(); }));
  EXPECT_EQ(program.TvRegion, 4);
  EXPECT_TRUE(m.Japan1->checked());
  EXPECT_FALSE(m.Taiwan1->checked());
}

TEST_F(MainScreenFrame, WindowsShowExactlyTheirCaptionsAndBoxesTheProgramsTitle) {
  platform::Settings("Vondrix").write("TV", "");  // as at the first start
  TForm1& m = withTwo();
  // The first start's conversion error carries the program's title.
  ASSERT_EQ(dialogs.texts(forms::DialogKind::Error).size(), 1u);
  EXPECT_EQ(dialogs.boxes.back().caption, "Vondrix");
  const std::pair<QWidget*, QString> windows[] = {
      {&m, "Vondrix Main Screen"},
      {program.Form5, "About this program"},
      {program.Form6, "Display Select"},
      {program.Form3, "Detail Functions"},
      {program.Form7, "Zarnel Detail Functions"},
  };
  for (const auto& [window, caption] : windows)
    EXPECT_EQ(forms::windowSystemTitle(*window), caption);
}

TEST_F(MainScreenFrame, BothViewsFillTheClientAreaOfTheirOuterSize) {
  TForm1& m = withTwo();
  const int bar = m.MainMenu1->bar()->height();
  EXPECT_EQ(QSize(m.outerWidth(), m.outerHeight()), QSize(730, 410));
  EXPECT_EQ(QSize(m.clientWidth(), m.clientHeight()), QSize(722, 383 - bar));
  // The screen buttons end just above the client area's bottom.
  const int buttonsEnd = m.Button2->top() + m.Button2->height();
  EXPECT_LE(buttonsEnd, m.clientHeight());
  EXPECT_LT(m.clientHeight() - buttonsEnd, 10);
  EXPECT_LE(m.Button3->left() + m.Button3->width(), m.clientWidth());

  m.FullView1Click();
  EXPECT_EQ(QSize(m.outerWidth(), m.outerHeight()), QSize(730, 690));
  EXPECT_EQ(QSize(m.clientWidth(), m.clientHeight()), QSize(722, 663 - bar));
  EXPECT_LE(m.PanelTable[64]->top() + m.PanelTable[64]->height(), m.clientHeight());

  m.FullView1Click();
  EXPECT_EQ(QSize(m.clientWidth(), m.clientHeight()), QSize(722, 383 - bar));
}

TEST_F(MainScreenFrame, OtherWindowsTakeTheirSizesAsGiven) {
  withTwo();
  struct Row {
    forms::Form* window;
    QSize client;
  } rows[] = {
      {program.Form5, {414 - 8, 120 - 27}},  // given as its outer size
      {program.Form7, {607 - 8, 577 - 27}},  // likewise
      {program.Form3, {593, 525}},           // given as its client area
      {program.Form4, {446, 83}},
  };
  for (const Row& r : rows)
    EXPECT_EQ(QSize(r.window->clientWidth(), r.window->clientHeight()), r.client)
        << r.window->caption().toStdString();
}

// The box around a line's text: the rows and columns that hold a pixel other than the
// line's green.
QRect InkOf(forms::Label& line) {
  const QImage shot = line.grab().toImage();
  const QRgb green = forms::toQColor(forms::clGreen).rgb();
  QRect ink;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x)
      if (shot.pixel(x, y) != green) ink |= QRect(x, y, 1, 1);
  return ink;
}

TEST_F(MainScreenFrame, EveryTextOfANameLineShowsWholeInsideIt) {
  auto& first = add(Model::Q5V, 8);
  first.name = "WWWWWW", first.firmware = "1.1A", first.group = 15, first.channel = 16;
  auto& second = add(Model::Z3K, 64);
  second.name = "WWWWWW", second.status = '1';  // tuned by frequency: no group and channel
  TForm1& m = start();
  program.Slots.ReceiverFrequencyCode[1] = "1387F";  // 1,999.975 MHz: the widest grouped text
  program.Slots.ReceiverFrequencyCode[2] = "FFFF";
  vondrix::TForm6& popup = *program.Form6;
  struct Step {
    std::function<void()> rewrite;
    std::string slot1, slot2;
  } steps[] = {
      {[&] { m.Queries.QueryName(1), m.Queries.QueryName(2); }, "08 WWWWWW", "64 WWWWWW"},
      {[&] { popup.StaticText4MouseDown(); }, "08  WWWWWW", "64  WWWWWW"},
      {[&] { popup.StaticText1MouseDown(); }, "GR 15 CH 16", "  GR ** CH **"},
      {[&] { popup.StaticText2MouseDown(); }, "1,999.975MHZ", "1,638.375MHZ"},
  };
  // The lines as the panels built them, then in the face used where the condensed one is
  // not installed.
  for (const bool asBuilt : {true, false}) {
    if (!asBuilt) {
      const vondrix::NameLineFace fallback = vondrix::NameLineFaceFor(false);
      for (int slot : {1, 2}) {
        m.PanelLabels[slot][0]->setFontName(fallback.fontName);
        m.PanelLabels[slot][0]->setFontHeight(fallback.pixels);
      }
    }
    for (const Step& step : steps) {
      step.rewrite();
      for (int slot : {1, 2}) {
        forms::Label& line = *m.PanelLabels[slot][0];
        ASSERT_EQ(line.caption().toStdString(), slot == 1 ? step.slot1 : step.slot2);
        ASSERT_EQ(line.size(), QSize(70, 10));
        const QRect ink = InkOf(line);
        const std::string what = line.caption().toStdString() + " in " +
                                 line.fontName().toStdString() + " " +
                                 std::to_string(line.fontHeight());
        // Glyphs tall enough to read, and a free pixel on every side: nothing is cut.
        EXPECT_GE(ink.height(), 5) << what;
        EXPECT_GT(ink.width(), 40) << what;
        EXPECT_TRUE(QRect(1, 1, 68, 8).contains(ink))
            << what << ": ink at " << ink.x() << "," << ink.y() << " " << ink.width() << "x"
            << ink.height();
      }
    }
  }
}

}  // namespace
