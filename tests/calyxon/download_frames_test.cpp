// The download's lines and the rings its replies are caught in.
#include <gtest/gtest.h>

#include "calyxon/device/DownloadFrames.h"

namespace {

using namespace calyxon;

TEST(DownloadFrames, Lines) {
  struct Row {
    std::string line, expected;
  } rows[] = {
      {HandshakeLine(7), "#07A1\r"},
      {EndLine(12), "#12A0\r"},
      {AcknowledgeLine(64), "$64\r"},
      {CoefficientFrame(5, 9, 159, -1), "#05P99FFFFFFFFF\r"},
      {CoefficientFrame(7, 9, 0, 536870912), "#07P90020000000\r"},
      {CoefficientFrame(64, 0, 10, 0x12AB34CD), "#64P00A12AB34CD\r"},
      {CoefficientFrame(1, 3, 26, -536870912), "#01P31AE0000000\r"},
      {DataErrorText(0xFF, 0), "  Data Error  ff  0 \n"},
      {DataErrorText('#', 'z'), "  Data Error  23  7a \n"},
  };
  for (const Row& r : rows) EXPECT_EQ(r.line, r.expected);
}

TEST(DownloadFrames, RingsHoldAReplyOnlyFromPositionZeroOn) {
  struct Row {
    const char* name;
    std::string bytes;
    bool acknowledged;
  } rows[] = {
      {"the acknowledgement", "$07\r", true},
      {"another address", "$08\r", false},
      {"a noise byte first", "x$07\r", false},
      {"two acknowledgements", "$07\r$07\r", true},
      {"cut short", "$07", false},
  };
  for (const Row& r : rows) {
    ReplyRing<4> ring;
    ring.Clear();
    for (char c : r.bytes) ring.Store(c, 1);
    ring.Store('?', 0);  // a read that got nothing stores nothing
    EXPECT_EQ(HoldsAcknowledge(ring, 7), r.acknowledged) << r.name;
  }

  ReplyRing<kFrameSize> frame;
  frame.Clear();
  for (char c : CoefficientFrame(7, 9, 3, 0)) frame.Store(c, 1);
  EXPECT_TRUE(HoldsFrame(frame));
  frame.Store('x', 1);  // a byte more overwrites the frame's start
  EXPECT_FALSE(HoldsFrame(frame));
}

}  // namespace
