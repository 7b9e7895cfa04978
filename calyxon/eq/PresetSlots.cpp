#include "calyxon/eq/PresetSlots.h"

#include <cmath>

#include "calyxon/eq/CoefficientTable.h"

namespace calyxon {

namespace {

constexpr long double kQ229One = 536870912.0L;  // 2^29

void AppendWordLine(std::string& text, std::uint8_t high, std::uint8_t low) {
  char digits[4];
  ByteToHex(digits, low);
  ByteToHex(digits + 2, high);
  text += "DW 0x";
  text.append(digits, 4);
  text += "\r\n";
}

}  // namespace

void DesignSlot(PresetSlots& presets, int s) {
  for (int i = 0; i < kBandCount; ++i) {
    DesignBand(presets.SlotFc[s][i], presets.SlotBw[s][i], presets.SlotGain[s][i],
               presets.SlotA[s][i], presets.SlotB[s][i]);
  }
}

int FirstNonFiniteBand(const PresetSlots& presets, int s) {
  for (int i = 0; i < kBandCount; ++i) {
    for (const Coefficients* section : {&presets.SlotA[s][i], &presets.SlotB[s][i]}) {
      for (const double value : *section) {
        if (!std::isfinite(value)) return i;
      }
    }
  }
  return -1;
}

SlotSaturation ComputeSlotCoefficients(PresetSlots& presets) {
  SlotSaturation saturation;
  for (int s = 0; s < kSlotCount; ++s) {
    for (int i = 0; i < kBandCount; ++i) {
      const Coefficients& a = presets.SlotA[s][i];
      const Coefficients& b = presets.SlotB[s][i];
      const long double products[5] = {kQ229One * b[0], kQ229One * b[1], kQ229One * b[2],
                                       kQ229One * (-1) * a[1], kQ229One * (-1) * a[2]};
      bool saturated = false;
      for (int k = 0; k < 5; ++k) {
        bool out = false;
        presets.SlotCoefficients[s][i][k] = SaturatedQ229(products[k], out);
        saturation.count += out;
        saturated = saturated || out;
      }
      if (saturated) saturation.bands[s] |= 1u << i;
    }
  }
  return saturation;
}

std::string SlotSaturationStatusText(const SlotSaturation& saturation) {
  if (saturation.count == 0) return {};
  std::string text = "Coefficients Out Of Range In";
  const char* separator = " ";
  for (int s = 0; s < kSlotCount; ++s) {
    if (saturation.bands[s] == 0) continue;
    text += separator + ("EQ" + std::to_string(s)) + SaturatedBandList(saturation.bands[s]);
    separator = ", ";
  }
  return text + " Saturated !!\n";
}

std::string PicFileText(const PresetSlots& presets) {
  std::string text;
  text.reserve(kSlotCount * kBandCount * 5 * 2 * 11);
  for (const auto& slot : presets.SlotCoefficients) {
    for (const CoefficientRow& row : slot) {
      for (const std::int32_t value : row) {
        const auto v = static_cast<std::uint32_t>(value);
        AppendWordLine(text, v >> 24, (v >> 16) & 0xFF);
        AppendWordLine(text, (v >> 8) & 0xFF, v & 0xFF);
      }
    }
  }
  return text;
}

}  // namespace calyxon
