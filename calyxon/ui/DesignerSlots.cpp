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
  path.setText(dialog.fileName());
  // An empty path edit is the page's record of a slot that is not loaded.
  const ProjectReading reading = ReadProjectIntoSlot(Presets, slot, LocalPath(path.text()));
  if (reading.loaded())
    Timer2->setEnabled(true);
  else
    path.setText("");
  DesignSlot(Presets, slot);
}

std::array<std::string, kSlotCount> TForm1::SlotProjectPaths() const {
  std::array<std::string, kSlotCount> paths;
  for (int s = 0; s < kSlotCount; ++s) paths[s] = LocalPath(SlotPathEdit[s]->text());
  return paths;
}

void TForm1::Button15Click() {
  if (!AllSlotsOpened(SlotProjectPaths())) {
    ShowStatus(kProjectsNotOpenedStatus);
    return;
  }
  if (!SaveDialog2->execute()) return;
  Edit36->setText(SaveDialog2->fileName());
  const QString status = ExportPicFile(Presets, Edit36->text());
  if (!status.isEmpty()) ShowStatus(status);
}

}  // namespace calyxon
