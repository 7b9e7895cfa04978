// TEditEx, the numeric edit control: its key rules and its range check on exit.
#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>

#include "forms/Form.h"
#include "forms/ScriptedDialogs.h"
#include "vondrix/detail/EditEx.h"

namespace {

using vondrix::tdNumber;
using vondrix::tdText;
using vondrix::TEditEx;

TEST(EditEx, ANewControlIsARightAlignedNumberFieldShowingZero) {
  TEditEx e(nullptr);
  EXPECT_EQ(e.text(), "0");
  EXPECT_EQ(e.Alignment(), forms::taRightJustify);
  EXPECT_TRUE(e.QLineEdit::alignment() & Qt::AlignRight);
  EXPECT_EQ(e.DataType(), tdNumber);
  EXPECT_FALSE(e.CheckRange());
  EXPECT_EQ(e.MaxValue(), 0.0);
  EXPECT_EQ(e.MinValue(), 0.0);
  e.SetAlignment(forms::taCenter);
  EXPECT_TRUE(e.QLineEdit::alignment() & Qt::AlignHCenter);
}

TEST(EditEx, KeysInNumberAndTextMode) {
  struct Row {
    const char* name;
    vondrix::TDataType type;
    const char* before;
    bool selectAll;
    const char* typed;
    const char* after;
  } rows[] = {
      {"minus into an empty text", tdNumber, "", false, "-", "-"},
      {"minus after digits", tdNumber, "12", false, "-", "12"},
      {"minus over the whole text", tdNumber, "12", true, "-", "-"},
      {"a second point", tdNumber, "810.000", false, ".", "810.000"},
      {"a point over the whole text", tdNumber, "810.000", true, ".", "810.000"},
      {"a first point", tdNumber, "810", false, ".", "810."},
      {"digits", tdNumber, "", false, "7985", "7985"},
      {"letters and signs", tdNumber, "", false, "a+,e", ""},
      {"text mode", tdText, "", false, "a-.b.", "a-.b."},
  };
  for (const Row& r : rows) {
    TEditEx e(nullptr);
    e.SetDataType(r.type);
    e.setText(r.before);
    if (r.selectAll) e.selectAll();
    QTest::keyClicks(&e, r.typed);
    EXPECT_EQ(e.text(), r.after) << r.name;
  }
}

TEST(EditEx, ControlKeysAreDiscardedAndEnterReachesOnlyTheOwner) {
  for (vondrix::TDataType type : {tdNumber, tdText}) {
    TEditEx e(nullptr);
    e.SetDataType(type);
    e.setText("12");
    std::vector<char16_t> seen;
    e.OnKeyPress = [&](char16_t& key) { seen.push_back(key); };
    QTest::keyClick(&e, Qt::Key_Return);
    EXPECT_EQ(seen, std::vector<char16_t>{13});
    EXPECT_EQ(e.text(), "12");
    QTest::keyClick(&e, Qt::Key_Backspace);
    EXPECT_EQ(e.text(), "1");
  }
  TEditEx e(nullptr);
  e.setText("12");
  e.selectAll();
  QTest::keyClick(&e, Qt::Key_Escape);
  QTest::keyClick(&e, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(e.text(), "12");
}

TEST(EditEx, TheOwnersHandlerSeesTheKeyFirstAndMayDropIt) {
  TEditEx e(nullptr);
  e.setText("");
  e.OnKeyPress = [](char16_t& key) {
    if (key == u'5') key = 0;
  };
  QTest::keyClicks(&e, "456");
  EXPECT_EQ(e.text(), "46");
}

// The range check runs when the focus moves on to another control.
class EditExExit : public ::testing::Test {
 protected:
  EditExExit() : edit(&form), other(&form) {
    form.setClientSize(200, 100);
    edit.setBounds(0, 0, 100, 20);
    other.setBounds(0, 40, 100, 20);
    edit.OnExit = [this](QObject* sender) {
      EXPECT_EQ(sender, static_cast<QObject*>(&edit));
      ++exits;
    };
    form.show();
    QApplication::setActiveWindow(&form);
  }
  void leave(const QString& text) {
    edit.setText(text);
    edit.setFocus();
    edit.setCursorPosition(0);
    other.setFocus();
  }

  forms::ScriptedDialogs dialogs;
  forms::Form form;
  TEditEx edit;
  forms::Edit other;
  int exits = 0;
};

TEST_F(EditExExit, AValueOutsideTheInclusiveRangeBeepsSaysSoAndTakesTheFocusBack) {
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  edit.SetCheckRange(true);  // both bounds stay 0
  leave("0");
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(exits, 1);
  leave("5");
  EXPECT_EQ(dialogs.beeps, std::vector<unsigned>{0});
  EXPECT_EQ(dialogs.texts(forms::DialogKind::Message), std::vector<QString>{"Value Out Of Range!"});
  EXPECT_TRUE(edit.hasFocus());
  EXPECT_EQ(edit.cursorPosition(), 1);  // the End key put the caret at the end
  EXPECT_EQ(edit.text(), "5");
  EXPECT_EQ(exits, 2);

  edit.SetMinValue(-1.5);
  edit.SetMaxValue(5);
  dialogs.boxes.clear();
  for (const char* inRange : {"-1.5", "5", "2.25"}) leave(inRange);
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(exits, 5);
}

TEST_F(EditExExit, TextThatIsNoNumberReportsTheConversionErrorAndRaisesNoExit) {
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  edit.SetCheckRange(true);
  leave("-");
  EXPECT_EQ(dialogs.texts(forms::DialogKind::Error),
            std::vector<QString>{"'-' is not a valid floating point value."});
  EXPECT_EQ(exits, 0);
}

TEST_F(EditExExit, WithoutTheCheckOrInTextModeExitOnlyRaisesOnExit) {
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  leave("5");
  edit.SetCheckRange(true);
  edit.SetDataType(tdText);
  leave("abc");
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(exits, 2);
}

}  // namespace
