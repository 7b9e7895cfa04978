// State that the programs read back from their controls.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <set>
#include <stdexcept>

#include "common/FileSizeLimit.h"
#include "forms/Bars.h"
#include "forms/Button.h"
#include "forms/Edit.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/Menu.h"
#include "forms/Pages.h"
#include "forms/Panel.h"
#include "forms/Screen.h"

namespace forms {
namespace {

TEST(ControlState, VisibleAndEnabledReadAsSetWhileTheParentIsHidden) {
  Form form;  // never shown
  Panel panel(&form);
  Label label(&panel);
  label.show();
  EXPECT_TRUE(label.visible());
  EXPECT_FALSE(label.isVisible());
  label.hide();
  EXPECT_FALSE(label.visible());
  panel.setEnabled(false);
  EXPECT_TRUE(label.enabled());
  EXPECT_FALSE(panel.enabled());
}

TEST(ControlState, ColourAndFontFollowTheParentUntilSet) {
  Form form;
  EXPECT_EQ(form.color(), clBtnFace);
  EXPECT_EQ(form.fontName(), "MS Sans Serif");
  EXPECT_EQ(form.fontSize(), 8);
  EXPECT_EQ(form.fontHeight(), 11);
  EXPECT_EQ(form.font().family(), "Liberation Sans");

  form.setColor(clAqua);
  Label label(&form);
  EXPECT_EQ(label.color(), clAqua);  // the parent's
  label.setFontSize(11);
  EXPECT_EQ(label.fontName(), "MS Sans Serif");
  label.setColor(rgb(0, 0x80, 0));
  label.setFontColor(clWhite);
  form.setColor(clWhite);
  EXPECT_EQ(label.color(), clGreen);
  EXPECT_EQ(label.fontColor(), clWhite);
  EXPECT_EQ(label.palette().color(QPalette::Window), QColor(0, 0x80, 0));
  EXPECT_EQ(label.fontSize(), 11);

  Panel panel(&form);  // panels have a colour of their own
  EXPECT_EQ(panel.color(), clBtnFace);
  EXPECT_EQ(panel.palette().color(QPalette::Window), QColor(192, 192, 192));
  Edit edit(&form);
  EXPECT_EQ(edit.color(), clWindow);

  Button screen1(&form), screen2(&form);
  screen1.setFontName("@System");
  screen2.setFontName("MS Sans Serif");
  EXPECT_EQ(screen1.fontName(), "@System");
  EXPECT_NE(screen1.font().family(), screen2.font().family());
  label.setFontHeight(16);
  label.setFontBold(true);
  EXPECT_EQ(label.fontHeight(), 16);
  EXPECT_TRUE(label.fontBold());
  EXPECT_EQ(label.fontName(), "MS Sans Serif");
}

TEST(ControlState, SystemColoursResolveToTheClassicPalette) {
  EXPECT_EQ(toQColor(clBtnFace), QColor(192, 192, 192));
  EXPECT_EQ(toQColor(clWindow), QColor(255, 255, 255));
  EXPECT_EQ(toQColor(clWindowText), QColor(0, 0, 0));
  EXPECT_EQ(toQColor(clHighlight), QColor(0, 0, 128));
  EXPECT_EQ(toQColor(rgb(166, 202, 240)), QColor(166, 202, 240));
  EXPECT_EQ(toQColor(clRed), QColor(255, 0, 0));
  EXPECT_EQ(fromQColor(QColor(0, 255, 0)), clLime);
  EXPECT_EQ(colorToRgb(clSystemColor | 200), clBlack);
}

TEST(ControlState, AutoSizedLabelFollowsItsText) {
  Label label(nullptr);
  label.setBounds(62, 22, 20, 10);
  label.setCaption("100%");
  const int wide = label.width();
  label.setCaption("A");
  EXPECT_LT(label.width(), wide);
  EXPECT_EQ(label.left(), 62);
  label.setAutoSize(false);
  label.resize(70, 10);
  label.setCaption("03 VOCAL1");
  EXPECT_EQ(label.width(), 70);
  EXPECT_EQ(label.caption(), "03 VOCAL1");
}

// First and last rows of picture that hold ink (pixels well darker than white).
std::pair<int, int> inkedRows(const QImage& picture) {
  int first = -1, last = -1;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (qGray(picture.pixel(x, y)) < 128) {
        if (first < 0) first = y;
        last = y;
        break;
      }
  return {first, last};
}

TEST(ControlState, ALabelDrawsItsTextFromTheTopAndClipsTheBottom) {
  // A font taller than its line: 15 pixels in 10.
  Label label(nullptr);
  label.setAutoSize(false);
  label.setBounds(0, 0, 70, 10);
  label.setFontSize(11);
  label.setAlignment(taCenter);
  label.setColor(clWhite);
  label.setCaption("03 VOCAL1");
  const QFontMetrics metrics(label.font());
  const int capTop = metrics.ascent() - metrics.capHeight();
  ASSERT_LT(capTop, 10);
  const auto [first, last] = inkedRows(label.grab().toImage());
  EXPECT_NEAR(first, capTop, 1);  // the glyphs' tops, where the line begins
  EXPECT_EQ(last, 9);             // cut off at the line's bottom
}

// The colours a control's text is drawn in, as the user sees it.
std::set<QRgb> TextColours(QWidget& w) {
  const QImage image = w.grab().toImage();
  const QRgb background = image.pixel(0, 0);
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != background) colours.insert(image.pixel(x, y));
  return colours;
}

TEST(ControlState, ADisabledControlShowsItsTextGreyWhateverItsFontColour) {
  Form form;
  form.setClientSize(200, 100);
  auto* label = new Label(&form);
  label->setAutoSize(false);
  label->setBounds(0, 0, 80, 16);
  label->setFontColor(clRed);
  label->setCaption("Squelch");
  auto* menu = new MainMenu(&form);
  MenuItem* file = menu->addItem("File");
  const QColor grey = toQColor(clGrayText);
  for (QWidget* w : {static_cast<QWidget*>(label), static_cast<QWidget*>(form.menuBar())}) {
    SCOPED_TRACE(w->metaObject()->className());
    EXPECT_FALSE(TextColours(*w).count(grey.rgb())) << "grey while enabled";
  }
  label->setEnabled(false);
  file->setEnabled(false);
  EXPECT_FALSE(TextColours(*label).count(toQColor(clRed).rgb())) << "red while disabled";
  EXPECT_TRUE(TextColours(*label).count(grey.rgb()));
  EXPECT_TRUE(TextColours(*form.menuBar()).count(grey.rgb()));
}

TEST(ProgressBar, PositionPastTheEndReadsAsTheEndSoTheProbeLoopStops) {
  ProgressBar bar(nullptr);
  bar.setMax(64);
  bar.setPosition(10);
  EXPECT_EQ(bar.position(), 10);
  bar.setPosition(65);  // the SKIP label's way to end the probe
  EXPECT_EQ(bar.position(), 64);
  EXPECT_TRUE(bar.position() + 1 > 64);
  bar.setPosition(-3);
  EXPECT_EQ(bar.position(), 0);
  bar.setPosition(50);
  bar.setMax(40);  // a narrower range keeps the position inside
  EXPECT_EQ(bar.position(), 40);
  bar.setOrientation(pbVertical);
  EXPECT_EQ(bar.orientation(), pbVertical);
}

TEST(ProgressBar, DrawsTheFilledPart) {
  ProgressBar bar(nullptr);
  bar.resize(14, 42);
  bar.setOrientation(pbVertical);
  bar.setSmooth(true);
  bar.setMax(100);
  bar.setPosition(50);
  const QImage shot = bar.grab().toImage();
  EXPECT_EQ(shot.pixelColor(7, 38), toQColor(clHighlight));  // bottom half filled
  EXPECT_EQ(shot.pixelColor(7, 3), toQColor(clBtnFace));
}

TEST(BitBtn, MissingGlyphFileThrowsAndKeepsTheGlyph) {
  QTemporaryDir dir;
  const QString path = dir.filePath("sp_on.bmp");
  QImage picture(18, 18, QImage::Format_RGB32);
  picture.fill(Qt::magenta);
  picture.setPixel(9, 9, qRgb(0, 0, 255));
  ASSERT_TRUE(picture.save(path, "BMP"));
  BitBtn button(nullptr);
  button.loadGlyph(path);
  EXPECT_EQ(button.glyph().size(), QSize(18, 18));
  EXPECT_EQ(button.glyph().pixel(9, 9), qRgb(0, 0, 255));
  try {
    button.loadGlyph(dir.filePath("sp_off.bmp"));
    ADD_FAILURE() << "loaded a missing file";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("sp_off.bmp"), std::string::npos);
  }
  EXPECT_FALSE(button.glyph().isNull());
  // The bottom-left colour is the glyph's background.
  const QImage shown = button.icon().pixmap(18, 18).toImage();
  EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(shown.pixel(9, 9)), 255);
}

TEST(Memo, LinesGoToAndComeFromFilesWithCrLf) {
  QTemporaryDir dir;
  const QString path = dir.filePath("net.vxn");
  Memo memo(nullptr);
  memo.addLine("Q5V,05,VOCAL1,2,7,7C2B,0A,0");
  memo.insertLine(0, "first");
  memo.insertLine(9, "");
  memo.saveToFile(path);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("first\r\nQ5V,05,VOCAL1,2,7,7C2B,0A,0\r\n\r\n"));
  Memo other(nullptr);
  other.loadFromFile(path);
  EXPECT_EQ(other.lines(), memo.lines());
  EXPECT_THROW(other.loadFromFile(dir.filePath("missing.vxn")), std::runtime_error);
  other.clearLines();
  EXPECT_EQ(other.lineCount(), 0);
}

TEST(Memo, AFailedSaveKeepsThePreviousFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("net.vxn");
  Memo memo(nullptr);
  memo.addLine("first");
  memo.saveToFile(path);
  memo.addLine(QString(4096, 'Q'));
  {
    const FileSizeLimit full(64);
    EXPECT_THROW(memo.saveToFile(path), std::runtime_error);
  }
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("first\r\n"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"net.vxn"});
}

TEST(Pages, TabVisibilityHighlightAndUserChanges) {
  PageControl pages(nullptr);
  TabSheet one(&pages, "Setup"), two(&pages, "Microphone EQ");
  int changes = 0;
  pages.OnChange = [&] { ++changes; };
  pages.setActivePage(&two);
  EXPECT_EQ(pages.activePage(), &two);
  two.setTabVisible(false);
  EXPECT_FALSE(two.tabVisible());
  two.setHighlighted(true);
  EXPECT_TRUE(two.highlighted());
  EXPECT_EQ(changes, 0);  // only the user's changes count
  EXPECT_EQ(two.caption(), "Microphone EQ");
  EXPECT_EQ(two.pageIndex(), 1);
}

TEST(HitTest, FindsTheTopmostWindowedChildSkippingDisabledOnes) {
  Form form;
  form.setClientSize(730, 410);
  MainMenu menu(&form);
  menu.addItem("&File");
  Panel oldPanel(&form), panel(&form), disabled(&form);
  oldPanel.setBounds(0, 0, 90, 80);
  panel.setBounds(0, 0, 90, 80);  // created later: on top
  panel.hide();                   // hidden windows still count
  disabled.setBounds(90, 0, 90, 80);
  disabled.setEnabled(false);
  Label label(&form);  // no window of its own
  label.setBounds(200, 0, 50, 20);
  EXPECT_EQ(panel.top(), 0);
  EXPECT_GT(form.menuBarHeight(), 0);
  EXPECT_EQ(panel.y(), menu.bar()->geometry().bottom() + 1);
  EXPECT_EQ(form.clientHeight(), 410);

  EXPECT_EQ(childWindowFromPoint(&form, {10, 10}, true, false), &panel);
  EXPECT_EQ(childWindowFromPoint(&form, {10, 10}, true, true), &oldPanel);
  EXPECT_EQ(childWindowFromPoint(&form, {100, 10}, true, false), &form);
  EXPECT_EQ(childWindowFromPoint(&form, {100, 10}, false, false), &disabled);
  EXPECT_EQ(childWindowFromPoint(&form, {210, 5}, true, false), &form);
  EXPECT_EQ(childWindowFromPoint(&form, {900, 5}, true, false), nullptr);

  panel.setCaption("7");
  EXPECT_EQ(windowText(&panel), "7");
  form.setCaption("Vondrix Main Screen");
  EXPECT_EQ(windowText(&form), "Vondrix Main Screen");
  EXPECT_EQ(windowText(&label), "");
}

}  // namespace
}  // namespace forms
