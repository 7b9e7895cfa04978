// The second model's Zarn wait and its firmware rule. Plain arithmetic, no widgets.
//
// The wait draws a line from the receiver picture towards the microphone picture, 2 pixels
// every 40 ms, first in red and then again in white (which wipes it off the white frame),
// and then asks the receiver for its status; it ends at the first answer or after four
// such rounds. A round is 2 x 41 steps of 40 ms, about 3.3 s plus the query.
#pragma once

#include <QRect>
#include <QString>

namespace vondrix {

inline constexpr int kZarnRounds = 4;
inline constexpr int kZarnStepPx = 2;
inline constexpr int kZarnStepMs = 40;

// The line of one sweep: at row y from x = from to x = to (inclusive) in steps of 2.
struct ZarnSweep {
  int y = 0;
  int from = 0;
  int to = 0;
};

// The sweep between the two pictures (window coordinates): y = trunc(receiver top +
// receiver height * 10 / 11), from the receiver's right edge to 20 pixels into the
// microphone picture.
ZarnSweep ZarnSweepBetween(const QRect& receiver, const QRect& microphone);

// Firmware before the Zarn command learnt the YES/NO setting: the firmware caption without
// its 4th character ("1.4A" -> "1.4"), read as a decimal number with "." as separator,
// below 1.5. Throws the run time's conversion error when the rest is no number.
bool ZarnNeedsYesNoFirst(const QString& firmwareCaption);

}  // namespace vondrix
