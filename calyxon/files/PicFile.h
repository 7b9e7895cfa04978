// The receivers' program file of the ten preset slots ("Generate PIC File"): "DW" lines of
// the slots' Q2.29 coefficients (PicFileText, calyxon/eq/PresetSlots.h).
#pragma once

#include <QString>

#include "calyxon/eq/PresetSlots.h"

namespace calyxon {

// Status text when a slot's project path is empty: the export needs all ten slots.
inline constexpr char kProjectsNotOpenedStatus[] = "Projects not properly opened\n";

// Computes SlotCoefficients of all ten slots and saves the file at path. Returns the status
// text: "" when written with every value in range, the saturation text
// (SlotSaturationStatusText) when written with saturated values, or the save failure's text
// (the previous file, if any, is kept).
QString ExportPicFile(PresetSlots& presets, const QString& path);

}  // namespace calyxon
