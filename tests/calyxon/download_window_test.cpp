// The window's downloads on the simulator's ports and the virtual clock: Tool > Upload and the
// hidden "Save" panel send the current design as slot 9, the preset page's Download sends the
// ten slots; the status line shows every text in order, and nothing else starts meanwhile.
#include <QTimer>
#include <algorithm>

#include "DesignerFixture.h"
#include "platform/Clock.h"
#include "platform/WindowDirectory.h"
#include "tests/calyxon/DownloadTables.h"

namespace calyxon {
namespace {

using testing::ExpectedTable;

struct Shown {
  std::uint32_t atMs;
  std::string text;
  bool inStatusLine;
};

// COM1 silent, COM2 with a receiver of the second model at address 07.
class DownloadWindow : public DesignerTest {
 protected:
  DownloadWindow() : scope_(clock_) {
    WriteTestPorts("COM1=/dev/ttyS90\nCOM2=/dev/ttyS91\n");
    ports.attach("COM1", silent_);
    ports.attach("COM2", bus_);
    bus_.add(sim::Receiver::make(sim::Model::Z3K, 7));
    testing::FillTestDesign(*design);
    form->StatusShown = [this](const QString& text) {
      shown_.push_back(
          {clock_.tickCount(), text.toStdString(), form->StatusBar1->simpleText() == text});
      if (during_) during_(text.toStdString());
    };
  }

  // What Vondrix posts for the receiver it started the designer for.
  void PostAddress(int address) {
    ASSERT_TRUE(platform::postMessage(form->publishedHandle(), WM_UPLOADADDRESS, 0, address));
    ASSERT_TRUE(WaitUntil([&] { return form->UploadAddressValue == address; }));
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const Shown& s : shown_) texts.push_back(s.text);
    return texts;
  }
  int Count(const std::string& text) const {
    const auto texts = Texts();
    return int(std::count(texts.begin(), texts.end(), text));
  }
  // The window takes no commands: menus and pages disabled.
  bool CommandsHeld() const {
    return !form->File1->enabled() && !form->Tool1->enabled() && !form->Help1->enabled() &&
           !form->PageControl1->isEnabled();
  }

  platform::VirtualClock clock_{7000};
  platform::ScopedClock scope_;
  sim::Bus silent_, bus_;
  std::vector<Shown> shown_;
  std::function<void(const std::string&)> during_;  // told each status text
};

TEST_F(DownloadWindow, SlotNineGoesOutFromTheUploadMenuAndFromTheSavePanel) {
  struct Row {
    const char* name;
    std::function<void()> start;
    forms::TColor panelWhileRunning;
  } rows[] = {
      {"Tool > Upload > 7 after the posted address 7",
       [&] {
         PostAddress(7);
         EXPECT_TRUE(Menu("Tool>Upload>7")) << last_menu_error.toStdString();
       },
       forms::clBtnFace},
      {"the hidden Save panel with ComboBox2 at 7",
       [&] {
         form->ComboBox2->setItemIndex(6);
         form->Panel2Click();
       },
       forms::clRed},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    shown_.clear();
    silent_.clearLog();
    bus_.clearLog();
    bus_.at(7)->eqSlots.clear();
    bool held = false;
    forms::TColor panel = 0;
    during_ = [&](const std::string& text) {
      if (text != " i   0   j   0 \n") return;
      held = CommandsHeld();
      panel = form->Panel2->color();
    };
    r.start();

    const auto texts = Texts();
    ASSERT_GE(texts.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 6),
              (std::vector<std::string>{
                  "Search COM1.\n", "Serial port COM1 successfully reconfigured.\n",
                  "Wait Too Long !!\n", "Search COM2.\n",
                  "Serial port COM2 successfully reconfigured.\n", " i   0   j   0 \n"}));
    // The silent port's wait ends once the whole seconds have moved on by more than 3.
    const std::uint32_t waited = shown_[2].atMs - shown_[1].atMs;
    EXPECT_GE(waited, 3000u);
    EXPECT_LE(waited, 4020u);
    EXPECT_EQ(texts.back(), "End of EQ Download.\n");
    EXPECT_EQ(texts.size(), 5u + 160u + 1u) << "no Data Error, no other time-out";
    EXPECT_TRUE(
        std::all_of(shown_.begin(), shown_.end(), [](const Shown& s) { return s.inStatusLine; }));
    EXPECT_EQ(form->StatusBar1->simpleText().toStdString(), "End of EQ Download.\n");

    EXPECT_EQ(silent_.lines(), std::vector<std::string>{"#07A1\r"});
    const auto lines = bus_.lines();
    ASSERT_EQ(lines.size(), 162u);
    EXPECT_EQ(lines.front(), "#07A1\r");
    EXPECT_EQ(lines[160].substr(0, 7), "#07P99F");
    EXPECT_EQ(lines.back(), "#07A0\r");
    EXPECT_EQ(bus_.at(7)->eqSlots.at(9), ExpectedTable(*design));
    EXPECT_FALSE(ports.isOpen("COM1"));
    EXPECT_FALSE(ports.isOpen("COM2"));

    EXPECT_TRUE(held);
    EXPECT_EQ(panel, r.panelWhileRunning);
    EXPECT_FALSE(CommandsHeld());
    EXPECT_TRUE(form->Tool1->enabled());
    EXPECT_TRUE(form->PageControl1->isEnabled());
    EXPECT_EQ(form->Panel2->color(), forms::clBtnFace);
  }
}

TEST_F(DownloadWindow, AClickWhileADownloadRunsStartsNothing) {
  PostAddress(7);
  bool clicked = false, menuReached = true;
  during_ = [&](const std::string& text) {
    if (text != " i  10   j   0 \n") return;
    // Handled while the download waits for this frame's echo.
    QTimer::singleShot(0, form, [&] {
      menuReached = Menu("Tool>Upload>7");
      // What still reaches the handlers: a hidden control's click, a menu entry's own.
      form->N11Click(form->UploadItems[6]);
      form->Panel2Click();
      form->Button4Click();
      EXPECT_EQ(form->Panel2->color(), forms::clBtnFace);
      EXPECT_EQ(form->Button4->caption().toStdString(), "Download");
      clicked = true;
    });
  };
  ASSERT_TRUE(Menu("Tool>Upload>7")) << last_menu_error.toStdString();

  EXPECT_TRUE(clicked);
  EXPECT_FALSE(menuReached);
  EXPECT_EQ(silent_.lines().size(), 1u);
  EXPECT_EQ(bus_.lines().size(), 162u);
  EXPECT_EQ(Count("Search COM1.\n"), 1);
  EXPECT_EQ(Count("Projects not propriately opened\n"), 0);
  EXPECT_EQ(Texts().back(), "End of EQ Download.\n");
  EXPECT_EQ(bus_.at(7)->eqSlots.at(9), ExpectedTable(*design));
}

TEST_F(DownloadWindow, TheTenSlotsGoOutAndTheOperatorsDesignStays) {
  PostAddress(7);  // ComboBox3 follows it
  form->Button4->click();
  EXPECT_EQ(Texts(), std::vector<std::string>{"Projects not propriately opened\n"});
  EXPECT_TRUE(ports.openAttempts().empty());

  for (int s = 0; s < kSlotCount; ++s) {
    testing::FillTestBands(form->Presets.SlotFc[s], form->Presets.SlotBw[s],
                           form->Presets.SlotGain[s], s);
    form->SlotPathEdit[s]->setText(QString("/home/op/slot%1.prj").arg(s));
  }
  testing::FillTestDesign(*design, 20);
  const auto fc = design->BandFc, bw = design->BandBw, gain = design->BandGain;
  QString caption, captionAfterSecondClick;
  during_ = [&](const std::string& text) {
    if (caption.isEmpty()) caption = form->Button4->caption();
    if (text != " i  10   j   0 \n" || !captionAfterSecondClick.isEmpty()) return;
    QTimer::singleShot(0, form, [&] {
      // While slot 0 goes out: a click on the held page, and the handler all the same.
      form->Button4->click();
      form->Button4Click();
      captionAfterSecondClick = form->Button4->caption();
    });
  };
  shown_.clear();
  form->Button4->click();

  EXPECT_EQ(caption.toStdString(), "Wait!!");
  EXPECT_EQ(captionAfterSecondClick.toStdString(), "Wait!!");
  EXPECT_EQ(form->Button4->caption().toStdString(), "Download");
  EXPECT_EQ(bus_.lines().size(), 10u * 162u);
  EXPECT_EQ(Count("End of EQ Download.\n"), 10);
  for (int s = 0; s < kSlotCount; ++s) {
    EXPECT_EQ(
        bus_.at(7)->eqSlots.at(s),
        ExpectedTable(form->Presets.SlotFc[s], form->Presets.SlotBw[s], form->Presets.SlotGain[s]))
        << s;
  }
  EXPECT_EQ(design->BandFc, fc);
  EXPECT_EQ(design->BandBw, bw);
  EXPECT_EQ(design->BandGain, gain);
}

}  // namespace
}  // namespace calyxon
