// RF readings on the detail windows' dB scale. A receiver reports, per antenna, the raw
// readings at 6 dB (low) and at 40 dB (high); a raw reading r then stands for
//   dB = k * (r - (low - 6 / k)),  k = 34 / (high - low) held in single precision,
// with the rest computed in extended precision, as the receivers' levels have always been
// shown (raw = high can come out a hair below 40 because k is single precision).
//
// A pair of two equal readings has no scale: every reading is then 0 dB, never a division
// by zero.
#pragma once

namespace vondrix {

// k = 34 / (high - low) in single precision; 0 for an equal pair.
float RfSlope(int low, int high);

// The reading raw on the pair's dB scale, unrounded; 0 for an equal pair.
long double RfDb(long double raw, int low, int high);

// Whole dB of raw on the pair's scale, truncated toward zero (0 for an equal pair).
int LevelDb(int raw, int low, int high);

// A level in microvolts, 10^(dB / 20): the power in extended precision, held in single.
float Microvolts(long double db);

// The first model compares its antennas after lifting the reading of the antenna with the
// smaller low calibration value by the difference of the two low values.
struct AntennaReadings {
  int a = 0;
  int b = 0;
};
AntennaReadings AlignAntennas(int rawA, int rawB, int lowA, int lowB);

}  // namespace vondrix
