// The small pictures of the second model's window, drawn here: a receiver with two
// antennas, a hand-held microphone, a key, and the EQ page's triangle glyphs.
#pragma once

#include <QImage>

namespace vondrix::pictures {

QImage Receiver();    // 90 x 38
QImage Microphone();  // 31 x 40
QImage Key();         // 25 x 33
// A small black triangle pointing up or down, on a transparent-by-corner background.
QImage Triangle(bool up);

}  // namespace vondrix::pictures
