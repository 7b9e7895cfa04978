// The designer program in the test's process: its windows built as at start on the
// simulator's serial ports (none listed until a test writes its [Ports]), the dialog seam
// scripted, the beeps recorded, and the operator's menu clicks.
#pragma once

#include <gtest/gtest.h>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "calyxon/drive/MenuClicks.h"
#include "calyxon/ui/DesignerForm.h"
#include "calyxon/ui/Program.h"
#include "common/TestPorts.h"
#include "forms/Beep.h"
#include "forms/ScriptedDialogs.h"
#include "forms/Wait.h"
#include "sim/FakeSerialPort.h"

namespace calyxon {

struct BeepLog {
  static std::vector<std::pair<unsigned, unsigned>>& beeps() {
    static std::vector<std::pair<unsigned, unsigned>> log;
    return log;
  }
  static void Record(unsigned frequency, unsigned duration) {
    beeps().emplace_back(frequency, duration);
  }
};

class DesignerTest : public ::testing::Test {
 protected:
  DesignerTest() {
    BeepLog::beeps().clear();
    forms::setBeepRecorder(&BeepLog::Record);
    WriteTestPorts("");
    program = std::make_unique<Program>(ports);
    program->CreateForms();
    form = program->Form1;
    design = &program->Design;
  }
  ~DesignerTest() override {
    program.reset();
    forms::setBeepRecorder(nullptr);
  }

  // Chooses the menu entry with mouse clicks ("Tool>Calibration>Start>Fast"); false when a
  // user could not reach it.
  bool Menu(const QString& path) {
    QString error;
    const bool ok = drive::ClickMenuPath(*form->MainMenu1, path.split('>'), &error);
    if (!ok) last_menu_error = error;
    return ok;
  }

  // Loads the measurement pair of the fixtures through the File menu.
  void LoadFixtures(const char* target = "target.dat", const char* source = "source.dat") {
    dialogs.choose(QString(CALYXON_FIXTURES "/") + target);
    ASSERT_TRUE(Menu("File>Load Target Mic File")) << last_menu_error.toStdString();
    dialogs.choose(QString(CALYXON_FIXTURES "/") + source);
    ASSERT_TRUE(Menu("File>Load Source Mic File")) << last_menu_error.toStdString();
  }

  // Lets the event loop run until done, at most ms.
  static bool WaitUntil(const std::function<bool()>& done, int ms = 5000) {
    return forms::waitUntil(done, ms);
  }

  forms::ScriptedDialogs dialogs;
  sim::FakeSerialBackend ports;
  std::unique_ptr<Program> program;
  TForm1* form = nullptr;
  EqDesign* design = nullptr;
  QString last_menu_error;
};

// Bitwise equality of runs of doubles (a NaN equals itself).
inline bool SameBits(const double* x, const double* y, std::size_t count) {
  return std::memcmp(x, y, count * sizeof(double)) == 0;
}

}  // namespace calyxon
