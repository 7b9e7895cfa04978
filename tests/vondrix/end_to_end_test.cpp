// The whole program on the real termios layer, against the simulator on a pseudo-terminal.
#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>
#include "forms/ScriptedDialogs.h"
#include "platform/PosixSerialPort.h"
#include "sim/NetworkFile.h"
#include "sim/PtyHarness.h"
#include "vondrix/network/MainScreen.h"
#include "vondrix/network/Program.h"
#include "vondrix/network/ProgressForm.h"
#include "vondrix/network/SplashForm.h"

namespace {

TEST(EndToEnd, DetectsPollsAndMarksASilentReceiverOfflineOverARealPort) {
  sim::Bus bus;
  for (auto [model, address] : {std::pair{sim::Model::Q5V, 1}, {sim::Model::Z3K, 2}})
    bus.add(sim::Receiver::make(model, address)).name = address == 1 ? "VOCAL1" : "KEYS  ";
  sim::PtyHarness harness(bus);
  std::string error;
  ASSERT_TRUE(harness.start(&error)) << error;
  platform::PosixSerialBackend backend(platform::PortDirectory({{1, harness.slavePath()}}));
  forms::ScriptedDialogs dialogs;
  vondrix::Program program(backend);
  program.CreateForms();
  // SKIP once address 3 is done, so the silent rest of the bus costs no time.
  QTimer skip;
  QObject::connect(&skip, &QTimer::timeout, [&] {
    if (program.Form4->ProgressBar1->position() >= 3) program.Form4->Label2Click();
  });
  skip.start(5);
  program.Form2->Timer1Timer();
  skip.stop();
  vondrix::TForm1& m = *program.Form1;
  ASSERT_EQ(program.Slots.ReceiverCount, 2);
  EXPECT_EQ(m.PanelLabels[1][0]->caption(), "01 VOCAL1");
  EXPECT_EQ(m.PanelLabels[2][0]->caption(), "02 KEYS  ");
  EXPECT_EQ(program.Bus.SelectedPortName, "COM1");

  m.Timer1Timer();
  EXPECT_EQ(program.Slots.ReceiverOffline[1] + program.Slots.ReceiverOffline[2], 0);
  harness.withBus([](sim::Bus& b) { b.at(2)->fault = {.kind = sim::Fault::Silent}; });
  m.Timer1Timer();
  m.Timer1Timer();
  EXPECT_EQ(program.Slots.ReceiverOffline[2], 1);
  EXPECT_EQ(program.Slots.ReceiverOffline[1], 0);
  m.Timer2Timer();
  EXPECT_EQ(m.PanelLabels[2][0]->fontColor(), forms::clRed);
  m.Timer2Timer();
  EXPECT_EQ(m.PanelLabels[2][0]->fontColor(), forms::clSilver);
  auto lines = harness.withBus([](sim::Bus& b) { return b.lines(); });
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "%02N\r"), 1 + 1 + 3);
}

}  // namespace
