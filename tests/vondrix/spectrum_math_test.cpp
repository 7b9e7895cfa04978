// The spectrum page's arithmetic: points of a frequency, their x, the frequency under the
// mouse, the readouts, the elapsed time, Peak and Next P, the Halt test.
#include <gtest/gtest.h>

#include "vondrix/detail/SpectrumMath.h"

namespace {

using namespace vondrix;

std::vector<QPoint> Trace(std::initializer_list<int> ys) {
  std::vector<QPoint> points;
  for (int y : ys) points.emplace_back(0, y);
  return points;
}

TEST(Spectrum, IndexOfAFrequencyAndItsBounds) {
  constexpr float kStart = 798000;
  struct Row {
    float f;
    int64_t k;
  } rows[] = {{798000, 0}, {798024, 0}, {798025, 1}, {822000, 960}, {797975, -1}, {798049, 1}};
  for (const Row& r : rows) EXPECT_EQ(SpectrumIndex(r.f, kStart), r.k) << r.f;
  EXPECT_EQ(BoundedIndex(-1, 960), 0);
  EXPECT_EQ(BoundedIndex(961, 960), 960);
  EXPECT_EQ(BoundedIndex(12, 960), 12);
  // A band of no steps still has two points, one of more steps than the trace holds its last.
  EXPECT_EQ(BandPoints(0), 1);
  EXPECT_EQ(BandPoints(-5), 1);
  EXPECT_EQ(BandPoints(960), 960);
  EXPECT_EQ(BandPoints(9000), 8099);
}

TEST(Spectrum, TheLastPointLiesOnThePicturesRightEdge) {
  struct Row {
    int width, n;
  } rows[] = {{320, 960}, {360, 1200}, {320, 7}, {360, 8099}, {320, 1}};
  for (const Row& r : rows) {
    const float s = PointSpacing(r.width, r.n);
    EXPECT_EQ(PointX(0, s), 0);
    EXPECT_EQ(PointX(r.n, s), r.width) << r.width << " " << r.n;
  }
  EXPECT_EQ(PointX(480, PointSpacing(320, 960)), 160);
}

TEST(Spectrum, TheMouseFallsToTheGridStepAtOrBelowIt) {
  struct Row {
    int x, width, n;
    float start, f;
  } rows[] = {
      {0, 320, 960, 798000, 798000},   {320, 320, 960, 798000, 822000},
      {0, 360, 1200, 606000, 606000},  {360, 360, 1200, 606000, 636000},
      {160, 320, 960, 798000, 810000}, {1, 320, 960, 798000, 798075},
      {1, 360, 1200, 606000, 606075},  {359, 360, 1200, 606000, 635900},
      {100, 320, 1, 798000, 798000},
  };
  for (const Row& r : rows)
    EXPECT_EQ(MouseFrequency(r.x, r.width, r.n, r.start), r.f) << r.x << " of " << r.width;
}

TEST(Spectrum, ReadoutsOfAPointsHeight) {
  struct Row {
    int y;
    const char* dbm;
    const char* uv;
  } rows[] = {
      {155, "-107.0dBm", "1.0uV"}, {5, "-47.0dBm", "1,000.0uV"}, {6, "-47.4dBm", "955.0uV"},
      {130, "-97.0dBm", "3.2uV"},  {150, "-105.0dBm", "1.3uV"},  {154, "-107.0dBm", "1.0uV"},
      {80, "-77.0dBm", "31.6uV"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(DbmText(r.y), r.dbm) << r.y;
    EXPECT_EQ(MicrovoltText(r.y), r.uv) << r.y;
  }
}

TEST(Spectrum, ElapsedTimeWrapsAtADay) {
  struct Row {
    int32_t ms;
    const char* text;
  } rows[] = {{0, "00:00:00"},        {999, "00:00:00"},      {3723000, "01:02:03"},
              {86399999, "23:59:59"}, {86400000, "00:00:00"}, {90061000, "01:01:01"}};
  for (const Row& r : rows) EXPECT_EQ(ElapsedText(r.ms), r.text) << r.ms;
}

TEST(Spectrum, PeakAndNextPWalkDownTheLevelsFirstOfEqualWins) {
  //                       0    1    2   3   4   5    6
  const auto points = Trace({155, 100, 50, 50, 80, 155, 80});
  int32_t last = 0;
  EXPECT_EQ(FindPeak(points, 6, last), 2);
  EXPECT_EQ(last, 50);
  EXPECT_EQ(FindNextPeak(points, 6, last), 4);  // 3 is at the peak's level: passed over
  EXPECT_EQ(last, 80);
  EXPECT_EQ(FindNextPeak(points, 6, last), 1);
  EXPECT_EQ(FindNextPeak(points, 6, last), std::nullopt);
  EXPECT_EQ(last, 155);  // point 0's: nothing more until Peak
  EXPECT_EQ(FindNextPeak(points, 6, last), std::nullopt);
  EXPECT_EQ(FindPeak(points, 6, last), 2);

  int32_t fresh = 0;  // Next P before any Peak finds the strongest point
  EXPECT_EQ(FindNextPeak(points, 6, fresh), 2);

  const auto cleared = Trace({155, 155, 155});
  EXPECT_EQ(FindPeak(cleared, 2, last), 1);
  EXPECT_EQ(last, 155);
}

TEST(Spectrum, HaltTestReadsBothAlignedAntennasOrAOnly) {
  const Calibration cal{10, 12, 44, 46};  // A's low point 2 below B's: A reads 2 more
  struct Row {
    const char* name;
    LevelSource source;
    int threshold, rfA, rfB;
    bool above;
  } rows[] = {
      {"A lifted above", LevelSource::StrongerOfAB, 30, 29, 0, true},
      {"A at the threshold once lifted", LevelSource::StrongerOfAB, 30, 28, 0, false},
      {"B above", LevelSource::StrongerOfAB, 30, 0, 31, true},
      {"A alone, at it", LevelSource::A, 30, 30, 90, false},
      {"A alone, above", LevelSource::A, 30, 31, 0, true},
  };
  for (const Row& r : rows)
    EXPECT_EQ(AboveSquelch(r.source, r.threshold, r.rfA, r.rfB, cal), r.above) << r.name;
}

}  // namespace
