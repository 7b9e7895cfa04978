#include <gtest/gtest.h>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <memory>

#include "forms/Application.h"
#include "forms/Canvas.h"
#include "forms/Dialogs.h"
#include "forms/Form.h"
#include "forms/Menu.h"
#include "forms/Panel.h"
#include "forms/Screen.h"
#include "forms/ScriptedDialogs.h"
#include "platform/WindowDirectory.h"
#include "tests/common/MenuSeparators.h"
#include "tests/forms/Wait.h"
#include "tests/forms/WindowTitle.h"

namespace forms {
namespace {

TEST(FormDirectory, PublishesItsCaptionWhileItExists) {
  {
    Form form;
    EXPECT_TRUE(platform::findWindows("Calyxon").empty());
    form.setCaption("Calyxon");
    const auto found = platform::findWindows("Calyxon");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], form.publishedHandle());
    EXPECT_TRUE(form.publishedHandle().title == "Calyxon");

    form.setCaption("Calyxon - project");
    EXPECT_TRUE(platform::findWindows("Calyxon").empty());
    EXPECT_EQ(platform::findWindows("Calyxon - project").size(), 1u);
    form.setCaption("Calyxon");
  }
  EXPECT_TRUE(platform::findWindows("Calyxon").empty());
}

TEST(FormDirectory, PostedMessagesReachOnMessage) {
  Form form;
  form.setCaption("Vondrix Main Screen");
  uint32_t got = 0;
  form.OnMessage = [&](uint32_t message, uint64_t, int64_t) { got = message; };
  ASSERT_TRUE(platform::postMessage(form.publishedHandle(), 0x8750, 1, 2));
  EXPECT_TRUE(waitUntil([&] { return got == 0x8750u; }));
}

TEST(FormClose, QueryMayRefuseAndTheActionDecides) {
  Form form;
  form.show();
  bool allow = false;
  int closes = 0;
  form.OnCloseQuery = [&](bool& canClose) { canClose = allow; };
  form.OnClose = [&](CloseAction&) { ++closes; };
  form.close();
  EXPECT_TRUE(form.visible());
  EXPECT_EQ(closes, 0);
  allow = true;
  form.close();
  EXPECT_FALSE(form.visible());  // caHide
  EXPECT_EQ(closes, 1);
  form.close();  // a hidden form runs its handlers too
  EXPECT_EQ(closes, 2);
}

TEST(FormClose, FreeDeletesTheFormAndAFailingHandlerRefuses) {
  ScriptedDialogs dialogs;
  QPointer<Form> form = new Form;
  form->show();
  form->OnClose = [](CloseAction&) { throw std::runtime_error("no"); };
  form->close();
  EXPECT_TRUE(form->visible());
  EXPECT_EQ(dialogs.boxes.size(), 1u);
  form->OnClose = [](CloseAction& action) { action = caFree; };
  form->close();
  EXPECT_TRUE(waitUntil([&] { return form.isNull(); }));
}

TEST(FormGeometry, AnOuterSizeLosesTheClassicFrameOfEveryBorderedWindow) {
  struct Row {
    const char* name;
    BorderStyle style;
    QSize client;
  } rows[] = {
      {"single", bsSingle, {722, 383}},
      {"sizeable", bsSizeable, {722, 383}},
      {"dialog", bsDialog, {722, 383}},
      {"none", bsNone, {730, 410}},
  };
  for (const Row& r : rows) {
    Form form;
    form.setBorderStyle(r.style);
    form.setOuterSize(730, 410);
    EXPECT_EQ(QSize(form.clientWidth(), form.clientHeight()), r.client) << r.name;
    EXPECT_EQ(QSize(form.outerWidth(), form.outerHeight()), QSize(730, 410)) << r.name;
    form.setClientSize(568, 390);
    EXPECT_EQ(form.size(), QSize(568, 390)) << r.name;
  }
  Form splash;
  splash.setBorderStyle(bsNone);
  EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
  splash.setLeft(150);
  splash.setTop(20);
  EXPECT_EQ(QPoint(splash.left(), splash.top()), QPoint(150, 20));
}

// A form with a menu bar and panels, put together in the order given.
struct MenuForm {
  Form form;
  Panel before{&form};
  std::unique_ptr<MainMenu> menu;
  std::unique_ptr<Panel> after;

  explicit MenuForm(bool outer) {
    form.setBorderStyle(bsSingle);
    if (outer)
      form.setOuterSize(730, 410);
    else
      form.setClientSize(400, 300);
    before.setBounds(0, 0, 90, 80);
    menu = std::make_unique<MainMenu>(&form);  // attached while still empty
    after = std::make_unique<Panel>(&form);
    after->setBounds(90, 10, 90, 80);
    MenuItem* file = menu->addItem("&File");  // the bar grows now
    file->addItem("E&xit", "Ctrl+X");
    menu->addItem("&Option");
  }
  int barHeight() const { return menu->bar()->height(); }
  // Each panel's client position holds, below the bar.
  void expectPanelsBelowTheBar() const {
    EXPECT_EQ(before.pos(), QPoint(0, barHeight()));
    EXPECT_EQ(QPoint(before.left(), before.top()), QPoint(0, 0));
    EXPECT_EQ(after->pos(), QPoint(90, 10 + barHeight()));
    EXPECT_EQ(QPoint(after->left(), after->top()), QPoint(90, 10));
  }
};

TEST(FormMenuBar, TheClientAreaStaysBelowTheBarWhateverTheOrder) {
  MenuForm f(false);
  EXPECT_GT(f.barHeight(), 0);
  EXPECT_EQ(f.form.menuBarHeight(), f.barHeight());
  EXPECT_EQ(f.menu->bar()->geometry(), QRect(0, 0, 400, f.barHeight()));
  f.expectPanelsBelowTheBar();
  EXPECT_EQ(QSize(f.form.clientWidth(), f.form.clientHeight()), QSize(400, 300));
  EXPECT_EQ(f.form.height(), 300 + f.barHeight());
  EXPECT_EQ(childWindowFromPoint(&f.form, {10, 10}, true, false), &f.before);

  // The bar's height follows its font; a client size stays the client size.
  const int small = f.barHeight();
  QFont big = f.menu->bar()->font();
  big.setPixelSize(30);
  f.menu->bar()->setFont(big);
  EXPECT_GT(f.barHeight(), small);
  f.expectPanelsBelowTheBar();
  EXPECT_EQ(f.form.clientHeight(), 300);
}

TEST(FormMenuBar, AnOuterSizeKeepsItsOuterSizeAndTheBarTakesFromTheClientArea) {
  MenuForm f(true);
  f.form.show();
  EXPECT_GT(f.barHeight(), 0);
  EXPECT_EQ(QSize(f.form.outerWidth(), f.form.outerHeight()), QSize(730, 410));
  EXPECT_EQ(QSize(f.form.clientWidth(), f.form.clientHeight()), QSize(722, 383 - f.barHeight()));
  f.expectPanelsBelowTheBar();
  f.form.setOuterSize(730, 690);
  EXPECT_EQ(f.form.clientHeight(), 663 - f.barHeight());
  f.expectPanelsBelowTheBar();
}

TEST(FormMenuBar, AClickOnATitleOpensItsMenu) {
  MenuForm f(false);
  f.form.show();
  QMenuBar* bar = f.menu->bar();
  MenuItem* file = f.menu->item(0);
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file->action()).center());
  QMenu* menu = file->action()->menu();
  EXPECT_TRUE(waitUntil([&] { return menu->isVisible(); }));
  menu->hide();
}

TEST(FormMenuBar, ADashCaptionIsASeparatorLineWithoutAText) {
  MenuForm f(false);
  MenuItem* line = f.menu->item(0)->addItem("-");
  EXPECT_EQ(line->caption(), "-");
  EXPECT_TRUE(line->action()->isSeparator());
  // A style draws a separator's text beside its line.
  EXPECT_EQ(SeparatorTexts(*f.menu->bar()), QStringList{""});
  line->setCaption("&Load");
  EXPECT_FALSE(line->action()->isSeparator());
  EXPECT_EQ(line->action()->text(), "&Load");
  EXPECT_TRUE(SeparatorTexts(*f.menu->bar()).isEmpty());
}

TEST(FormTitle, TheWindowSystemShowsTheCaptionAndBoxesTheApplicationTitle) {
  setApplicationTitle("Vondrix");
  Form form;
  form.setCaption("Vondrix Main Screen");
  form.show();
  EXPECT_EQ(windowSystemTitle(form), "Vondrix Main Screen");
  form.setCaption("About this program");
  EXPECT_EQ(windowSystemTitle(form), "About this program");
  ScriptedDialogs dialogs;
  ShowMessage("Can't Open COM Port");
  showErrorText("'' is not a valid integer value");
  ASSERT_EQ(dialogs.boxes.size(), 2u);
  EXPECT_EQ(dialogs.boxes[0].caption, "Vondrix");
  EXPECT_EQ(dialogs.boxes[1].caption, "Vondrix");
  EXPECT_EQ(applicationTitle(), "Vondrix");
}

TEST(FormCanvas, DrawsOverTheControlsLetsTheMouseThroughAndGoesWithAHide) {
  Form form;
  form.setClientSize(100, 60);
  auto* panel = new Panel(&form);
  panel->setBounds(10, 10, 50, 40);
  panel->setColor(clWhite);
  form.show();
  Canvas& canvas = form.canvas();
  canvas.pen.color = clRed;
  canvas.moveTo(0, 20);
  canvas.lineTo(40, 20);
  auto at = [&](int x, int y) { return fromQColor(form.grab().toImage().pixelColor(x, y)); };
  EXPECT_EQ(at(20, 20), clRed);  // over the panel
  EXPECT_EQ(at(20, 30), clWhite);
  EXPECT_EQ(form.childAt(20, 20), panel);
  form.hide();
  form.show();
  EXPECT_EQ(at(20, 20), clWhite);
}

}  // namespace
}  // namespace forms
