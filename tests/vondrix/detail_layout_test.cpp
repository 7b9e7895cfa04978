// Both detail windows' controls where the receivers' documentation places them: position
// and size in the parent's client area, form text and colour, as the windows are created.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QWindow>
#include <optional>

#include "eqshared/PlotMapping.h"
#include "program_fixture.h"

namespace {

struct Place {
  const char* name;
  std::optional<QPoint> at;
  std::optional<QSize> size;
  std::optional<QString> text;
  std::optional<forms::TColor> color;
};

Place At(const char* name, int left, int top, int width, int height,
         std::optional<QString> text = std::nullopt,
         std::optional<forms::TColor> color = std::nullopt) {
  return {name, QPoint(left, top), QSize(width, height), text, color};
}
Place Shows(const char* name, const QString& text,
            std::optional<forms::TColor> color = std::nullopt) {
  return {name, std::nullopt, std::nullopt, text, color};
}
Place Sized(const char* name, int width, int height,
            std::optional<forms::TColor> color = std::nullopt) {
  return {name, std::nullopt, QSize(width, height), std::nullopt, color};
}

QString textOf(const QWidget* w) {
  if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
  if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
  if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
  return {};
}

void ExpectPlaces(forms::Form& form, const std::vector<Place>& places) {
  for (const Place& p : places) {
    SCOPED_TRACE(p.name);
    const QWidget* w = form.findChild<QWidget*>(p.name);
    ASSERT_TRUE(w);
    if (p.at) {
      EXPECT_EQ(w->pos() - forms::clientOrigin(w->parentWidget()), *p.at);
    }
    if (p.size) {
      EXPECT_EQ(w->size(), *p.size);
    }
    if (p.text) {
      EXPECT_EQ(textOf(w), *p.text);
    }
    if (p.color) {
      EXPECT_EQ(forms::detail::color(w), *p.color);
    }
  }
}

QStringList tabsOf(const forms::PageControl* pages) {
  QStringList tabs;
  for (int i = 0; i < pages->count(); ++i) tabs << pages->tabText(i);
  return tabs;
}

TEST_F(ProgramTest, TheFirstModelsWindowAsItsFormLaysItOut) {
  program.CreateForms();
  vondrix::TForm3& w = *program.Form3;
  EXPECT_EQ(w.caption(), "Detail Functions");
  EXPECT_EQ(QSize(w.clientWidth(), w.clientHeight()), QSize(593, 525));
  EXPECT_EQ(w.borderStyle(), forms::bsSingle);
  EXPECT_EQ(w.borderIcons(), forms::biSystemMenu);
  EXPECT_EQ(tabsOf(w.PageControl1), (QStringList{"Spectrum", "RF-Monitor"}));
  EXPECT_EQ(w.Timer2->interval(), 60);
  EXPECT_FALSE(w.Timer2->enabled());
  EXPECT_EQ(w.Edit2->maxLength(), 6);
  EXPECT_EQ(w.Edit6->maxLength(), 7);
  EXPECT_FALSE(w.Edit1->enabled());
  EXPECT_FALSE(w.Edit9->enabled());
  EXPECT_TRUE(w.Edit3->readOnly());
  EXPECT_TRUE(w.BitBtn18->fontBold());
  EXPECT_FALSE(w.StaticText50->visible());  // the bars show from the first status on
  EXPECT_TRUE(w.RadioButton7->checked());
  EXPECT_FALSE(w.RadioButton3->checked() || w.RadioButton4->checked());
  EXPECT_TRUE(w.RadioButton1->checked());
  ExpectPlaces(w, {
                      At("BitBtn12", 215, 245, 65, 25, "Zarn"),
                      Shows("BitBtn13", "Exit"),
                      At("PaintBox1", 2, 2, 420, 210, std::nullopt, 367712),
                      At("Image1", 48, 36, 320, 155),
                      At("BitBtn22", 64, 8, 20, 20),
                      At("BitBtn23", 84, 8, 20, 20),
                      At("StaticText31", 120, 8, 85, 20, std::nullopt, forms::clInfoBk),
                      At("StaticText32", 212, 8, 75, 20, "1000uV", forms::clLime),
                      At("StaticText33", 293, 8, 75, 20, "-107 dBm", forms::clFuchsia),
                      At("StaticText40", 40, 194, 76, 17, std::nullopt, 367712),
                      At("StaticText41", 336, 194, 76, 17),
                      At("BitBtn18", 448, 115, 55, 20, "Run"),
                      At("BitBtn19", 506, 115, 55, 20, "Peak"),
                      At("BitBtn21", 506, 140, 55, 20, "Next P"),
                      At("BitBtn20", 448, 140, 55, 20, "Clear"),
                      At("GroupBox1", 448, 0, 113, 49, "Step(KHZ)"),
                      At("GroupBox2", 448, 50, 113, 63, "Sweep"),
                      At("Label10", 448, 184, 113, 20, "00:00:00", forms::clAqua),
                      Shows("RadioButton3", "25"),
                      Shows("RadioButton6", "125"),
                      Shows("RadioButton7", "Single"),
                      Shows("RadioButton8", "Continuous"),
                      Shows("RadioButton9", "Halt"),
                      At("PaintBox2", 2, 2, 420, 210, std::nullopt, 16711808),
                      At("Image2", 48, 36, 320, 155),
                      Shows("StaticText22", "A:", forms::clAqua),
                      Shows("StaticText23", "B:", forms::clInfoBk),
                      Shows("StaticText27", "", forms::clAqua),
                      Shows("StaticText29", "", forms::clInfoBk),
                      Shows("Label6", "00:00:00"),
                      Shows("RadioButton1", "Fast"),
                      Shows("RadioButton2", "Slow"),
                      Shows("BitBtn15", "Run"),
                      Shows("BitBtn16", "Stop"),
                      Shows("BitBtn17", "Clear"),
                      Sized("Panel1", 297, 200, forms::clAqua),
                      Sized("Shape2", 17, 17),
                      Sized("Shape3", 17, 17),
                      Sized("Shape4", 17, 17),
                      Shows("StaticText26", "OFF"),
                      Shows("Edit10", "0"),
                      Shows("Edit11", "0"),
                      Shows("BitBtn11", "Clear"),
                  });
  EXPECT_EQ(w.Shape2->brushColor(), forms::clRed);
  EXPECT_EQ(w.Shape4->brushColor(), forms::clLime);
  EXPECT_EQ(w.Image1->picture().pixel(100, 100), QColor(Qt::black).rgb());
}

TEST_F(ProgramTest, TheSecondModelsWindowAsItsFormLaysItOut) {
  program.CreateForms();
  vondrix::TForm7& w = *program.Form7;
  EXPECT_EQ(w.caption(), "Zarnel Detail Functions");
  EXPECT_EQ(QSize(w.outerWidth(), w.outerHeight()), QSize(607, 577));
  EXPECT_EQ(w.color(), forms::rgb(0xDE, 0xEF, 0xD6));
  EXPECT_EQ(tabsOf(w.PageControl1), (QStringList{"Spectrum", "RF Monitor", "Microphone EQ"}));
  EXPECT_TRUE(w.TabSheet1->highlighted());
  EXPECT_EQ(w.Timer1->interval(), 100);
  EXPECT_FALSE(w.Timer1->enabled());
  EXPECT_EQ(w.Timer2->interval(), 500);
  EXPECT_FALSE(w.Timer2->enabled());
  EXPECT_EQ(w.EditEx1->maxLength(), 7);
  EXPECT_EQ(w.EditEx1->Alignment(), forms::taCenter);
  EXPECT_EQ(w.EditEx1->fontName(), "Arial");
  EXPECT_TRUE(w.EditEx1->fontBold());
  EXPECT_EQ(w.EditEx1->fontHeight(), 24);
  EXPECT_EQ(w.Edit1->maxLength(), 6);
  EXPECT_TRUE(w.RadioButton3->checked());
  EXPECT_TRUE(w.RadioButton7->checked());
  EXPECT_EQ(w.Pie1->startAngle(), 338);
  EXPECT_EQ(w.Pie1->endAngle(), 22);
  EXPECT_EQ(w.Pie1->brushColor(), forms::clBlack);
  EXPECT_EQ(w.Shape1->brushColor(), forms::rgb(0xEA, 0xEA, 0xEA));
  EXPECT_EQ(w.StaticText23->fontColor(), forms::clRed);
  std::vector<Place> places = {
      At("EditEx1", 33, 197, 237, 30, "810.000"),
      At("StaticText45", 5, 24, 30, 28, "A", forms::clWhite),
      At("StaticText46", 34, 24, 74, 28, "Diversity", forms::clSilver),
      At("StaticText47", 108, 24, 30, 28, "B", forms::clWhite),
      At("Pie1", 30, 25, 75, 75),
      Sized("Panel2", 138, 128, forms::clWhite),
      Sized("Shape1", 81, 81),
      Sized("Shape2", 20, 20),
      At("StaticText138", 5, 238, 71, 45, "", forms::clRed),
      At("StaticText141", 20, 248, 47, 28, "Zarn", forms::clRed),
      At("StaticText139", 280, 238, 71, 45, std::nullopt, forms::clRed),
      At("StaticText142", 296, 249, 45, 28, "YES"),
      At("StaticText140", 351, 238, 71, 45, std::nullopt, forms::clWhite),
      At("StaticText143", 372, 249, 34, 28, "NO"),
      At("StaticText150", 470, 251, 110, 23, "ENCRYPTION", forms::clWhite),
      At("Image7", 432, 244, 25, 33),
      At("Image1", 81, 241, 90, 38),
      At("Image2", 231, 241, 31, 40),
      At("Shape10", 75, 238, 198, 45),
      At("PaintBox1", 0, 2, 485, 208, std::nullopt, 9211416),
      At("Image3", 41, 32, 360, 155),
      At("BitBtn19", 42, 6, 23, 23),
      At("BitBtn20", 66, 6, 23, 23),
      At("StaticText60", 106, 8, 89, 18, std::nullopt, forms::clWhite),
      At("StaticText61", 218, 8, 79, 18, "        uV", forms::clWhite),
      At("StaticText62", 320, 8, 81, 18, "          dBm", forms::clWhite),
      At("StaticText58", 46, 190, 76, 17, std::nullopt, 9211416),
      At("StaticText59", 326, 190, 76, 17),
      At("BitBtn4", 415, 32, 57, 25, "Run"),
      At("BitBtn5", 415, 74, 57, 25, "Peak"),
      At("BitBtn7", 415, 117, 57, 25, "Next P"),
      At("BitBtn6", 415, 160, 57, 25, "Clear"),
      At("GroupBox1", 493, 16, 87, 51),
      At("GroupBox2", 493, 90, 87, 65, "Sweep"),
      At("StaticText64", 491, 181, 89, 28, "00:00:00", forms::clWhite),
      Sized("PaintBox2", 409, 208, 3774018),
      Sized("Image4", 360, 155),
      Shows("BitBtn8", "Run"),
      Shows("BitBtn9", "Stop"),
      Shows("BitBtn10", "Clear"),
      Shows("StaticText75", "00:00:00"),
      Shows("RadioButton1", "Fast"),
      Shows("RadioButton2", "Slow"),
      At("PaintBox3", 0, 0, 585, 217, std::nullopt, 8097280),
      At("StaticText24", 516, 8, 62, 54, "EQ"),
      At("StaticText23", 518, 34, 59, 30, "01", forms::clBlack),
      At("BitBtn15", 518, 65, 30, 30),
      At("BitBtn16", 548, 65, 30, 30),
      At("StaticText89", 34, 9, 215, 23, "Microphone Capsule Model"),
      At("StaticText90", 256, 7, 255, 23, "QX41", forms::clWhite),
      At("Image5", 32, 36, 480, 153),
      At("Image6", 36, 40, 472, 145),
      At("BitBtn1", 518, 156, 60, 33, "Calyxon"),
  };
  // The LED columns, bottom up, 14 pixels apart.
  const struct {
    int left;
    std::vector<int> numbers;
  } columns[] = {{456, {1, 2, 3, 4, 5, 88, 109, 110, 111, 112, 113, 114, 115, 137}},
                 {495, {7, 8, 9, 10, 11, 12, 101, 102, 103, 104}},
                 {534, {51, 84, 85, 86, 87, 96, 97, 98, 99, 100}},
                 {573, {18, 19, 20, 21, 22, 105, 106, 107, 108}}};
  std::vector<QByteArray> names;
  for (const auto& c : columns)
    for (int i = 0; i < int(c.numbers.size()); ++i)
      names.push_back("StaticText" + QByteArray::number(c.numbers[i]));
  int n = 0;
  for (const auto& c : columns)
    for (int i = 0; i < int(c.numbers.size()); ++i)
      places.push_back(At(names[n++].constData(), c.left, 194 - 14 * i, 15, 10));
  ExpectPlaces(w, places);
  const std::pair<const char*, forms::TColor> ledColors[] = {
      {"StaticText137", forms::clLime},   {"StaticText102", forms::clLime},
      {"StaticText103", forms::clYellow}, {"StaticText104", forms::clRed},
      {"StaticText18", forms::clRed},     {"StaticText19", forms::clYellow},
      {"StaticText20", forms::clYellow},  {"StaticText21", forms::clLime},
      {"StaticText100", forms::clLime}};
  for (auto [name, color] : ledColors)
    EXPECT_EQ(forms::detail::color(w.findChild<QWidget*>(name)), color) << name;
  // The EQ page starts with a flat curve on its grid.
  EXPECT_EQ(w.Eq.GridCount, 660);
  EXPECT_EQ(w.Image6->picture().pixel(eqshared::PlotX(1000, 472), eqshared::PlotY(0, 145, w.Eq)),
            QColor(Qt::red).rgb());
}

// Every radio button's caption fits its button in both windows (the narrow step group of the
// second window included): the user reads "100" and "125", not a clipped "10".
TEST_F(ProgramTest, EveryRadioButtonCaptionFitsItsButton) {
  program.CreateForms();
  for (forms::Form* window :
       {static_cast<forms::Form*>(program.Form3), static_cast<forms::Form*>(program.Form7)}) {
    for (const QRadioButton* radio : window->findChildren<QRadioButton*>()) {
      SCOPED_TRACE(radio->objectName().toStdString() + " " + radio->text().toStdString());
      EXPECT_LE(radio->sizeHint().width(), radio->width());
      EXPECT_LE(radio->geometry().right(), radio->parentWidget()->width() - 1);
    }
  }
}

}  // namespace
