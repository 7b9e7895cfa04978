#include "forms/Beep.h"

#include <QApplication>

namespace forms {

namespace {
BeepRecorder recorder = nullptr;
}

void Beep(unsigned frequency, unsigned duration) {
  if (recorder) {
    recorder(frequency, duration);
    return;
  }
  QApplication::beep();
}

BeepRecorder setBeepRecorder(BeepRecorder r) {
  BeepRecorder previous = recorder;
  recorder = r;
  return previous;
}

}  // namespace forms
