// A whole receiver-control program on simulated receivers: fake ports on the virtual
// clock, scripted message boxes, and the windows created as at start-up.
#pragma once

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QTimer>
#include <memory>

#include "forms/ScriptedDialogs.h"
#include "platform/Clock.h"
#include "sim/Bus.h"
#include "sim/FakeSerialPort.h"
#include "vondrix/buslink/Protocol.h"
#include "vondrix/detail/DetailWindows.h"
#include "vondrix/network/DisplaySelectForm.h"
#include "vondrix/network/MainScreen.h"
#include "vondrix/network/Program.h"
#include "vondrix/network/ProgressForm.h"
#include "vondrix/network/SplashForm.h"

// Starts the program and its detection in real time (a port of the real termios layer), with
// SKIP once address last is done, so that the silent rest of the bus costs no time.
inline vondrix::TForm1& StartUpToAddress(vondrix::Program& program, int last) {
  program.CreateForms();
  QTimer skip;
  QObject::connect(&skip, &QTimer::timeout, [&] {
    if (program.Form4->ProgressBar1->position() >= last) program.Form4->Label2Click();
  });
  skip.start(5);
  program.Form2->Timer1Timer();
  skip.stop();
  return *program.Form1;
}

// Puts the pointer over w (a slot's panel, a button on it, any widget) and runs the hit test.
inline void HoverOver(vondrix::TForm1& m, QWidget* w, QPoint within = QPoint(-1, -1)) {
  if (within.x() < 0) within = QPoint(w->width() / 2, w->height() / 2);
  const QPoint at = w->mapToGlobal(within);
  m.CursorPos = [at] { return at; };
  m.FormMouseMove();
}

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() : scope_(clock), program(backend) { backend.attach("COM1", bus); }
  ~ProgramTest() override { QCoreApplication::processEvents(); }

  sim::Receiver& add(sim::Model m, int address) { return bus.add(sim::Receiver::make(m, address)); }
  // Creates the windows and runs the main screen's creation (port search, detection).
  vondrix::TForm1& start() {
    program.CreateForms();
    program.Form2->Timer1Timer();  // now, not 60 ms later
    return *program.Form1;
  }
  // Lines the receivers got that match the lead and command letter, e.g. ('%', 'N').
  std::vector<std::string> linesOf(char lead, char cmd) const {
    std::vector<std::string> out;
    for (const std::string& l : bus.lines())
      if (l.size() > 3 && l[0] == lead && l[3] == cmd) out.push_back(l);
    return out;
  }
  // Puts the pointer over slot's panel (or any widget) and runs the hit test.
  void hover(QWidget* w) { HoverOver(*program.Form1, w); }
  void hoverSlot(int slot) { hover(program.Form1->PanelTable[slot]); }
  // Runs every command of the main screen that waits while the designer runs: the poll and
  // the blink, the mute and "..." buttons of the hovered slot, both resets, the network
  // file's save and load, the close query and File > Exit. True when none of them did
  // anything a test can see here: no line to the receivers, no box or file dialog, the
  // close refused, the receivers and timers as they were.
  bool guardedCommandsWait() {
    vondrix::TForm1& m = *program.Form1;
    const int receivers = program.Slots.ReceiverCount;
    const bool poll = m.Timer1->enabled(), blink = m.Timer2->enabled();
    const size_t lines = bus.lines().size(), boxes = dialogs.boxes.size(),
                 files = dialogs.fileRequests.size();
    m.Timer1Timer();
    m.Timer2Timer();
    m.BitBtn1Click();
    m.BitBtn2Click();
    m.AutoDetectReceivers1Click();
    m.Reconnect1Click();
    m.Save1->click();
    m.Load1->click();
    bool canClose = true;
    m.FormCloseQuery(canClose);
    m.Exit1Click();
    return !canClose && bus.lines().size() == lines && dialogs.boxes.size() == boxes &&
           dialogs.fileRequests.size() == files && program.Slots.ReceiverCount == receivers &&
           m.Timer1->enabled() == poll && m.Timer2->enabled() == blink;
  }

  platform::VirtualClock clock;
  platform::ScopedClock scope_;
  sim::Bus bus;
  sim::FakeSerialBackend backend;
  forms::ScriptedDialogs dialogs;
  vondrix::Program program;
};
