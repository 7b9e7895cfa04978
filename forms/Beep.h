// The system's tone: Beep(frequency, duration) as the programs call it.
//
// Here it rings the desktop's bell (QApplication::beep), which has no pitch or length of its
// own, and returns at once rather than holding the window for the duration. Tests install a
// recorder to see the beeps in place of hearing them.
#pragma once

namespace forms {

void Beep(unsigned frequency, unsigned duration);

using BeepRecorder = void (*)(unsigned frequency, unsigned duration);
// Installs recorder in place of the bell (nullptr restores the bell); returns the previous.
BeepRecorder setBeepRecorder(BeepRecorder recorder);

}  // namespace forms
