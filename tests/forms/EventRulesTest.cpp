// The rules by which the kit raises handlers: on a real change only, for the program's
// changes as for the user's.
#include <gtest/gtest.h>
#include <QTest>

#include "forms/Bars.h"
#include "forms/Form.h"
#include "forms/Image.h"
#include "forms/Label.h"
#include "forms/Menu.h"
#include "forms/RadioButton.h"
#include "forms/Timer.h"
#include "tests/forms/Wait.h"

namespace forms {
namespace {

TEST(TrackBar, ChangeHandlerRunsOnEveryRealChangeOnly) {
  TrackBar bar(nullptr);
  bar.setMin(0);
  bar.setMax(100);
  bar.setPosition(10);
  std::vector<int> seen;
  bar.OnChange = [&] { seen.push_back(bar.position()); };
  bar.setPosition(10);                  // same position: nothing
  bar.setPosition(20);                  // program's change
  bar.setPosition(500);                 // kept at the end
  bar.setPosition(100);                 // already there
  QTest::keyClick(&bar, Qt::Key_Left);  // the user's change
  EXPECT_EQ(seen, (std::vector<int>{20, 100, 99}));
}

TEST(RadioButton, ClickHandlerRunsWhenTheButtonBecomesChecked) {
  QWidget group;
  RadioButton a(&group), b(&group);
  std::vector<char> clicks;
  a.OnClick = [&] { clicks.push_back('a'); };
  b.OnClick = [&] { clicks.push_back('b'); };
  a.setChecked(true);  // program checks: click
  a.setChecked(true);  // no change: nothing
  b.setChecked(true);  // b clicked, a unchecked without a click
  EXPECT_FALSE(a.checked());
  b.setChecked(false);  // the program may leave the group with none checked
  EXPECT_FALSE(b.checked());
  EXPECT_FALSE(a.checked());
  b.setChecked(false);
  b.setChecked(true);  // checked again: a real change, so a click
  EXPECT_EQ(clicks, (std::vector<char>{'a', 'b', 'b'}));
  EXPECT_TRUE(b.checked());

  group.resize(200, 100);
  a.setBounds(0, 0, 100, 20);
  b.setBounds(0, 30, 100, 20);
  b.setChecked(true);
  clicks.clear();
  a.setCaption("Peak");
  QTest::mouseClick(&a, Qt::LeftButton, {}, QPoint(6, 10));  // the user's click
  QTest::mouseClick(&a, Qt::LeftButton, {}, QPoint(6, 10));  // already checked
  EXPECT_EQ(clicks, (std::vector<char>{'a'}));
  EXPECT_FALSE(b.checked());
}

TEST(Timer, TicksOnlyWhileEnabledAndFiresOnDemand) {
  Timer timer(nullptr);
  int ticks = 0;
  timer.OnTimer = [&] { ++ticks; };
  timer.setInterval(70);
  EXPECT_TRUE(timer.enabled());
  EXPECT_TRUE(timer.fire());
  timer.setEnabled(false);
  EXPECT_FALSE(timer.fire());
  timer.setEnabled(true);
  timer.setInterval(0);
  EXPECT_FALSE(timer.fire());
  EXPECT_EQ(ticks, 1);

  // A real tick through the event loop.
  timer.setInterval(1);
  EXPECT_TRUE(waitUntil([&] { return ticks >= 2; }));
}

TEST(MenuItem, ChoosingRunsTheHandlerAndLeavesTheCheckMarkToTheProgram) {
  Form form;
  MainMenu menu(&form);
  MenuItem* receiver = menu.addItem("&Receiver");
  MenuItem* fullView = receiver->addItem("Full View", "Ctrl+F");
  int clicks = 0;
  fullView->OnClick = [&] {
    ++clicks;
    fullView->setChecked(!fullView->checked());
  };
  fullView->action()->trigger();  // as the user's choice
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(fullView->checked());
  fullView->action()->trigger();
  EXPECT_FALSE(fullView->checked());

  MenuItem* quiet = receiver->addItem("Quiet");
  quiet->action()->trigger();
  EXPECT_FALSE(quiet->checked());  // no handler: the mark stays as the program set it

  fullView->setEnabled(false);
  fullView->click();
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(fullView->shortCut(), "Ctrl+F");
  EXPECT_EQ(receiver->count(), 2);
}

TEST(MouseHandlers, SeeButtonShiftAndClientPosition) {
  QWidget parent;
  parent.resize(200, 100);
  Label label(&parent);
  label.setAutoSize(false);
  label.setBounds(10, 10, 70, 20);
  int parentPresses = 0;
  Label under(&parent);  // a sibling under the label must not see its events
  under.setBounds(0, 0, 200, 100);
  under.lower();
  under.OnMouseDown = [&](MouseButton, ShiftState, int, int) { ++parentPresses; };

  std::vector<std::string> events;
  label.OnMouseDown = [&](MouseButton b, ShiftState s, int x, int y) {
    events.push_back("down " + std::to_string(b) + " " + std::to_string(s) + " " +
                     std::to_string(x) + "," + std::to_string(y));
  };
  label.OnClick = [&] { events.push_back("click"); };
  label.OnDblClick = [&] { events.push_back("dblclick"); };
  QTest::mouseClick(&label, Qt::RightButton, Qt::ShiftModifier, QPoint(5, 6));
  QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(1, 2));
  QTest::mouseDClick(&label, Qt::LeftButton, {}, QPoint(1, 2));
  ASSERT_GE(events.size(), 5u);
  EXPECT_EQ(events[0], "down 1 17 5,6");  // right button, shift + right held
  EXPECT_EQ(events[1], "down 0 8 1,2");
  EXPECT_EQ(events[2], "click");
  EXPECT_EQ(events[events.size() - 2], "dblclick");
  EXPECT_EQ(events.back(), "down 0 72 1,2");  // left held + double
  EXPECT_EQ(parentPresses, 0);
}

TEST(MouseHandlers, AnImageFollowsADragThatLeavesIt) {
  QWidget window;
  window.resize(300, 200);
  Image image(&window);
  image.setBounds(20, 20, 100, 50);
  window.show();
  std::vector<std::string> events;
  auto at = [](int x, int y) { return std::to_string(x) + "," + std::to_string(y); };
  image.OnMouseDown = [&](MouseButton, ShiftState, int x, int y) {
    events.push_back("down " + at(x, y));
  };
  image.OnMouseMove = [&](ShiftState, int x, int y) { events.push_back("move " + at(x, y)); };
  image.OnMouseUp = [&](MouseButton, ShiftState, int x, int y) {
    events.push_back("up " + at(x, y));
  };
  QTest::mousePress(&image, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseMove(&image, QPoint(100, 10));  // the right edge: outside the last pixel
  QTest::mouseMove(&image, QPoint(130, -5));
  QTest::mouseRelease(&image, Qt::LeftButton, {}, QPoint(130, -5));
  EXPECT_EQ(events,
            (std::vector<std::string>{"down 10,10", "move 100,10", "move 130,-5", "up 130,-5"}));
}

}  // namespace
}  // namespace forms
