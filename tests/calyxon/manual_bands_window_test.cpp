// The six manual bands as the operator sets them: typing into the edits and pressing Enter,
// clicking the radio buttons and moving the track bars, with the cascade of bar changes that
// an apply sets off.
#include <QTest>

#include "DesignerFixture.h"
#include "calyxon/eq/FrequencyGrid.h"
#include "runtime/FloatText.h"

namespace calyxon {
namespace {

class ManualBandsWindow : public DesignerTest {
 protected:
  // Types text over the edit's text, key by key.
  static void Type(forms::Edit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  static void Enter(forms::Edit* edit) { QTest::keyClick(edit, Qt::Key_Return); }
  void ClickRadio(int k) {
    forms::RadioButton* radio = form->ManualRadio[k];
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
  }
  double Bw(int k) const { return design->BandBw[kFirstManualBand + k]; }
  double Fc(int k) const { return design->BandFc[kFirstManualBand + k]; }
  double Gain(int k) const { return design->BandGain[kFirstManualBand + k]; }
};

TEST_F(ManualBandsWindow, ClampRewritesTheEditsBeforeAnythingIsComputed) {
  const struct {
    forms::Edit* edit;
    const char* typed;
    const char* shown;
  } rows[] = {
      {form->ManualFcEdit[0], "25", "20"},        {form->ManualFcEdit[1], "0.01", "0.02"},
      {form->ManualQEdit[2], "250", "200"},       {form->ManualQEdit[3], "-1", "0"},
      {form->ManualGainEdit[4], "30", "20"},      {form->ManualGainEdit[5], "-30", "-20"},
      {form->ManualQEdit[0], "199.99", "199.99"},
  };
  for (const auto& row : rows) Type(row.edit, row.typed);
  Enter(form->ManualGainEdit[0]);
  for (const auto& row : rows) EXPECT_EQ(row.edit->text(), row.shown) << row.typed;
  const double hz20k = design->GridFrequency[NearestGridIndex(*design, 20000)];
  EXPECT_EQ(Fc(0), hz20k);
  EXPECT_EQ(Bw(0), hz20k / 199.99);  // a peak, just below the high shelf
  EXPECT_EQ(Fc(1), 20);
  EXPECT_EQ(Bw(2), 22050);  // Q 200: high shelf
  EXPECT_EQ(Bw(3), 0);      // Q 0: low shelf
  EXPECT_EQ(Gain(4), 20);
  EXPECT_EQ(Gain(5), -20);
  EXPECT_EQ(form->BwBar->position(), 19999);
}

TEST_F(ManualBandsWindow, KeysOtherThanNumbersAreDroppedAndEnterInAnEmptyEditDoesNothing) {
  Type(form->ManualQEdit[0], "1a2,b.5 ");
  EXPECT_EQ(form->ManualQEdit[0]->text(), "12.5");
  QTest::keyClick(form->ManualQEdit[0], Qt::Key_Backspace);
  EXPECT_EQ(form->ManualQEdit[0]->text(), "12.");

  Type(form->ManualGainEdit[2], "-6");
  form->ManualFcEdit[4]->clear();
  Enter(form->ManualFcEdit[4]);  // nothing: the gain typed is not applied yet
  EXPECT_EQ(Gain(2), 0);
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(form->ManualFcEdit[4]->text(), "");
}

TEST_F(ManualBandsWindow, WhereTheDesktopWritesADecimalCommaTheEditsTakeIt) {
  runtime::setDecimalSeparator(u',');
  ASSERT_TRUE(Menu("Tool>Preset EQ"));
  EXPECT_EQ(form->ManualFcEdit[0]->text(), "0,06");
  Type(form->ManualQEdit[1], "2,5");
  Enter(form->ManualQEdit[1]);
  EXPECT_EQ(form->ManualQEdit[1]->text(), "2,5");
  EXPECT_EQ(Bw(1), 200 / 2.5);
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(ManualBandsWindow, ATextThatIsNoNumberStopsTheApplyWithTheRunTimeMessage) {
  Type(form->ManualFcEdit[0], "25");
  Type(form->ManualQEdit[1], "1..2");
  Type(form->ManualGainEdit[1], "7");
  const double gain = Gain(1);
  Enter(form->ManualGainEdit[1]);
  ASSERT_EQ(dialogs.texts(forms::DialogKind::Error).size(), 1u);
  EXPECT_EQ(dialogs.boxes.back().text, "'1..2' is not a valid floating point value.");
  EXPECT_EQ(form->ManualFcEdit[0]->text(), "20");  // clamped before the bad text was read
  EXPECT_EQ(Fc(0), 60);                            // but nothing computed
  EXPECT_EQ(Gain(1), gain);
  EXPECT_EQ(form->IgnoreNextBarChange, 0);
}

TEST_F(ManualBandsWindow, AnApplyThatMovesTwoBarsWritesTheSecondBarsRoundedValue) {
  // Only the Q bar moves: its change is swallowed and the edit keeps the typed 2.3.
  Type(form->ManualQEdit[0], "2.3");
  Enter(form->ManualQEdit[0]);
  EXPECT_EQ(form->ManualQEdit[0]->text(), "2.3");
  EXPECT_EQ(form->BwBar->position(), 229);
  EXPECT_EQ(Bw(0), 60 / 2.3);

  // The Fc bar moves first and is swallowed; the Q bar's change then writes 2.29 and applies.
  form->BwBar->setPosition(100);  // back to Q 1
  Type(form->ManualFcEdit[0], "1");
  Type(form->ManualQEdit[0], "2.3");
  Enter(form->ManualQEdit[0]);
  EXPECT_EQ(form->FcBar->position(), 330);
  EXPECT_EQ(form->ManualQEdit[0]->text(), "2.29");
  EXPECT_EQ(form->BwBar->position(), 229);
  EXPECT_EQ(Bw(0), 1000 / 2.29);
  EXPECT_EQ(form->IgnoreNextBarChange, 0);
}

TEST_F(ManualBandsWindow, TheOperatorsNextBarMoveCountsAfterAnApplyThatMovedNoBar) {
  Enter(form->ManualGainEdit[0]);  // nothing changed, no bar moves
  EXPECT_EQ(form->IgnoreNextBarChange, 0);
  QTest::keyClick(form->GainBar, Qt::Key_Right);
  EXPECT_EQ(form->ManualGainEdit[0]->text(), "0.01");
  EXPECT_EQ(Gain(0), 0.01);

  QTest::keyClick(form->FcBar, Qt::Key_Right);  // 60 Hz is index 40
  EXPECT_EQ(form->ManualFcEdit[0]->text(), "0.061");
  EXPECT_EQ(Fc(0), 61);

  form->BwBar->setPosition(7071);  // the kit raises the handler as for the operator's move
  EXPECT_EQ(form->ManualQEdit[0]->text(), "70.71");
  EXPECT_EQ(Bw(0), 61 / 70.71);
  // The apply puts the bar at trunc(70.71 x 100) = 7070, a change it swallows.
  EXPECT_EQ(form->BwBar->position(), 7070);
  EXPECT_EQ(form->ManualQEdit[0]->text(), "70.71");
}

TEST_F(ManualBandsWindow, ARadioButtonPutsTheBarsOnItsBandAndOnlyTheFirstCutsTheHertz) {
  Type(form->ManualGainEdit[2], "-4.5");
  ClickRadio(2);
  EXPECT_TRUE(form->ManualRadio[2]->checked());
  EXPECT_FALSE(form->ManualRadio[0]->checked());
  EXPECT_EQ(form->FcBar->position(), 305);  // 800 Hz
  EXPECT_EQ(form->BwBar->position(), 100);
  EXPECT_EQ(form->GainBar->position(), -450);
  EXPECT_EQ(Gain(2), -4.5);  // the Fc bar's change applied the bands
  QTest::keyClick(form->GainBar, Qt::Key_Left);
  EXPECT_EQ(form->ManualGainEdit[2]->text(), "-4.51");
  EXPECT_EQ(form->ManualGainEdit[0]->text(), "0");

  // 20.7 Hz: the first band's click cuts it to 20 Hz and the bar writes that back.
  for (int k : {0, 3}) form->ManualFcEdit[k]->setText("0.0207");
  ClickRadio(0);
  EXPECT_EQ(form->FcBar->position(), 0);
  EXPECT_EQ(form->ManualFcEdit[0]->text(), "0.02");
  EXPECT_EQ(Fc(0), 20);
  ClickRadio(3);
  EXPECT_EQ(form->FcBar->position(), 1);
  EXPECT_EQ(form->ManualFcEdit[3]->text(), "0.021");
  EXPECT_EQ(Fc(3), 21);
}

TEST_F(ManualBandsWindow, TheSecondBandCutsItsHertzInTheApply) {
  for (int k : {0, 1}) form->ManualFcEdit[k]->setText("0.0207");
  Enter(form->ManualFcEdit[1]);
  EXPECT_EQ(Fc(0), 21);
  EXPECT_EQ(Fc(1), 20);
  EXPECT_EQ(form->ManualFcEdit[1]->text(), "0.0207");  // the edit keeps the typed text
}

}  // namespace
}  // namespace calyxon
