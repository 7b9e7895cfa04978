// The hidden page "DownloadToReceiver": the ten preset slots filled from projects, and their
// program file of "DW" lines.
#include "calyxon/device/PresetSlotDownload.h"
#include "calyxon/files/PicFile.h"
#include "calyxon/files/ProjectFile.h"
#include "calyxon/ui/DesignerForm.h"
#include "calyxon/ui/ShownName.h"

namespace calyxon {

void TForm1::SlotButtonClick(int slot) {
  forms::OpenDialog& dialog = *SlotOpenDialog[slot];
  forms::Edit& path = *SlotPathEdit[slot];
  if (!dialog.execute()) return;
  const QString previousPath = path.text();
  path.setText(dialog.fileName());
  // The slot changes only once its sections are known to be numbers a project can hold: else
  // every later project save would be refused.
  PresetSlots loaded = Presets;
  const ProjectReading reading = ReadProjectIntoSlot(loaded, slot, LocalPath(path.text()));
  DesignSlot(loaded, slot);
  const int band = FirstNonFiniteBand(loaded, slot);
  if (reading.loaded() && band >= 0) {
    ShowFileStatus(kFirstSlotStatus + slot,
                   SlotNotDesignedStatusText(loaded, slot, band, path.text()));
    path.setText(previousPath);
    return;
  }
  // An empty path edit is the page's record of a slot that is not loaded.
  if (reading.loaded()) {
    Timer2->setEnabled(true);
    ShowFileStatus(kFirstSlotStatus + slot, {});
  } else {
    path.setText("");
  }
  // A failed read still designs the slot from what it held, unless that gives no numbers.
  if (band < 0) Presets = loaded;
}

std::array<std::string, kSlotCount> TForm1::SlotProjectPaths() const {
  std::array<std::string, kSlotCount> paths;
  for (int s = 0; s < kSlotCount; ++s) paths[s] = LocalPath(SlotPathEdit[s]->text());
  return paths;
}

void TForm1::Button15Click() {
  if (!AllSlotsOpened(SlotProjectPaths())) {
    ShowFileStatus(kPicFileStatus, kProjectsNotOpenedStatus);
    return;
  }
  if (!SaveDialog2->execute()) return;
  Edit36->setText(SaveDialog2->fileName());
  ShowFileStatus(kPicFileStatus, ExportPicFile(Presets, Edit36->text()));
}

}  // namespace calyxon
