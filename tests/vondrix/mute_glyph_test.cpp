// A missing mute picture: one error box, no glyph change, and no mute after it.
#include <QTemporaryDir>

#include "program_fixture.h"

namespace {

using sim::Model;
using vondrix::TForm1;

QString missingGlyphText(const QString& folder) {
  return "Cannot open file \"" + folder +
         "sp_on.bmp\". The mute pictures sp_on.bmp and sp_off.bmp belong beside the program: "
         "install it again.";
}

class MuteGlyph : public ProgramTest {
 protected:
  QTemporaryDir empty;  // a program folder without the pictures
  std::string emptyFolder() const { return empty.path().toStdString() + "/"; }
};

TEST_F(MuteGlyph, TheMuteButtonStopsAtTheErrorAndSendsNoMute) {
  add(Model::Q5V, 5).status = '0';
  TForm1& m = start();
  const QImage before = m.PanelButtons[1][0]->glyph();
  ASSERT_FALSE(before.isNull());
  program.ProgramFolder = emptyFolder();
  hoverSlot(1);
  bus.clearLog();
  dialogs.boxes.clear();
  m.PanelButtons[1][0]->click();
  EXPECT_EQ(dialogs.texts(forms::DialogKind::Error),
            std::vector<QString>{missingGlyphText(empty.path() + "/")});
  EXPECT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(bus.lines(), std::vector<std::string>{"%05B\r"});
  EXPECT_EQ(bus.at(5)->status, '0');
  EXPECT_EQ(m.PanelButtons[1][0]->glyph(), before);
}

TEST_F(MuteGlyph, DetectionShowsTheErrorOnceAndGoesOn) {
  for (int a : {3, 5, 17}) add(Model::Q5V, a);
  program.ProgramFolder = emptyFolder();
  TForm1& m = start();
  EXPECT_EQ(dialogs.texts(forms::DialogKind::Error),
            (std::vector<QString>{missingGlyphText(empty.path() + "/"),
                                  "'' is not a valid integer value."}));
  EXPECT_EQ(program.Slots.ReceiverCount, 3);
  EXPECT_EQ(linesOf('%', 'D'), (std::vector<std::string>{"%03D\r", "%05D\r", "%17D\r"}));
  EXPECT_TRUE(m.isVisible());
  EXPECT_TRUE(m.Timer1->enabled());
  for (int s = 1; s <= 3; ++s) EXPECT_TRUE(m.PanelButtons[s][0]->glyph().isNull()) << s;
}

}  // namespace
