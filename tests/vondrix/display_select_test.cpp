// The display-select popup and its rewrites of the name lines.
#include "program_fixture.h"
#include "runtime/Convert.h"

namespace {

using sim::Model;
using vondrix::TForm1;

TEST_F(ProgramTest, RowsRewriteTheNameLinesOfAllReceivers) {
  auto& a = add(Model::Q5V, 5);
  a.name = "VOCAL1", a.firmware = "1.1A", a.group = 15, a.channel = 1;
  a.frequencyCode = 0x7C2B;
  auto& b = add(Model::Q5V, 7);
  b.name = "GUIT 2", b.status = '1';
  TForm1& m = start();
  vondrix::TForm6& popup = *program.Form6;
  popup.StaticText1MouseDown();
  EXPECT_EQ(m.PanelLabels[1][0]->caption(), "GR 15 CH 1");
  EXPECT_EQ(m.PanelLabels[2][0]->caption(), "  GR ** CH **");
  EXPECT_EQ(linesOf('%', 'B').size(), 2u + 2u);  // detection, then one per receiver
  program.Slots.ReceiverFrequencyCode[2] = "7C2B";
  popup.StaticText2MouseDown();
  EXPECT_EQ(m.PanelLabels[1][0]->caption(), "794.675MHZ");
  EXPECT_EQ(m.PanelLabels[2][0]->caption(), "794.675MHZ");
  popup.StaticText4MouseDown();
  EXPECT_EQ(m.PanelLabels[1][0]->caption(), "05  VOCAL1");
  EXPECT_FALSE(popup.isVisible());
}

TEST_F(ProgramTest, ATextThatIsNoNumberStopsTheRewriteWithTheConversionError) {
  add(Model::Q5V, 5);
  add(Model::Q5V, 7);
  TForm1& m = start();
  program.Slots.ReceiverFrequencyCode[1] = "ZZZZ";
  const QString before = m.PanelLabels[2][0]->caption();
  EXPECT_THROW(program.Form6->ShowFrequency(), runtime::ConversionError);
  EXPECT_EQ(m.PanelLabels[2][0]->caption(), before);
}

TEST_F(ProgramTest, ARightClickOpensThePopupAtThePointerAndOtherClicksCloseIt) {
  add(Model::Q5V, 5);
  TForm1& m = start();
  m.CursorPos = [] { return QPoint(300, 200); };
  m.NameLabelMouseDown(forms::mbRight);
  vondrix::TForm6& popup = *program.Form6;
  EXPECT_TRUE(popup.isVisible());
  EXPECT_EQ(QPoint(popup.left(), popup.top()), QPoint(300, 200));
  EXPECT_EQ(popup.clientWidth(), 175);
  EXPECT_FALSE(popup.StaticText3->visible());
  m.NameLabelMouseDown(forms::mbLeft);
  EXPECT_FALSE(popup.isVisible());
  m.NameLabelMouseDown(forms::mbRight);
  m.FormMouseDown();
  EXPECT_FALSE(popup.isVisible());
}

TEST_F(ProgramTest, TheRowUnderThePointerIsHighlighted) {
  start();
  vondrix::TForm6& popup = *program.Form6;
  popup.StaticText2MouseMove();
  EXPECT_EQ(popup.StaticText2->color(), forms::clBlue);
  EXPECT_EQ(popup.StaticText2->fontColor(), forms::clWindow);
  EXPECT_EQ(popup.StaticText1->color(), forms::clBtnFace);
  EXPECT_EQ(popup.StaticText1->fontColor(), forms::clWindowText);
  popup.StaticText4MouseMove();
  EXPECT_EQ(popup.StaticText2->color(), forms::clBtnFace);
  EXPECT_EQ(popup.StaticText4->color(), forms::clBlue);
}

}  // namespace
