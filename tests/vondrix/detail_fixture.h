// The program on simulated receivers with a detail window opened as the operator opens
// it: the pointer over the receiver's panel, then a click on its "..." button.
#pragma once

#include <QFile>

#include "platform/Paths.h"
#include "program_fixture.h"
#include "virtual_timers.h"

class DetailTest : public ProgramTest {
 protected:
  // Starts the program on the receivers added so far.
  vondrix::TForm1& run() {
    vondrix::TForm1& m = start();
    timers_ = std::make_unique<VirtualTimers>(
        clock, std::vector<QObject*>{program.Form1, program.Form3, program.Form7});
    return m;
  }
  // Clicks the "..." button of slot's panel; the lines the receivers got from then on
  // are in bus.lines().
  void openSlot(int slot) {
    hoverSlot(slot);
    bus.clearLog();
    program.Form1->PanelButtons[slot][1]->click();
  }
  void runTimers(uint32_t ms) { timers_->runFor(ms); }
  // The program's own files (the curve files, the mute pictures) come from folder: the
  // mute pictures are copied there.
  void useProgramFolder(const QString& folder) {
    for (const char* glyph : {"sp_on.bmp", "sp_off.bmp"})
      QFile::copy(QString::fromStdString(platform::exeFolder()) + glyph, folder + "/" + glyph);
    program.ProgramFolder = folder.toStdString() + "/";
  }
  std::vector<std::string> lines() const { return bus.lines(); }
  int count(const std::string& line) const {
    const auto l = bus.lines();
    return static_cast<int>(std::count(l.begin(), l.end(), line));
  }

 private:
  std::unique_ptr<VirtualTimers> timers_;
};
