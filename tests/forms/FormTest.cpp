#include <gtest/gtest.h>
#include <QCloseEvent>
#include <QPointer>
#include <QTest>

#include "forms/Form.h"
#include "forms/ScriptedDialogs.h"
#include "platform/WindowDirectory.h"
#include "tests/forms/Wait.h"

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

TEST(FormGeometry, ClientAndOuterSizesFollowTheBorderStyle) {
  Form splash;
  splash.setBorderStyle(bsNone);
  splash.setBorderIcons(0);
  splash.setClientSize(568, 390);
  EXPECT_EQ(splash.outerWidth(), 568);
  EXPECT_EQ(splash.outerHeight(), 390);
  EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);

  Form main;
  main.setOuterSize(730, 410);
  EXPECT_EQ(main.clientWidth(), 722);
  EXPECT_EQ(main.clientHeight(), 383);
  EXPECT_EQ(main.outerHeight(), 410);
  main.setLeft(150);
  main.setTop(20);
  EXPECT_EQ(main.left(), 150);
  EXPECT_EQ(main.top(), 20);
}

}  // namespace
}  // namespace forms
