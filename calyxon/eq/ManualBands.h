// The six manual bands (designer bands 26..31) as the window's edits and track bars give them:
// the limits the edits are held to, the band values an apply computes from the edit texts, the
// bar positions, the texts the bars and a project load write, and the recomputation of the
// curves. No widgets: the window reads its 18 edits into ManualBandTexts and writes back what
// these functions return.
//
// Edit texts are read as whole decimal numbers with the system's decimal separator
// (runtime::StrToFloat) and narrowed to double; a text that is not a number throws
// runtime::ConversionError ("'1..2' is not a valid floating point value"). Texts written are
// the plain decimal form with up to 15 significant digits (runtime::FloatToStr: 60 Hz gives
// "0.06"); limits are written as whole numbers ("20", "200", "0", "-20").
//
// Q encodes the band kind: Q 0 is the low shelf (BandBw 0), Q 200 the high shelf
// (BandBw 22050), anything else a peak of bandwidth Fc / Q.
#pragma once

#include <QString>
#include <array>

#include "calyxon/eq/EqDesign.h"

namespace calyxon {

inline constexpr int kManualBandCount = 6;
inline constexpr int kFirstManualBand = 26;  // designer band of manual band 1
inline constexpr double kHighShelfQ = 200;
inline constexpr double kHighShelfBw = 22050;
inline constexpr int kQBarMax = 20000;      // Q x 100
inline constexpr int kGainBarLimit = 2000;  // gain x 100, both ways

// Grid frequencies (Hz) nearest to which Preset EQ puts manual bands 1..6.
inline constexpr std::array<double, kManualBandCount> kPresetEqFrequencies{60,   200,  800,
                                                                           2400, 6000, 15000};

// The three edits of one manual band: Fc in kHz, Q, gain in dB.
struct ManualBandTexts {
  QString Fc, Q, Gain;
};
using ManualEdits = std::array<ManualBandTexts, kManualBandCount>;

enum class ManualField { Fc, Q, Gain };

// Value of an edit's text. Throws runtime::ConversionError.
double EditValue(const QString& text);

// The text the clamp leaves in an edit of the given field: Fc x 1000 above 20000 Hz gives
// "20", below 20 Hz "0.02"; Q above 200 gives "200", below 0 "0"; gain above 20 gives "20",
// below -20 "-20"; anything within the limits is returned unchanged. The upper limit is
// tested first and the lower one on its result. Throws runtime::ConversionError.
QString ClampedEditText(ManualField field, const QString& text);

// Band values as an apply computes them.
struct ManualBandValues {
  double Fc = 20, Bw = 0, Gain = 0;  // Hz, Hz, dB
};

// The values of manual band k (1..6) from its (clamped) edits: Fc snapped to the nearest grid
// frequency (manual band 2 first truncates the hertz value to a whole number), the bandwidth
// from Q and the snapped Fc, the gain as typed. Throws runtime::ConversionError.
ManualBandValues ManualBandFromEdits(const eqshared::EqGrid& grid, int k,
                                     const ManualBandTexts& texts);

// BandBw for Q: 0 for Q exactly 0, 22050 for Q exactly 200, else Fc / Q.
double BandwidthForQ(double Fc, double Q);

// Steps 4..6 of an apply: bands 26..31 take the values; a band with Fc and gain not 0 gets its
// response, any other its response row zeroed (its fine curve stays); then BandSumCurve over
// all 32 bands and ErrorCurve = ResidualCurve = target - (band sum + source).
void RecomputeManualBands(EqDesign& design,
                          const std::array<ManualBandValues, kManualBandCount>& bands);

// Positions of FcBar, BwBar and GainBar for a band's edits. The Fc bar is the grid index
// nearest to Fc x 1000 (truncated to whole hertz first when truncateHz); the Q bar 0 for Q 0,
// 20000 for Q 200, else trunc(Q x 100) (Q 2.3 gives 229); the gain bar trunc(gain x 100).
// Throws runtime::ConversionError.
struct BarPositions {
  int Fc = 0, Bw = 0, Gain = 0;
};
BarPositions BarPositionsFromEdits(const eqshared::EqGrid& grid, const ManualBandTexts& texts,
                                   bool truncateHz);

// Edit texts from bar positions: the grid frequency at position in kHz ("0.06"), and
// position x 0.01 for the Q and gain bars (229 gives "2.29").
QString FcTextFromBar(const eqshared::EqGrid& grid, int position);
QString StepTextFromBar(int position);

// The kHz text of the grid frequency nearest to hz (Preset EQ, a project load).
QString GridKhzText(const eqshared::EqGrid& grid, double hz);

// The edits a project load restores for designer band b: Fc as GridKhzText of BandFc[b], Q
// "0" for BandBw 0, "200" for 22050, else BandFc / BandBw, and the gain.
ManualBandTexts ManualBandTextsFromBand(const EqDesign& design, int b);

}  // namespace calyxon
