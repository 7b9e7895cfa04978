#include "calyxon/files/PicFile.h"

#include "calyxon/files/DesignerSave.h"

namespace calyxon {

QString ExportPicFile(PresetSlots& presets, const QString& path) {
  const SlotSaturation saturation = ComputeSlotCoefficients(presets);
  const QString failure = SaveDesignerFile(path, PicFileText(presets));
  if (!failure.isEmpty()) return failure;
  return QString::fromStdString(SlotSaturationStatusText(saturation));
}

}  // namespace calyxon
