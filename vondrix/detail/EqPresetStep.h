// The Microphone EQ page's preset buttons: the next or previous preset number and its text.
// Plain arithmetic, no widgets.
#pragma once

#include <QString>
#include <string>

namespace vondrix {

// From the current preset index and the highest preset (decimal texts, as the receiver
// reported them): direction +1 steps up and wraps past the highest to 0; -1 steps down and
// wraps below 0 to the highest. Throws the run time's conversion error when either text is
// no number (no preset reply came).
int SteppedEqPreset(const QString& index, const QString& highest, int direction);

// The preset number as the receiver takes it: "0" + n up to 9 ("00".."09"), then decimal.
std::string EqPresetText(int n);

}  // namespace vondrix
