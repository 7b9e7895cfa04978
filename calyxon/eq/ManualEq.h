// The six manual bands, designer bands 26..31, as numbers: what the window's edits hold after
// they have been read, what an apply makes of them, where the track bars stand and what they
// and a project load write back. No widgets; the window reads and writes its 18 edits
// (calyxon/ui/DesignerManualEq.cpp) and the project file stores the bands
// (calyxon/files/ProjectFile.h).
//
// Each band has a centre (or corner) frequency in kHz, a Q and a gain in dB. Q 0 stands for a
// low shelf and Q 200 for a high shelf; any other Q is a peak of bandwidth Fc / Q.
#pragma once

#include <array>
#include <optional>

#include "calyxon/eq/EqDesign.h"

namespace calyxon {

inline constexpr int kManualBandCount = 6;
inline constexpr int kFirstManualBand = kAutoBandCount;
inline constexpr double kLowShelfQ = 0;
inline constexpr double kHighShelfQ = 200;

struct ManualBand {
  double Fc = 0;    // kHz, as typed
  double Q = 0;     // 0 low shelf, 200 high shelf
  double Gain = 0;  // dB
};
using ManualBands = std::array<ManualBand, kManualBandCount>;

enum class ManualField { Fc, Q, Gain };

// The limit checks of one edit, in their order: the value to write into the edit when the
// value read breaks a limit, else nothing. Each check reads the edit again, so the caller
// asks once per check: check 0 is the upper limit, check 1 the lower one.
// Fc (kHz): above 20 kHz gives 20, below 20 Hz gives 0.02; Q: above 200 gives 200, below 0
// gives 0; Gain: above 20 dB gives 20, below -20 dB gives -20.
inline constexpr int kClampChecks = 2;
std::optional<double> ClampedValue(ManualField field, int check, double value);

// BandBw of a band of centre Fc (Hz): 0 for Q 0 (low shelf), 22050 for Q 200 (high shelf),
// else Fc / Q.
double BandwidthForQ(double Fc, double Q);

// Puts the bands into the design: each frequency snapped to the nearest grid point (band 2's
// frequency first cut to whole hertz), Q turned into a bandwidth (0 low shelf, 22050 high
// shelf, else Fc / Q), the gain as it is. Bands with a frequency and a gain get their response;
// the others a zero response (their fine curves stay). Then BandSumCurve over all 32 bands,
// ErrorCurve = target - (band sum + source) and ResidualCurve = ErrorCurve.
void ApplyManualBands(EqDesign& design, const ManualBands& bands);

// Where the three track bars stand for one band: FcBar the grid index nearest to the frequency
// (cut to whole hertz first when truncateFc), BwBar 0 / 20000 for the shelves or trunc(Q * 100),
// GainBar trunc(Gain * 100).
struct ManualBarPositions {
  int Fc = 0, Bw = 0, Gain = 0;
};
ManualBarPositions BarPositionsFor(const EqDesign& design, const ManualBand& band, bool truncateFc);

// What the bars write into the selected band's edits: FcBar the grid frequency at its position
// in kHz, BwBar and GainBar their position x 0.01 (229 gives 2.29).
double FcFromBar(const EqDesign& design, int position);
double StepFromBar(int position);

// The band a project load shows for designer band b: the grid frequency nearest to BandFc[b]
// in kHz; Q 0 for BandBw 0, 200 for 22050, else BandFc / BandBw (a quotient too large for a
// double stands as the limit the edit would clamp it to: 200, or 0 when negative); the gain.
ManualBand ManualBandFromDesign(const EqDesign& design, int b);

// The key filter of the 18 edits: the digits, the point, the minus sign, Backspace (8) and
// Enter (13) pass unchanged, and so does decimalSeparator (the user's, which the edits show
// and read); every other key becomes 0 and is dropped.
char16_t FilterEditKey(char16_t key, char16_t decimalSeparator);

// The frequencies of Preset EQ in Hz (each snapped to the grid), with Q 1 and gain 0.
inline constexpr std::array<double, kManualBandCount> kPresetEqFrequencies = {60,   200,  800,
                                                                              2400, 6000, 15000};
inline constexpr double kPresetEqQ = 1;
inline constexpr int kPresetEqBwBar = 100;

}  // namespace calyxon
