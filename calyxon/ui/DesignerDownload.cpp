// The designer window's downloads into a receiver: Tool > Upload's address entries and the
// hidden "Save" panel send the current design as preset slot 9, the preset page's Download
// sends the ten preset slots. The download itself (calyxon/device) knows no widget: the window
// gives it the status line and its message handling.
#include <cstdlib>
#include <utility>
#include <vector>

#include "calyxon/device/PresetSlotDownload.h"
#include "calyxon/ui/DesignerForm.h"
#include "calyxon/ui/Program.h"

namespace calyxon {

namespace {

constexpr int kUploadSlot = 9;  // the slot that Tool > Upload and the "Save" panel write

// The download handles the window's messages while it waits for the receiver. A dialog, an
// error box or a fit started meanwhile would hold those waits up until the receiver's replies
// count as missing and the slot stays half written: the menus and the pages take no commands
// until the download ends.
class CommandsHeld {
 public:
  explicit CommandsHeld(TForm1& form)
      : pages_(form.PageControl1), pagesEnabled_(pages_->isEnabled()) {
    pages_->setEnabled(false);
    for (forms::MenuItem* menu : {form.File1, form.Tool1, form.Help1}) {
      menus_.push_back({menu, menu->enabled()});
      menu->setEnabled(false);
    }
  }
  ~CommandsHeld() {
    for (const auto& [menu, enabled] : menus_) menu->setEnabled(enabled);
    pages_->setEnabled(pagesEnabled_);
  }
  CommandsHeld(const CommandsHeld&) = delete;
  CommandsHeld& operator=(const CommandsHeld&) = delete;

 private:
  QWidget* pages_;
  bool pagesEnabled_;
  std::vector<std::pair<forms::MenuItem*, bool>> menus_;
};

}  // namespace

void TForm1::WireDownload() {
  program_.Download.ShowStatus = [this](const std::string& text) {
    ShowStatus(QString::fromStdString(text));
  };
  program_.Download.ProcessMessages = [] { forms::processMessages(); };
}

void TForm1::UnwireDownload() {
  program_.Download.ShowStatus = nullptr;
  program_.Download.ProcessMessages = nullptr;
}

bool TForm1::DownloadRunning() const {
  return program_.Download.Running();
}

void TForm1::N11Click(forms::MenuItem* item) {
  // A click that comes while a download handles its messages starts no second one.
  if (DownloadRunning()) return;
  const long address = std::strtol(item->caption().toLatin1().constData(), nullptr, 10);
  CommandsHeld held(*this);
  program_.Download.DownloadEqSlot(int(address), kUploadSlot);
}

void TForm1::Panel2Click() {
  if (DownloadRunning()) return;
  CommandsHeld held(*this);
  Panel2->setColor(forms::clRed);
  program_.Download.DownloadEqSlot(ComboBox2->itemIndex() + 1, kUploadSlot);
  Panel2->setColor(forms::clBtnFace);
}

void TForm1::Button4Click() {
  if (DownloadRunning()) return;
  const std::array<std::string, kSlotCount> projects = SlotProjectPaths();
  const bool allOpened = AllSlotsOpened(projects);
  CommandsHeld held(*this);
  if (allOpened) Button4->setCaption("Wait!!");
  // Refuses with its status text when a slot has no project.
  DownloadPresetSlots(program_.Download, Design, ComboBox3->itemIndex() + 1, projects,
                      [this](int s, EqDesign& design) {
                        design.BandFc = Presets.SlotFc[s];
                        design.BandBw = Presets.SlotBw[s];
                        design.BandGain = Presets.SlotGain[s];
                      });
  if (allOpened) Button4->setCaption("Download");
}

}  // namespace calyxon
