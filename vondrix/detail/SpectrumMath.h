// The spectrum page's arithmetic: which trace point a frequency falls on, where a point
// lies in the picture, which frequency a mouse position means, the marker readouts, the
// elapsed time, Peak and Next P, and the Halt test. Plain C++, no widgets.
//
// A band of n 25 kHz steps has the trace points 0..n. A frequency f (kHz) falls on point
//   k(f) = trunc((f - start) * 0.04)
// with 0.04 the extended-precision constant nearest to 1/25. The scan stores its sample of
// f at k(f) + 1; the marker stands on k(f). Point i lies at x = trunc(i * s), s = W / n in
// single precision and the product in extended precision.
#pragma once

#include <QPoint>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "vondrix/detail/StatusPanel.h"
#include "vondrix/detail/TuningMath.h"

namespace vondrix {

inline constexpr int kSpectrumPoints = 8100;  // points a trace holds

// The points a band is drawn with: its step count, bounded to 1..8099 so that the spacing
// W / n is defined and every point lies in the trace.
int BandPoints(int32_t bandStepCount);

// k(f), unbounded: negative below the band start, beyond n above the stop.
int64_t SpectrumIndex(float f, float startKhz);
// k bounded to the trace's points 0..n.
int BoundedIndex(int64_t k, int n);

// The spacing s = W / n, single precision, and the x of point i.
float PointSpacing(int width, int n);
int PointX(int i, float s);

// The frequency at mouse x of a picture w pixels wide over n steps: v = x * r * 25 with
// r = n / w, then f = 25 * trunc((start + v) * 0.04), each held in single precision. x = 0
// gives the band start, x = w the band stop, positions between fall to the grid step at or
// below them.
float MouseFrequency(int x, int width, int n, float startKhz);

// The marker readouts of a point's y: dBm = 0.4 * (155 - y) - 107 to 3 significant digits
// with one decimal ("-107.0dBm"); microvolts = 10^(0.05 * dB) to 4 significant digits with
// one decimal and thousands separators ("1,000.0uV").
QString DbmText(int y);
QString MicrovoltText(int y);

// "hh:mm:ss" of the whole seconds in ms, the hours wrapping at 24.
QString ElapsedText(int32_t ms);

// Peak: the strongest point (smallest y) of 1..n that is stronger than point 0, the first
// of equal ones; 1 when none is. lastPeakY becomes its y (point 0's when none is).
int FindPeak(const std::vector<QPoint>& points, int n, int32_t& lastPeakY);
// Next P: the strongest point of 1..n strictly weaker than lastPeakY and stronger than
// point 0, the first of equal ones. lastPeakY becomes its y, or point 0's when none is.
std::optional<int> FindNextPeak(const std::vector<QPoint>& points, int n, int32_t& lastPeakY);

// The Halt test: the RF level read last lies above the squelch threshold (raw units). Both
// antennas after the low-point alignment, or antenna A alone.
bool AboveSquelch(LevelSource source, int threshold, int rfA, int rfB, const Calibration& cal);

}  // namespace vondrix
