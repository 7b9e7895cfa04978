// The arithmetic of tuning a receiver from a detail window: frequency texts as kHz, the
// 25 kHz grid, the frequency and group/channel steps with their wrap, the group/channel
// fields of the D set command, and the marker height of a measured RF level. Plain C++, no
// widgets.
//
// Frequencies are kHz held in single precision, read from MHz texts: a text such as
// "798.025" is read as a number, multiplied by 1000 and then held as a float, so that it
// comes out as a whole number of kHz (an extended product alone could fall a hair short of
// 798025 and truncate to the grid point below).
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

#include "vondrix/detail/StatusPanel.h"

namespace vondrix {

inline constexpr int kMarkerTop = 5;               // the highest marker position used
inline constexpr long double kGridPerKhz = 0.04L;  // one 25 kHz step per kHz

// The kHz of a MHz text ("798.025" -> 798025), single precision. Thousands separators are
// accepted as MhzText writes them. Throws the run time's conversion error for text that is
// no number.
float KhzOfText(const QString& mhz);

// Enter in a frequency field: the grid point at or below v, trunc(v * 0.04) * 25.
int32_t SnapToGrid(float khz);

enum class StepDirection { Down, Up };

// A frequency step button: field - step (down) or field + step (up), single precision.
// Nothing when the result leaves the band (below start, above stop): the field then wraps
// to the other edge.
std::optional<float> SteppedFrequency(float fieldKhz, int step, StepDirection direction,
                                      float startKhz, float stopKhz);

// A group or channel button: value - 1, below 1 wrapping to count; value + 1, above count
// wrapping to 1.
int StepWrap(int value, int count, StepDirection direction);

// The group and channel fields of the D set command. New form: the values of the texts
// (hexadecimal) as 2 upper-case hex digits each. Old form: the texts as held, channel "10"
// (16) sent as "0". Throws the run time's conversion error for new-form texts that are not
// hexadecimal.
struct GroupChannelFields {
  std::string group;
  std::string channel;
};
GroupChannelFields DSetFields(const std::string& group, const std::string& channel, bool newFormat);

// A slot's status character after the operator tuned it to a frequency directly: "0"
// becomes "1" and "2" becomes "3"; any other text stays.
std::string RetunedStatus(const std::string& status);

// Where a measured level goes in the 155-pixel pictures. px = trunc(dB * 2.5) of the raw
// reading on its antenna's scale (RfLevel.h); the marker y is 155 - px, at least 5, when
// px > 1, else 155.
int LevelPixels(int raw, int low, int high);
int MarkerYOfPixels(int px);

// Which antennas a window's level (and its Halt test) reads.
enum class LevelSource {
  StrongerOfAB,  // the stronger of A and B after the low-point alignment
  A,
};

// The marker y of a status reply's RF bytes.
int SampleMarkerY(LevelSource source, int rfA, int rfB, const Calibration& cal);

}  // namespace vondrix
