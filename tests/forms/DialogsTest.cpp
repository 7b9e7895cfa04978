#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>
#include <functional>
#include <stdexcept>
#include <string>

#include "forms/Application.h"
#include "forms/Button.h"
#include "forms/Dialogs.h"
#include "forms/FileDialog.h"
#include "forms/ScriptedDialogs.h"
#include "runtime/Convert.h"
#include "runtime/FloatText.h"

namespace forms {
namespace {

TEST(MessageBoxes, ScriptedAnswersAreRecordedInOrder) {
  setApplicationTitle("Vondrix");
  ScriptedDialogs dialogs;
  dialogs.answer("Cancel");
  dialogs.answer("No");
  EXPECT_EQ(MessageBox("Really Want To Quit ?", "Vondrix", MB_OKCANCEL | MB_ICONQUESTION),
            IDCANCEL);
  EXPECT_EQ(MessageBox("Save?", "Calyxon", MB_YESNO), IDNO);
  ShowMessage("Can't Open COM Port");
  ASSERT_EQ(dialogs.boxes.size(), 3u);
  EXPECT_EQ(dialogs.boxes[0].kind, DialogKind::MessageBox);
  EXPECT_EQ(dialogs.boxes[0].text, "Really Want To Quit ?");
  EXPECT_EQ(dialogs.boxes[0].caption, "Vondrix");
  EXPECT_EQ(dialogs.boxes[0].style, 33);
  EXPECT_EQ(dialogs.boxes[2].kind, DialogKind::Message);
  EXPECT_EQ(dialogs.boxes[2].caption, "Vondrix");
  EXPECT_EQ(dialogs.texts(DialogKind::Message), std::vector<QString>{"Can't Open COM Port"});
}

TEST(MessageBoxes, UnscriptedBoxesTakeTheirDefaultButton) {
  ScriptedDialogs dialogs;
  EXPECT_EQ(MessageBox("a", "c", MB_OKCANCEL), IDOK);
  EXPECT_EQ(MessageBox("b", "c", MB_YESNO | MB_DEFBUTTON2), IDNO);
  EXPECT_EQ(MessageBox("d", "c", MB_YESNOCANCEL | MB_DEFBUTTON3), IDCANCEL);
  EXPECT_THROW(dialogs.answer("Maybe"), std::invalid_argument);
}

TEST(MessageBoxes, ResponderIsRestoredWhenTheScriptEnds) {
  ScriptedDialogs outer;
  {
    ScriptedDialogs inner;
    ShowMessage("inner");
    EXPECT_EQ(inner.boxes.size(), 1u);
  }
  ShowMessage("outer");
  ASSERT_EQ(outer.boxes.size(), 1u);
  EXPECT_EQ(outer.boxes[0].text, "outer");
}

TEST(ExceptionsInHandlers, AreShownInTheErrorBoxAndTheProgramGoesOn) {
  setApplicationTitle("Calyxon");
  ScriptedDialogs dialogs;
  Button button(nullptr);
  int clicks = 0;
  button.OnClick = [&] {
    ++clicks;
    runtime::StrToInt("abc");
    ++clicks;  // never reached
  };
  button.click();
  button.click();
  EXPECT_EQ(clicks, 2);
  ASSERT_EQ(dialogs.boxes.size(), 2u);
  EXPECT_EQ(dialogs.boxes[0].kind, DialogKind::Error);
  EXPECT_EQ(dialogs.boxes[0].text, "'abc' is not a valid integer value.");
  EXPECT_EQ(dialogs.boxes[0].caption, "Calyxon");
  EXPECT_EQ(dialogs.boxes[0].style, MB_OK | MB_ICONSTOP);

  EXPECT_FALSE(invokeHandler([] { throw std::runtime_error("Value Out Of Range!"); }));
  EXPECT_EQ(dialogs.boxes.back().text, "Value Out Of Range!");  // ends in punctuation
  EXPECT_FALSE(invokeHandler([] { throw 42; }));
  EXPECT_EQ(dialogs.boxes.back().text, "Unknown exception.");
  EXPECT_TRUE(invokeHandler({}));
}

// A field that holds control bytes shows them escaped and the message to its end; a NUL
// once ended the box's text at "'0x".
TEST(ExceptionsInHandlers, AConversionErrorShowsItsWholeMessageWithControlBytesEscaped) {
  ScriptedDialogs dialogs;
  const QString nul(QChar(0));
  const struct {
    std::function<void()> handler;
    const char* shown;
  } cases[] = {
      {[&] { runtime::StrToInt("0x" + nul + "A"); }, "'0x\\x00A' is not a valid integer value."},
      {[] { runtime::bytes::StrToInt(std::string("0x\0\a\x7F\x9B", 6)); },
       "'0x\\x00\\x07\\x7F\\x9B' is not a valid integer value."},
      {[&] { runtime::StrToFloat("1" + nul + "\r\n"); },
       "'1\\x00\\x0D\\x0A' is not a valid floating point value."},
      {[] { runtime::StrToFloat(QString::fromUtf8("1,5 \u00b5V")); },  // printable: as typed
       "'1,5 \u00b5V' is not a valid floating point value."},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(invokeHandler(c.handler));
    ASSERT_FALSE(dialogs.boxes.empty());
    EXPECT_EQ(dialogs.boxes.back().text, QString::fromUtf8(c.shown));
    EXPECT_EQ(dialogs.boxes.back().kind, DialogKind::Error);
  }
}

TEST(FileDialogs, RecordTheirSettingsAndReturnTheChoice) {
  ScriptedDialogs dialogs;
  SaveDialog save(nullptr);
  save.setDefaultExt("vxn");
  save.setFilter("*.vxn|*.vxn");
  save.setTitle("Save network");
  dialogs.choose("/tmp/net");
  ASSERT_TRUE(save.execute());
  EXPECT_EQ(save.fileName(), "/tmp/net.vxn");  // default extension added
  ASSERT_EQ(dialogs.fileRequests.size(), 1u);
  const FileRequest& shown = dialogs.fileRequests[0];
  EXPECT_EQ(shown.kind, DialogKind::SaveFile);
  EXPECT_EQ(shown.title, "Save network");
  EXPECT_EQ(shown.filter, "*.vxn|*.vxn");
  EXPECT_EQ(shown.defaultExt, "vxn");

  OpenDialog open(nullptr);
  open.setFilter("*.vxn|*.vxn");
  open.setFileName("kept.vxn");
  dialogs.cancelFile();
  EXPECT_FALSE(open.execute());
  EXPECT_EQ(open.fileName(), "kept.vxn");
  dialogs.choose("/tmp/a.b/net.old");
  ASSERT_TRUE(open.execute());
  EXPECT_EQ(open.fileName(), "/tmp/a.b/net.old");
  EXPECT_FALSE(open.execute());  // nothing scripted: cancelled
  EXPECT_EQ(dialogs.fileRequests.back().kind, DialogKind::OpenFile);
}

TEST(FileDialogs, FilterNotationAndDefaultExtension) {
  EXPECT_EQ(qtFilter("*.vxn|*.vxn"), "*.vxn (*.vxn)");
  EXPECT_EQ(qtFilter("Projects|*.prj|All|*.prj;*.flt"), "Projects (*.prj);;All (*.prj *.flt)");
  EXPECT_EQ(withDefaultExt("/a.b/name", "dat"), "/a.b/name.dat");
  EXPECT_EQ(withDefaultExt("name.log", "dat"), "name.log");
  EXPECT_EQ(withDefaultExt("name", ""), "name");
}

}  // namespace
}  // namespace forms
