// The spectrum page of both detail windows on simulated receivers: the scan and how it ends,
// Peak and Next P, the marker buttons and the marker dragged with the mouse.
#include <QCoreApplication>
#include <QTest>

#include "detail_fixture.h"
#include "vondrix/detail/MhzText.h"
#include "vondrix/detail/SpectrumMath.h"
#include "vondrix/detail/TuningMath.h"

namespace {

using sim::Fault;
using sim::Model;
using vondrix::TForm3;
using vondrix::TForm7;
using Lines = std::vector<std::string>;

constexpr uint16_t kStart = 31920;  // 798.000 MHz

class Spectrum : public DetailTest {
 protected:
  // A first-model receiver at 07 on a band of steps 25 kHz steps from 798.000 MHz, with one
  // microphone on the air at 798.100 MHz, its window open.
  TForm3& openSmallBand(int steps = 8, double micDb = 40) {
    sim::Receiver& r = add(Model::Q5V, 7);
    r.bandStartCode = kStart, r.bandSteps = uint16_t(steps), r.frequencyCode = kStart;
    r.status = '1';
    bus.carriers = {{kStart + 4, micDb}};
    run();
    openSlot(1);
    bus.clearLog();
    return *program.Form3;
  }
  // The frequency codes of the K lines sent, in order.
  std::vector<int> tuned() const {
    std::vector<int> codes;
    for (const std::string& l : linesOf('#', 'K'))
      codes.push_back(std::stoi(l.substr(4, 4), nullptr, 16));
    return codes;
  }
  // Runs action at the first processing of messages after the nth K line went out: what
  // a click during the scan does.
  void duringScanAfterK(int nth, std::function<void()> action) {
    bus.setLineObserver([nth, action, seen = 0](const sim::LoggedLine& l) mutable {
      if (l.line.size() > 3 && l.line[0] == '#' && l.line[3] == 'K' && ++seen == nth)
        QMetaObject::invokeMethod(qApp, action, Qt::QueuedConnection);
    });
  }
  // The marker y the first window plots for receiver r tuned to code.
  int levelAt(sim::Receiver& r, int code) {
    const uint16_t was = r.frequencyCode;
    r.frequencyCode = uint16_t(code);
    const int y = vondrix::SampleMarkerY(vondrix::LevelSource::StrongerOfAB, r.rfRawA(bus.carriers),
                                         r.rfRawB(bus.carriers),
                                         {r.calLowA, r.calLowB, r.calHighA, r.calHighB});
    r.frequencyCode = was;
    return y;
  }
  std::vector<int> ys(int n) {
    std::vector<int> out;
    for (int i = 0; i <= n; ++i) out.push_back(program.Form3->spectrum().SpectrumPoints[i].y());
    return out;
  }
};

std::vector<int> Range(int from, int to, int by = 1) {
  std::vector<int> v;
  for (int c = from; c <= to; c += by) v.push_back(c);
  return v;
}

TEST_F(Spectrum, ASingleScanTunesEachStepOnceAndStoresItOnePointOn) {
  TForm3& w = openSmallBand();
  sim::Receiver& r = *bus.at(7);
  w.BitBtn18->click();
  EXPECT_EQ(tuned(), Range(kStart, kStart + 8));
  const Lines all = lines();
  ASSERT_EQ(all.size(), 18u);
  for (size_t i = 0; i < all.size(); i += 2)
    EXPECT_EQ(all[i + 1], "%07N\r") << "one status query after each tune, no poll between";
  // Point 0 keeps Clear's baseline; frequency start + (i - 1) steps lands on point i, and
  // the band stop shares point n with the step below it, holding the later sample.
  std::vector<int> expected = {155};
  for (int i = 1; i <= 8; ++i) expected.push_back(levelAt(r, kStart + i - 1));
  expected[8] = levelAt(r, kStart + 8);
  EXPECT_EQ(ys(8), expected);
  EXPECT_EQ(*std::min_element(expected.begin(), expected.end()), expected[5]) << "the microphone";
  EXPECT_EQ(w.BitBtn18->caption(), "Run");
  EXPECT_TRUE(w.Timer2->enabled());
  EXPECT_EQ(w.Edit6->text(), "798.200");  // the last frequency sampled
  EXPECT_EQ(program.Current.CurrentFrequency, "798.200");
  EXPECT_EQ(w.StaticText31->caption(), "798.200MHZ");
  EXPECT_EQ(w.StaticText33->caption(), vondrix::DbmText(expected[8]));
  EXPECT_EQ(w.StaticText32->caption(), vondrix::MicrovoltText(expected[8]));
  EXPECT_EQ(w.Edit3->text(), "      **");
  // The trace is drawn in lime through the points.
  const QPoint top = w.spectrum().SpectrumPoints[5];
  EXPECT_EQ(w.Image1->canvas().pixel(top.x(), top.y()), forms::clLime);
}

TEST_F(Spectrum, WideStepsFillTheSkippedPointsWithTheLaterSample) {
  TForm3& w = openSmallBand();
  w.RadioButton4->setChecked(true);  // 50 kHz
  w.BitBtn18->click();
  EXPECT_EQ(tuned(), Range(kStart, kStart + 8, 2));
  const auto y = ys(8);
  EXPECT_EQ(y[2], y[3]);
  EXPECT_EQ(y[4], y[5]);
  EXPECT_EQ(y[6], y[7]);
  EXPECT_NE(y[5], y[7]);
}

TEST_F(Spectrum, AStepButtonClickedDuringTheScanTakesEffectAtTheNextStep) {
  // Both windows on a 20-step band from 798.000 MHz; 100 kHz clicked after the third tune.
  sim::Receiver& first = add(Model::Q5V, 7);
  sim::Receiver& second = add(Model::Z3K, 8);
  for (sim::Receiver* r : {&first, &second})
    r->bandStartCode = kStart, r->bandSteps = 20, r->frequencyCode = kStart;
  run();
  struct Row {
    int slot;
    forms::BitBtn* run;
    forms::RadioButton* step100;
    forms::Edit* field;
    forms::StaticText* label;
  } rows[] = {
      {1, program.Form3->BitBtn18, program.Form3->RadioButton5, program.Form3->Edit6,
       program.Form3->StaticText31},
      {2, program.Form7->BitBtn4, program.Form7->RadioButton5, program.Form7->EditEx1,
       program.Form7->StaticText60},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.slot);
    openSlot(r.slot);
    bus.clearLog();
    duringScanAfterK(3, [&] { r.step100->click(); });
    r.run->click();
    std::vector<int> offsets;
    for (int code : tuned()) offsets.push_back(code - kStart);
    EXPECT_EQ(offsets, std::vector<int>({0, 1, 2, 3, 7, 11, 15, 19}));
    // The band's end falls back by the step in use: to the last frequency sampled.
    EXPECT_EQ(r.field->text(), "798.475");
    EXPECT_EQ(r.label->caption(), "798.475MHZ");
    EXPECT_EQ(program.Current.CurrentFrequency, "798.475");
    EXPECT_EQ(r.run->caption(), "Run");
    bus.setLineObserver({});
  }
}

TEST_F(Spectrum, RunContinuesFromTheLabelsFrequencyUnlessItsNextStepReachesTheStop) {
  TForm3& w = openSmallBand();
  struct Row {
    const char* label;
    const char* field;
    int firstCode;
  } rows[] = {
      {"798.100MHZ", "798.100", kStart + 4},    // continues from the field
      {"798.175MHZ", "798.175", kStart},        // its next step is the stop
      {"             MHZ", "798.100", kStart},  // the placeholder
  };
  for (const Row& r : rows) {
    w.StaticText31->setCaption(r.label);
    w.Edit6->setText(r.field);
    bus.clearLog();
    w.BitBtn18->click();
    ASSERT_FALSE(tuned().empty());
    EXPECT_EQ(tuned().front(), r.firstCode) << r.label;
    EXPECT_EQ(tuned().back(), kStart + 8) << r.label;
  }
}

TEST_F(Spectrum, HaltStopsAtTheFirstLevelAboveTheSquelchOneStepAboveTheField) {
  // Equal calibrations, threshold 20 + 2 * 60 / 10 = 32 raw (12.8 dB): only the microphone
  // at 14 dB is above it, its neighbours at 12.5 dB are not.
  sim::Receiver& r = add(Model::Q5V, 7);
  r.bandStartCode = kStart, r.bandSteps = 8, r.frequencyCode = kStart;
  r.calLowA = r.calLowB = 20, r.calHighA = r.calHighB = 80;
  bus.carriers = {{kStart + 4, 14}};
  run();
  openSlot(1);
  TForm3& w = *program.Form3;
  w.RadioButton9->setChecked(true);
  w.StaticText31->setCaption("798.000MHZ");
  w.Edit6->setText("798.000");
  bus.clearLog();
  w.BitBtn18->click();
  EXPECT_EQ(tuned(), Range(kStart + 1, kStart + 4));
  EXPECT_EQ(w.Edit6->text(), "798.100");
  EXPECT_EQ(w.BitBtn18->caption(), "Run");
  EXPECT_TRUE(w.Timer2->enabled());

  bus.carriers.clear();  // nothing above the squelch: the band's end, as Single
  bus.clearLog();
  w.BitBtn20->click();
  w.BitBtn18->click();
  EXPECT_EQ(tuned(), Range(kStart + 1, kStart + 8));
  EXPECT_EQ(w.Edit6->text(), "798.200");
}

TEST_F(Spectrum, AStopDuringAScanSamplesTheFieldOnceMoreAndLeavesThatFrequencyShown) {
  // Both windows on an 8-step band from 798.000 MHz, a microphone at 798.100 MHz; each
  // handler runs while the scan lets messages through after its third tune.
  sim::Receiver& first = add(Model::Q5V, 7);
  sim::Receiver& second = add(Model::Z3K, 8);
  for (sim::Receiver* r : {&first, &second}) {
    r->bandStartCode = kStart, r->bandSteps = 8, r->frequencyCode = kStart;
    r->busyAfterZarnMs = 0;  // the Zarn waits end at their first status query
  }
  bus.carriers = {{kStart + 4, 40}};
  run();
  TForm3& f3 = *program.Form3;
  TForm7& f7 = *program.Form7;
  struct Page {
    int slot;
    vondrix::DetailWindow* window;
    forms::BitBtn *run, *peak, *nextP, *clear, *monitorRun, *monitorStop;
    forms::Edit* field;
    forms::StaticText* label;
    forms::Timer* poll;
    std::function<void()> zarn;
  } pages[] = {
      {1, &f3, f3.BitBtn18, f3.BitBtn19, f3.BitBtn21, f3.BitBtn20, f3.BitBtn15, f3.BitBtn16,
       f3.Edit6, f3.StaticText31, f3.Timer2, [&] { f3.BitBtn12->click(); }},
      {2, &f7, f7.BitBtn4, f7.BitBtn5, f7.BitBtn7, f7.BitBtn6, f7.BitBtn8, f7.BitBtn9, f7.EditEx1,
       f7.StaticText60, f7.Timer1,
       [&] {
         QTest::mousePress(f7.StaticText138, Qt::LeftButton, {}, QPoint(3, 3));
         QTest::mouseRelease(f7.StaticText138, Qt::LeftButton, {}, QPoint(3, 3));
       }},
  };
  enum class Then { StepOn, SamplePeak };
  struct Row {
    const char* name;
    std::function<void(Page&)> during;
    Then then;
    bool pollAfter;
  } rows[] = {
      {"Stop", [](Page& p) { p.run->click(); }, Then::StepOn, true},
      {"Peak", [](Page& p) { p.peak->click(); }, Then::SamplePeak, true},
      {"Next P", [](Page& p) { p.nextP->click(); }, Then::SamplePeak, true},
      {"the monitor's Run",
       [](Page& p) {
         QMetaObject::invokeMethod(
             qApp, [&p] { p.monitorStop->click(); }, Qt::QueuedConnection);
         p.monitorRun->click();
       },
       Then::StepOn, true},
      {"Zarn", [](Page& p) { p.zarn(); }, Then::StepOn, true},
      {"the window closed", [](Page& p) { p.window->close(); }, Then::StepOn, false},
  };
  for (Page& p : pages) {
    const std::string status = "%0" + std::to_string(p.slot + 6) + "N\r";
    for (const Row& r : rows) {
      SCOPED_TRACE(std::string(r.name) + " in window " + std::to_string(p.slot));
      if (!p.window->isVisible()) openSlot(p.slot);
      p.clear->click();
      bus.clearLog();
      duringScanAfterK(3, [&] { r.during(p); });
      p.run->click();
      bus.setLineObserver({});
      const std::vector<int> k = tuned();
      if (r.then == Then::StepOn) {
        EXPECT_EQ(k, Range(kStart, kStart + 3));
        EXPECT_EQ(p.field->text(), "798.075");
      } else {  // tuned by the handler, then sampled there once more
        ASSERT_EQ(k.size(), 5u);
        EXPECT_EQ(k[3], k[4]);
      }
      // The receiver sits where the field and the marker label say.
      ASSERT_FALSE(k.empty());
      EXPECT_EQ(k.back(), std::lround(vondrix::KhzOfText(p.field->text()) / 25));
      EXPECT_EQ(p.label->caption(), p.field->text() + "MHZ");
      EXPECT_EQ(lines().back(), status);
      EXPECT_EQ(p.run->caption(), "Run");
      EXPECT_EQ(p.poll->enabled(), r.pollAfter);
    }
  }
}

TEST_F(Spectrum, ClearDuringAScanEndsItBeforeTheNextLineOneStepBack) {
  TForm3& w = openSmallBand();
  duringScanAfterK(3, [&] { w.BitBtn20->click(); });
  w.BitBtn18->click();
  EXPECT_EQ(tuned(), Range(kStart, kStart + 2));
  EXPECT_EQ(lines().back(), "%07N\r");
  EXPECT_EQ(w.BitBtn18->caption(), "Run");
  EXPECT_EQ(w.Edit6->text(), "798.050");  // the frequency sampled last
  EXPECT_TRUE(w.Timer2->enabled());
  bus.setLineObserver({});
}

TEST_F(Spectrum, AStepThatTakesNoTimeAfterClearEndsTheScanAsClearWould) {
  TForm3& w = openSmallBand();
  program.Bus.CloseBus();  // nothing goes out, so no millisecond passes
  w.BitBtn18->click();
  EXPECT_TRUE(lines().empty());
  EXPECT_EQ(w.Edit6->text(), "798.000");  // back to the frequency sampled last
  EXPECT_EQ(w.BitBtn18->caption(), "Run");
  EXPECT_TRUE(w.Timer2->enabled());
}

TEST_F(Spectrum, AFailureInsideTheScanStillBringsTheWindowBack) {
  TForm3& w = openSmallBand();
  dialogs.boxes.clear();
  duringScanAfterK(3, [&] { w.Edit6->setText("79..0"); });  // two "." typed mid-scan
  w.BitBtn18->click();
  EXPECT_EQ(tuned().size(), 3u);
  EXPECT_EQ(dialogs.texts(forms::DialogKind::Error),
            std::vector<QString>{"'79..0' is not a valid floating point value."});
  EXPECT_EQ(w.BitBtn18->caption(), "Run");
  EXPECT_TRUE(w.Timer2->enabled());
  bus.setLineObserver({});
}

TEST_F(Spectrum, AFrequencyTypedOutsideTheBandDuringAScanIsBounded) {
  TForm3& w = openSmallBand();
  duringScanAfterK(3, [&] { w.Edit6->setText("700.000"); });
  w.BitBtn18->click();
  std::vector<int> expected = Range(kStart, kStart + 2);
  for (int c : Range(kStart, kStart + 8)) expected.push_back(c);  // again from the start
  EXPECT_EQ(tuned(), expected);
  bus.setLineObserver({});

  duringScanAfterK(3, [&] { w.Edit6->setText("900.000"); });  // above: the band's end
  bus.clearLog();
  w.BitBtn20->click();
  w.BitBtn18->click();
  EXPECT_EQ(tuned(), Range(kStart, kStart + 2));
  EXPECT_EQ(w.BitBtn18->caption(), "Run");
  bus.setLineObserver({});
}

TEST_F(Spectrum, ContinuousWrapsToTheStartWithoutClearingTheTrace) {
  TForm3& w = openSmallBand();
  w.RadioButton8->setChecked(true);
  duringScanAfterK(12, [&] { w.BitBtn18->click(); });
  w.BitBtn18->click();
  std::vector<int> expected = Range(kStart, kStart + 8);
  for (int c : Range(kStart, kStart + 3)) expected.push_back(c);
  EXPECT_EQ(tuned(), expected);
  EXPECT_EQ(ys(8)[8], levelAt(*bus.at(7), kStart + 8)) << "the first pass stays";
  EXPECT_EQ(w.Edit6->text(), "798.075");

  // Stopped after the band stop's sample: the wrap comes first, then the band start's.
  duringScanAfterK(9, [&] { w.BitBtn18->click(); });
  w.BitBtn20->click();
  bus.clearLog();
  w.BitBtn18->click();
  expected = Range(kStart, kStart + 8);
  expected.push_back(kStart);
  EXPECT_EQ(tuned(), expected);
  EXPECT_EQ(w.Edit6->text(), "798.000");
  EXPECT_EQ(w.StaticText31->caption(), "798.000MHZ");
  bus.setLineObserver({});
}

TEST_F(Spectrum, PeakAndNextPFindTheMicrophoneThenWeakerPointsFirstOfEqual) {
  TForm3& w = openSmallBand();
  w.BitBtn18->click();
  bus.clearLog();
  w.BitBtn19->click();  // Peak
  EXPECT_EQ(w.Edit6->text(), "798.100");
  EXPECT_EQ(w.StaticText31->caption(), "798.100MHZ");
  EXPECT_EQ(lines(), Lines({"#07K7CB4\r", "%07N\r"}));
  EXPECT_EQ(w.MarkerIndex3, 5);
  EXPECT_EQ(w.spectrum().MarkerX, w.spectrum().SpectrumPoints[5].x());
  EXPECT_EQ(w.StaticText33->caption(), vondrix::DbmText(w.spectrum().SpectrumPoints[5].y()));
  EXPECT_TRUE(w.Timer2->enabled());
  // Its two neighbours are equally weaker: the first wins, then the other is passed over.
  w.BitBtn21->click();
  EXPECT_EQ(w.Edit6->text(), "798.075");
  EXPECT_EQ(w.MarkerIndex3, 4);
  const int32_t neighbour = w.spectrum().LastPeakY;
  w.BitBtn21->click();
  EXPECT_GT(w.spectrum().LastPeakY, neighbour);
  EXPECT_NE(w.MarkerIndex3, 6);
  for (int i = 0; i < 10; ++i) w.BitBtn21->click();
  EXPECT_EQ(w.spectrum().LastPeakY, 155);
  bus.clearLog();
  const QString stays = w.Edit6->text();
  w.BitBtn21->click();  // nothing weaker left
  EXPECT_TRUE(lines().empty());
  EXPECT_EQ(w.Edit6->text(), stays);
  EXPECT_EQ(w.BitBtn18->caption(), "Run");
  EXPECT_TRUE(w.Timer2->enabled());

  w.BitBtn20->click();  // a cleared trace: Peak takes the band start
  w.BitBtn19->click();
  EXPECT_EQ(w.Edit6->text(), "798.000");
  EXPECT_EQ(w.MarkerIndex3, 1);
}

TEST_F(Spectrum, TheMarkerButtonsStepInsideTheBandOnly) {
  TForm3& w = openSmallBand();
  w.BitBtn18->click();
  w.Edit6->setText("798.000");
  bus.clearLog();
  w.BitBtn23->click();
  EXPECT_EQ(w.Edit6->text(), "798.025");
  EXPECT_EQ(w.StaticText31->caption(), "798.025MHZ");
  EXPECT_EQ(w.MarkerIndex3, 1);
  EXPECT_EQ(lines(), Lines({"#07K7CB1\r", "%07N\r"}));
  EXPECT_EQ(w.StaticText33->caption(), vondrix::DbmText(w.spectrum().SpectrumPoints[1].y()));
  struct Row {
    const char* field;
    forms::BitBtn* button;
  } edges[] = {{"798.000", w.BitBtn22},
               {"798.200", w.BitBtn23},
               {"900.000", w.BitBtn22},
               {"700.000", w.BitBtn23}};
  for (const Row& r : edges) {
    w.Edit6->setText(r.field);
    bus.clearLog();
    r.button->click();
    EXPECT_TRUE(lines().empty()) << r.field;
    EXPECT_EQ(w.Edit6->text(), r.field);
    EXPECT_EQ(w.Edit3->text(), "      **");
  }
}

TEST_F(Spectrum, TheMarkerIsDraggedWithoutTuningAndTunesWhereItIsReleased) {
  add(Model::Q5V, 7);
  auto& z = add(Model::Z3K, 8);  // 606.000 to 636.000 MHz
  z.bandStartCode = 24240, z.bandSteps = 1200;
  run();
  struct Row {
    int slot;
    forms::Image* picture;
    forms::Edit* field;
    int width, n;
    const char* at160;
    const char* atEdge;
    const char* code;
  } rows[] = {
      {1, program.Form3->Image1, program.Form3->Edit6, 320, 960, "810.000", "822.000", "7E90"},
      {2, program.Form7->Image3, program.Form7->EditEx1, 360, 1200, "619.325", "636.000", "60C5"},
  };
  for (const Row& r : rows) {
    openSlot(r.slot);
    program.Slots.ReceiverStatus[r.slot] = "0";
    vondrix::SpectrumState& s = r.slot == 1 ? program.Form3->spectrum() : program.Form7->spectrum();
    bus.clearLog();
    QTest::mousePress(r.picture, Qt::LeftButton, {}, QPoint(10, 50));
    QTest::mouseMove(r.picture, QPoint(r.width, 60));
    EXPECT_EQ(r.field->text(), r.atEdge);
    EXPECT_EQ(s.MarkerIndex, r.n);
    EXPECT_EQ(s.MarkerX, r.width);
    QTest::mouseMove(r.picture, QPoint(160, 60));
    EXPECT_EQ(r.field->text(), r.at160);
    EXPECT_EQ(r.picture->cursor().shape(), Qt::CrossCursor);
    EXPECT_TRUE(lines().empty()) << "nothing is sent while dragging";
    QTest::mouseRelease(r.picture, Qt::LeftButton, {}, QPoint(160, 60));
    const std::string a = "0" + std::to_string(r.slot + 6);
    EXPECT_EQ(lines(), Lines({"#" + a + "K" + r.code + "\r", "%" + a + "N\r"}));
    EXPECT_EQ(program.Slots.ReceiverStatus[r.slot], "1");
    EXPECT_EQ(s.DragActive, 0);

    // Released outside: only the drag ends.
    QTest::mousePress(r.picture, Qt::LeftButton, {}, QPoint(10, 50));
    bus.clearLog();
    QTest::mouseMove(r.picture, QPoint(r.width + 20, 60));
    EXPECT_EQ(r.picture->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseRelease(r.picture, Qt::LeftButton, {}, QPoint(r.width + 20, 60));
    EXPECT_TRUE(lines().empty());
    EXPECT_EQ(s.DragActive, 0);
    EXPECT_EQ(r.field->text(), r.at160);
  }
}

TEST_F(Spectrum, BandsWithoutStepsOrWithMoreThanTheTraceHoldsStayInsideIt) {
  sim::Receiver& none = add(Model::Q5V, 7);
  none.bandStartCode = kStart, none.bandSteps = 0, none.frequencyCode = kStart;
  sim::Receiver& wide = add(Model::Q5V, 8);  // 500.000 to 725.000 MHz
  wide.bandStartCode = 20000, wide.bandSteps = 9000, wide.frequencyCode = 20000;
  run();
  TForm3& w = *program.Form3;

  openSlot(1);
  bus.clearLog();
  w.BitBtn18->click();
  EXPECT_EQ(tuned(), std::vector<int>{kStart});
  EXPECT_EQ(w.MarkerIndex3, 1);
  EXPECT_EQ(w.BitBtn18->caption(), "Run");

  openSlot(2);
  QTest::mousePress(w.Image1, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(w.Image1, Qt::LeftButton, {}, QPoint(320, 5));
  EXPECT_EQ(w.MarkerIndex3, 8099);  // the trace's last point: 8099 steps above the start
  EXPECT_EQ(w.Edit6->text(), "702.475");
  w.StaticText31->setCaption("724.950MHZ");
  w.Edit6->setText("724.950");
  bus.clearLog();
  w.BitBtn18->click();
  EXPECT_EQ(tuned(), std::vector<int>({28998, 28999, 29000}));
  EXPECT_EQ(w.MarkerIndex3, 8099);
  w.BitBtn19->click();  // Peak over the bounded trace
  EXPECT_EQ(w.BitBtn18->caption(), "Run");
}

TEST_F(Spectrum, TheSecondWindowScansItsBandOnItsWiderPicture) {
  auto& z = add(Model::Z3K, 7);
  z.bandStartCode = 24240, z.bandSteps = 8, z.frequencyCode = 24240;
  bus.carriers = {{24243, 40}};
  run();
  openSlot(1);
  TForm7& w = *program.Form7;
  bus.clearLog();
  w.BitBtn4->click();
  EXPECT_EQ(tuned(), Range(24240, 24248));
  EXPECT_EQ(w.BitBtn4->caption(), "Run");
  EXPECT_TRUE(w.Timer1->enabled());
  EXPECT_EQ(w.spectrum().SpectrumPoints[8].x(), 360);
  EXPECT_EQ(w.StaticText60->caption(), "606.200MHZ");
  w.BitBtn5->click();  // Peak
  EXPECT_EQ(w.EditEx1->text(), "606.075");
  EXPECT_EQ(w.MarkerIndex7, 4);
  EXPECT_TRUE(w.StaticText62->caption().endsWith("dBm"));
  w.BitBtn6->click();  // Clear: the second window's placeholders
  EXPECT_EQ(w.StaticText60->caption(), "           MHZ");
  EXPECT_EQ(w.StaticText61->caption(), "         uV");
  EXPECT_EQ(w.StaticText62->caption(), "           dBm");
  EXPECT_EQ(w.StaticText64->caption(), "00:00:00");
}

}  // namespace
