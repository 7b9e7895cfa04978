#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>
#include <stdexcept>

#include "forms/Edit.h"
#include "forms/Form.h"
#include "forms/ScriptedDialogs.h"

namespace forms {
namespace {

// A subclass that filters keys after the owner's handler, as a numeric edit does.
class DigitsOnly : public Edit {
 public:
  using Edit::Edit;
  std::vector<char16_t> seenByFilter;
  int exits = 0;

 protected:
  void keyPress(char16_t& key) override {
    Edit::keyPress(key);
    seenByFilter.push_back(key);
    if (key != 8 && (key < '0' || key > '9')) key = 0;
  }
  void doExit() override {
    ++exits;
    Edit::doExit();
  }
};

TEST(EditKeys, HandlerSeesTheCharacterFirstAndMayDiscardOrReplaceIt) {
  DigitsOnly edit(nullptr);
  std::vector<char16_t> seenByHandler;
  edit.OnKeyPress = [&](char16_t& key) {
    seenByHandler.push_back(key);
    if (key == '7') key = 0;    // discarded before the filter
    if (key == 'o') key = '0';  // replaced
  };
  QTest::keyClicks(&edit, "17o.x2");
  QTest::keyClick(&edit, Qt::Key_Return);
  QTest::keyClick(&edit, Qt::Key_Backspace);
  EXPECT_EQ(edit.text(), "10");
  EXPECT_EQ(seenByHandler, (std::vector<char16_t>{'1', '7', 'o', '.', 'x', '2', 13, 8}));
  EXPECT_EQ(edit.seenByFilter, (std::vector<char16_t>{'1', 0, '0', '.', 'x', '2', 13, 8}));
}

TEST(EditKeys, ControlKeysArriveAsTheirCharactersAndNavigationKeysBypass) {
  Edit edit(nullptr);
  std::vector<char16_t> seen;
  edit.OnKeyPress = [&](char16_t& key) {
    seen.push_back(key);
    key = 0;
  };
  edit.setText("abc");
  QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(&edit, Qt::Key_Escape);
  QTest::keyClick(&edit, Qt::Key_Home);
  QTest::keyClick(&edit, Qt::Key_Delete);
  EXPECT_EQ(seen, (std::vector<char16_t>{22, 27}));
  EXPECT_EQ(edit.text(), "bc");  // Delete is no typed character
}

TEST(EditKeys, AFailingHandlerDiscardsTheCharacterAndIsShown) {
  ScriptedDialogs dialogs;
  Edit edit(nullptr);
  edit.OnKeyPress = [](char16_t& key) {
    if (key == 'x') throw std::runtime_error("bad key");
  };
  QTest::keyClicks(&edit, "axb");
  EXPECT_EQ(edit.text(), "ab");
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, "bad key.");
}

TEST(EditKeys, MaxLengthLimitsTypingNotTheProgram) {
  Edit edit(nullptr);
  edit.setMaxLength(7);
  edit.setText("810.0000");  // the program may set more
  EXPECT_EQ(edit.text(), "810.0000");
  edit.setText("810.00");
  edit.setSelStart(6);
  QTest::keyClicks(&edit, "12");
  EXPECT_EQ(edit.text(), "810.001");
  edit.setSelStart(0);
  edit.setSelLength(3);  // typing over a selection fits
  EXPECT_EQ(edit.selLength(), 3);
  QTest::keyClicks(&edit, "7");
  EXPECT_EQ(edit.text(), "7.001");
}

TEST(EditFocus, ExitRunsWhenTheFocusMovesToAnotherControl) {
  Form form;
  form.setClientSize(200, 100);
  DigitsOnly edit(&form);
  Edit other(&form);
  edit.setBounds(0, 0, 100, 20);
  other.setBounds(0, 40, 100, 20);
  int exits = 0;
  edit.OnExit = [&] { ++exits; };
  form.show();
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  edit.setFocus();
  ASSERT_TRUE(edit.hasFocus());
  other.setFocus();
  EXPECT_EQ(exits, 1);
  EXPECT_EQ(edit.exits, 1);
  other.setFocus();  // not in the edit: nothing
  EXPECT_EQ(exits, 1);
}

TEST(EditText, AlignmentAndSelectionReadBack) {
  Edit edit(nullptr);
  edit.setText("798.000");
  edit.setAlignment(taCenter);
  EXPECT_EQ(edit.alignment(), taCenter);
  EXPECT_TRUE(edit.QLineEdit::alignment() & Qt::AlignHCenter);
  edit.setSelStart(2);
  edit.setSelLength(3);
  EXPECT_EQ(edit.selStart(), 2);
  EXPECT_EQ(edit.selectedText(), "8.0");
}

}  // namespace
}  // namespace forms
