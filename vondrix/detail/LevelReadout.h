// The texts a detail window shows for a level plotted on one of its 155-pixel-high pictures
// (0.4 dB a pixel above the bottom row 155, 0 dB = 1 uV = -107 dBm), and the elapsed-time
// text of its long loops. Plain arithmetic, no widgets; numbers in the desktop's separators.
#pragma once

#include <QString>
#include <cstdint>

namespace vondrix {

// The level of picture row y in dB, single precision: 0.4 * (155 - y).
float PictureLevelDb(int y);

// Level - 107 rounded to 3 significant digits, one decimal, then "dBm": "-95.4dBm" for
// 11.6 dB, "-107.0dBm" for 0.4 dB.
QString DbmText(int y);

// 10^(level / 20) in single precision, rounded to 4 significant digits, one decimal, with
// thousands separators, then "uV": "1,259.0uV" for 62 dB, "1.0uV" for 0 dB.
QString MicrovoltText(int y);

// "hh:mm:ss" of the whole seconds in ms (ms * 0.001 in double precision, truncated); the
// hours wrap at 24.
QString ElapsedText(int32_t ms);

}  // namespace vondrix
