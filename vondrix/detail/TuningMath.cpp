#include "vondrix/detail/TuningMath.h"

#include <algorithm>
#include <cmath>

#include "runtime/Convert.h"
#include "vondrix/buslink/Protocol.h"
#include "vondrix/detail/MhzText.h"
#include "vondrix/detail/PictureScale.h"
#include "vondrix/detail/RfLevel.h"

namespace vondrix {

float KhzOfText(const QString& mhz) {
  return static_cast<float>(MhzNumber(mhz) * 1000.0L);
}

int32_t SnapToGrid(float khz) {
  return static_cast<int32_t>(std::trunc(khz * kGridPerKhz)) * 25;
}

std::optional<float> SteppedFrequency(float fieldKhz, int step, StepDirection direction,
                                      float startKhz, float stopKhz) {
  const float f = direction == StepDirection::Down ? fieldKhz - static_cast<float>(step)
                                                   : fieldKhz + static_cast<float>(step);
  if (direction == StepDirection::Down ? startKhz <= f : stopKhz >= f) return f;
  return std::nullopt;
}

int StepWrap(int value, int count, StepDirection direction) {
  if (direction == StepDirection::Down) return value - 1 < 1 ? count : value - 1;
  return value + 1 > count ? 1 : value + 1;
}

GroupChannelFields DSetFields(const std::string& group, const std::string& channel,
                              bool newFormat) {
  if (newFormat) {
    return {runtime::bytes::IntToHex(protocol::HexStrict(group), 2),
            runtime::bytes::IntToHex(protocol::HexStrict(channel), 2)};
  }
  return {group, channel == "10" ? "0" : channel};
}

std::string RetunedStatus(const std::string& status) {
  if (status == "0") return "1";
  if (status == "2") return "3";
  return status;
}

int LevelPixels(int raw, int low, int high) {
  return static_cast<int>(RfDb(raw, low, high) * 2.5L);
}

int MarkerYOfPixels(int px) {
  return px > 1 ? std::max(kPictureHeight - px, kMarkerTop) : kPictureHeight;
}

int SampleMarkerY(LevelSource source, int rfA, int rfB, const Calibration& c) {
  if (source == LevelSource::A) return MarkerYOfPixels(LevelPixels(rfA, c.RfCalLowA, c.RfCalHighA));
  const AntennaReadings r = AlignAntennas(rfA, rfB, c.RfCalLowA, c.RfCalLowB);
  const int pxA = LevelPixels(r.a, c.RfCalLowA, c.RfCalHighA);
  const int pxB = LevelPixels(r.b, c.RfCalLowB, c.RfCalHighB);
  return MarkerYOfPixels(std::max(pxA, pxB));
}

}  // namespace vondrix
