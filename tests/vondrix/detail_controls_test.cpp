// The detail windows' controls as the operator uses them: name, mute, TV channel, the
// status panel, the meters and the EQ page.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "detail_fixture.h"
#include "eqshared/PlotMapping.h"
#include "platform/Paths.h"

namespace {

using sim::Fault;
using sim::Model;
using vondrix::TForm1;
using vondrix::TForm3;
using vondrix::TForm7;
using Lines = std::vector<std::string>;

TEST_F(DetailTest, TheNameKeysAreFilteredAndEnterRenamesTheWindowsReceiver) {
  add(Model::Q5V, 7).name = "OLD   ";
  add(Model::Q5V, 8).name = "OTHER ";
  TForm1& m = run();
  openSlot(1);
  TForm3& w = *program.Form3;
  hoverSlot(2);  // the pointer moves on to another receiver's panel
  w.Edit2->clear();
  bus.clearLog();
  QTest::keyClicks(w.Edit2, "a._b+ /*-!");
  EXPECT_EQ(w.Edit2->text(), "AB+ /*");  // six characters at most
  w.Edit2->clear();
  QTest::keyClicks(w.Edit2, "ab._");
  EXPECT_EQ(w.Edit2->text(), "AB");
  QTest::keyClick(w.Edit2, Qt::Key_Return);
  EXPECT_EQ(lines(), (Lines{"#07CAB    \r", "%07C\r"}));
  EXPECT_EQ(w.Edit2->text(), "AB    ");
  EXPECT_EQ(bus.at(7)->name, "AB    ");
  EXPECT_EQ(bus.at(8)->name, "OTHER ");
  EXPECT_EQ(m.PanelLabels[1][0]->caption(), "07 AB    ");
  EXPECT_EQ(m.PanelLabels[2][0]->caption(), "08 OTHER ");
  EXPECT_EQ(program.Slots.ReceiverName[1], "AB    ");

  // A pasted name passes the key filter too, so it stays one line on the bus.
  w.Edit2->setText("x\ry.z");
  bus.clearLog();
  QTest::keyClick(w.Edit2, Qt::Key_Return);
  EXPECT_EQ(lines().front(), "#07CXYZ   \r");

  // A write the receiver does not acknowledge exactly: the fallback name, then its own.
  bus.at(7)->fault = {.kind = Fault::WrongAddress, .times = 1, .otherAddress = 8};
  w.Edit2->setText("CD");
  QTest::keyClick(w.Edit2, Qt::Key_Return);
  EXPECT_EQ(w.Edit2->text(), " Orsek");
  EXPECT_EQ(m.PanelLabels[1][0]->caption(), "07 CD    ");
}

TEST_F(DetailTest, TheSecondWindowsNameEditFiltersTheSameKeys) {
  add(Model::Z3K, 7);
  run();
  openSlot(1);
  TForm7& w = *program.Form7;
  w.Edit1->clear();
  bus.clearLog();
  QTest::keyClicks(w.Edit1, "k1_y");
  QTest::keyClick(w.Edit1, Qt::Key_Return);
  EXPECT_EQ(lines(), (Lines{"#07CK1Y   \r", "%07C\r"}));
}

TEST_F(DetailTest, MuteTogglesTheWindowsReceiverWhereverThePointerIs) {
  add(Model::Q5V, 7).status = '0';
  add(Model::Z3K, 8).status = '@';
  add(Model::Q5V, 9).status = '0';
  run();
  struct Row {
    int slot, address;
    forms::BitBtn* TForm3::*q5v;
    forms::BitBtn* TForm7::*z3k;
  } rows[] = {{1, 7, &TForm3::BitBtn14, nullptr}, {2, 8, nullptr, &TForm7::BitBtn3}};
  for (const Row& r : rows) {
    openSlot(r.slot);
    forms::BitBtn* mute = r.q5v ? program.Form3->*r.q5v : program.Form7->*r.z3k;
    hoverSlot(3);
    bus.clearLog();
    const QImage unmuted = mute->glyph();
    mute->click();
    const std::string a = "0" + std::to_string(r.address);
    EXPECT_EQ(lines(), (Lines{"%" + a + "B\r", "#" + a + "B1\r"}));
    EXPECT_EQ(program.Current.CurrentStatus, "2");
    EXPECT_NE(mute->glyph(), unmuted);
    bus.clearLog();
    mute->click();
    EXPECT_EQ(lines(), (Lines{"%" + a + "B\r", "#" + a + "B0\r"}));
    EXPECT_EQ(program.Current.CurrentStatus, "1");
    EXPECT_EQ(bus.at(9)->status, '0');
  }
}

TEST_F(DetailTest, TheTvFieldFollowsTheFrequencyAndTheRegion) {
  add(Model::Q5V, 7);
  run();
  openSlot(1);
  TForm3& w = *program.Form3;
  dialogs.boxes.clear();
  struct Row {
    int region;
    const char* frequency;
    const char* tv;
  } rows[] = {{2, "566.000", "25"}, {2, "580.000", ""},   {2, "606.000", "25"},
              {1, "533.000", "29"}, {3, "862.000", "70"}, {4, "470.000", "13"},
              {0, "470.000", "13"},  // no region: the field stays
              {3, "79..0", ""}};     // no number: no channel, and no error box
  for (const Row& r : rows) {
    program.TvRegion = r.region;
    w.Edit6->setText(r.frequency);
    w.ShowTvChannel();
    EXPECT_EQ(w.Edit5->text(), r.tv) << r.region << " " << r.frequency;
  }
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(DetailTest, TheStatusPanelShowsEachPoll) {
  auto& r = add(Model::Q5V, 7);
  r.calLowA = r.calLowB = 10, r.calHighA = r.calHighB = 44;  // one raw step per dB
  r.af = 171, r.battery = 33;
  run();
  openSlot(1);
  TForm3& w = *program.Form3;
  EXPECT_FALSE(w.StaticText50->visible());
  bus.carriers = {{r.frequencyCode, 41}};  // antenna A 41 dB, B 39 dB; squelch at 12 dB
  w.BitBtn9->click();                      // count drops
  runTimers(60);
  EXPECT_TRUE(w.StaticText50->visible());
  EXPECT_EQ(w.StaticText50->width(), 177);
  EXPECT_EQ(w.StaticText50->color(), forms::clLime);
  EXPECT_EQ(w.StaticText51->width(), 168);
  EXPECT_EQ(w.StaticText51->color(), forms::rgb(0xFF, 0x80, 0x00));
  EXPECT_EQ(w.Shape2->brushColor(), forms::clLime);
  EXPECT_EQ(w.Shape3->brushColor(), forms::clWhite);
  EXPECT_EQ(w.StaticText49->width(), 259);
  EXPECT_EQ(w.Shape4->brushColor(), forms::clRed);
  EXPECT_EQ(w.StaticText26->caption(), "10%");
  EXPECT_EQ(w.StaticText26->color(), forms::clRed);
  bus.carriers.clear();  // the signal drops below squelch on both antennas
  runTimers(60);
  EXPECT_EQ(w.Edit10->text(), "1");
  EXPECT_EQ(w.Edit11->text(), "1");
  EXPECT_EQ(w.Shape2->brushColor(), forms::clRed);
  w.BitBtn11->click();
  EXPECT_EQ(w.Edit10->text(), "0");
  EXPECT_EQ(w.Drops.DropCountA, 0);
}

TEST_F(DetailTest, TheMetersAndThePieShowEachPoll) {
  auto& r = add(Model::Z3K, 7);
  r.af = 6, r.battery = 2, r.directionCode = 27;
  run();
  openSlot(1);
  TForm7& w = *program.Form7;
  runTimers(100);
  auto lit = [](const auto& leds) {
    return std::count_if(leds.begin(), leds.end(), [](auto* led) { return led->visible(); });
  };
  EXPECT_EQ(lit(w.AfLeds), 10);
  EXPECT_EQ(lit(w.BatteryLeds), 3);
  EXPECT_EQ(w.Pie1->startAngle(), 248);
  EXPECT_EQ(w.Pie1->endAngle(), 292);
  r.af = 7, r.directionCode = 36;  // no such level, no such direction
  runTimers(100);
  EXPECT_EQ(lit(w.AfLeds), 0);
  EXPECT_EQ(w.Pie1->startAngle(), 248);
}

TEST_F(DetailTest, AnEqualCalibrationPairShowsZeroDb) {
  auto& r = add(Model::Q5V, 7);
  r.calLowA = r.calHighA = 30;
  r.calLowB = 10, r.calHighB = 44;
  run();
  openSlot(1);
  TForm3& w = *program.Form3;
  runTimers(60);
  EXPECT_EQ(w.StaticText50->width(), 0);
  EXPECT_EQ(w.StaticText39->caption(), "0.0dB");
  EXPECT_TRUE(w.isVisible());
}

// The EQ page, with curve files of the test's own.
class EqPage : public DetailTest {
 protected:
  QTemporaryDir folder;
  void writeCurve(int preset, const QByteArray& text) {
    QFile f(folder.path() + QString("/EQ%1.dat").arg(preset));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
  }
  TForm7& openOnEqPage(int preset, bool ownCurves = true) {
    add(Model::Z3K, 7).eqPreset = preset;
    run();
    dialogs.boxes.clear();
    if (ownCurves) useProgramFolder(folder.path());
    openSlot(1);
    TForm7& w = *program.Form7;
    w.PageControl1->setCurrentIndex(2);  // as a click on the tab does
    return w;
  }
  // The pixel of the plot where the curve crosses 1 kHz.
  forms::TColor curveAt(TForm7& w, double level) {
    const int x = eqshared::PlotX(1000, w.Image6->width());
    const int y = eqshared::PlotY(level, w.Image6->height(), w.Eq);
    return w.Image6->canvas().pixel(x, y);
  }
};

TEST_F(EqPage, ShowingThePageDrawsThePresetsCurveAndCapsule) {
  writeCurve(3, "Small_Vocal_Condenser\n20,5\n1000,3\n5000,5\n22000,5\n");
  TForm7& w = openOnEqPage(3);
  EXPECT_EQ(w.StaticText23->caption(), "03");
  EXPECT_TRUE(w.TabSheet3->highlighted());
  EXPECT_FALSE(w.TabSheet1->highlighted());
  EXPECT_EQ(w.StaticText90->caption(), "Small Vocal Condenser");
  EXPECT_EQ(w.EqPointCount, 4);
  // 3 dB at 1 kHz becomes 0 dB, the 5 dB elsewhere +2 dB.
  EXPECT_NEAR(w.EqCurve[eqshared::NearestGridIndex(w.Eq, 1000)], 0.0, 1e-9);
  EXPECT_NEAR(w.EqCurve[eqshared::NearestGridIndex(w.Eq, 10000)], 2.0, 1e-9);
  EXPECT_EQ(curveAt(w, 0.0), forms::clRed);
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(EqPage, UserDefineIsAFlatLineWithoutAMessage) {
  TForm7& w = openOnEqPage(9);
  EXPECT_EQ(w.StaticText90->caption(), "User Define");
  EXPECT_TRUE(
      std::all_of(w.EqCurve.begin(), w.EqCurve.begin() + 660, [](double v) { return v == 0.0; }));
  EXPECT_EQ(curveAt(w, 0.0), forms::clRed);
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(EqPage, AMissingOrUnusableCurveIsAFlatLineAndAMessage) {
  writeCurve(5, "Only_One_Point\n1000,3\n");
  TForm7& w = openOnEqPage(4);  // no such file
  for (int preset : {4, 5}) {
    SCOPED_TRACE(preset);
    if (preset == 5) w.OpenEqFile(5);
    EXPECT_EQ(dialogs.texts(forms::DialogKind::Message), std::vector<QString>{"Can't Open File"});
    EXPECT_EQ(w.StaticText90->caption(), "QX41");  // the name shown before stays
    EXPECT_EQ(w.EqCurve[300], 0.0);
    EXPECT_EQ(curveAt(w, 0.0), forms::clRed);
    dialogs.boxes.clear();
  }
}

TEST_F(EqPage, TheShippedCurvesLoad) {
  TForm7& w = openOnEqPage(0, false);
  for (int preset = 0; preset <= 8; ++preset) {
    w.StaticText90->setCaption("");
    w.OpenEqFile(preset);
    EXPECT_FALSE(w.StaticText90->caption().isEmpty()) << preset;
  }
  EXPECT_TRUE(dialogs.boxes.empty());
}

}  // namespace
