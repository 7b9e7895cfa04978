// The order of a project file's values, walked once by the writer and once by the reader, so
// that both always agree. Internal to ProjectFile*.cpp.
//
// A Fields type provides:
//   Section(name)                  what the next values are (for messages): a table, a count
//   Item(inFile, inWindow)         what the next value is, named as the file holds it (for
//                                  the reader's messages) and by the window's edit it was
//                                  taken from (for the writer's); the next Section ends it
//   Path(path)                     a length line ("the length of <section>") and a path line
//   Real(value, low, high)         a "%f" line; the reader refuses a value outside (low, high)
//   Integer(value, low, high)      a "%d" / "%ld" line; the reader refuses one outside [low, high]
//   Flag(value)                    a "%d" line; the reader stores 1 for any value but 0
//   Token(text)                    a line holding one token as it stands
//   Size(curve, count)             the reader makes curve hold count values
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>
#include <vector>

#include "calyxon/eq/LevelBounds.h"
#include "calyxon/files/ProjectFile.h"

namespace calyxon::project_layout {

inline constexpr double kAnyLow = -std::numeric_limits<double>::infinity();
inline constexpr double kAnyHigh = std::numeric_limits<double>::infinity();

template <typename Fields, typename Table>
void Values(Fields& f, const char* name, Table& table, double low = kAnyLow,
            double high = kAnyHigh) {
  f.Section(name);
  for (auto& value : table) f.Real(value, low, high);
}

// A table of rows (slot by slot, band by band, ...) in row order.
template <typename Fields, typename Table>
void Rows(Fields& f, const char* name, Table& table) {
  f.Section(name);
  for (auto& row : table) {
    for (auto& value : row) {
      if constexpr (requires { value.size(); }) {
        for (auto& v : value) f.Real(v, kAnyLow, kAnyHigh);
      } else {
        f.Real(value, kAnyLow, kAnyHigh);
      }
    }
  }
}

// A curve of levels in dB within +-bound (LevelBounds.h).
template <typename Fields, typename Curve>
void CurveValues(Fields& f, const char* name, Curve& curve, int count, double bound) {
  f.Size(curve, count);
  Values(f, name, curve, -bound, bound);
}

// P is Project or const Project.
template <typename Fields, typename P>
void Walk(Fields& f, P& p) {
  using I16 = std::numeric_limits<std::int16_t>;
  using I32 = std::numeric_limits<std::int32_t>;
  f.Section("TargetPath");
  f.Path(p.TargetPath);
  f.Section("SourcePath");
  f.Path(p.SourcePath);
  for (int k = 0; k < kManualBandCount; ++k) {
    auto& band = p.ManualBands[k];
    const std::string name = "manual band " + std::to_string(k + 1);
    f.Item(name + "'s Fc in kHz", "the Fc(KHz) edit of " + name);
    f.Real(band.FcKhz, kAnyLow, kAnyHigh);
    f.Item(name + "'s bandwidth", "the bandwidth from the Fc(KHz) and Q edits of " + name);
    f.Real(band.Bw, kAnyLow, kAnyHigh);
    f.Item(name + "'s gain", "the Gain(dB) edit of " + name);
    f.Token(band.GainText);
  }
  f.Section("ProjectReservedFlag");
  f.Flag(p.ProjectReservedFlag);
  f.Section("CurvesDrawnOnce");
  f.Flag(p.CurvesDrawnOnce);
  Rows(f, "SlotFc", p.Slots.SlotFc);
  Rows(f, "SlotBw", p.Slots.SlotBw);
  Rows(f, "SlotGain", p.Slots.SlotGain);
  Rows(f, "SlotA", p.Slots.SlotA);
  Rows(f, "SlotB", p.Slots.SlotB);
  f.Section("SlotCoefficients");
  for (auto& slot : p.Slots.SlotCoefficients) {
    for (auto& row : slot) {
      for (auto& value : row) f.Integer(value, I32::min(), I32::max());
    }
  }
  f.Section("TargetLoaded");
  f.Flag(p.TargetLoaded);
  f.Section("GridCount");
  f.Integer(p.GridCount, 1, kGridCapacity);
  f.Section("SourcePointCount");
  f.Integer(p.SourcePointCount, I16::min(), I16::max());
  f.Section("LastPointCount");
  f.Integer(p.LastPointCount, I16::min(), I16::max());

  const int count = p.GridCount;
  f.Size(p.GridFrequency, count);
  f.Section("GridFrequency");
  // The window reads its sine table at each grid frequency's whole hertz.
  for (auto& value : p.GridFrequency) f.Real(value, 0, kGridCapacity);
  // The measured curves and the band responses, and the curves summed from them.
  CurveValues(f, "TargetCurve", p.TargetCurve, count, kMaxLevel);
  CurveValues(f, "SourceCurve", p.SourceCurve, count, kMaxLevel);
  CurveValues(f, "ErrorCurve", p.ErrorCurve, count, kMaxSumLevel);
  CurveValues(f, "ResidualCurve", p.ResidualCurve, count, kMaxSumLevel);
  CurveValues(f, "TotalCurve", p.TotalCurve, count, kMaxSumLevel);
  CurveValues(f, "BandSumCurve", p.BandSumCurve, count, kMaxSumLevel);
  f.Size(p.BandResponse, kBandCount);
  for (auto& row : p.BandResponse) CurveValues(f, "BandResponse", row, count, kMaxLevel);
  Rows(f, "BandA", p.BandA);
  Rows(f, "BandB", p.BandB);
  Values(f, "BandFc", p.BandFc);
  Values(f, "BandBw", p.BandBw);
  Values(f, "BandGain", p.BandGain);
  f.Section("PlotMax");
  f.Real(p.PlotMax, kAnyLow, kAnyHigh);
  f.Section("PlotMin");
  f.Real(p.PlotMin, kAnyLow, kAnyHigh);
  f.Section("PlotReference");
  f.Real(p.PlotReference, kAnyLow, kAnyHigh);
}

// The values a project shares with the design, handed in pairs to copy(project's, design's)
// (P and D each const or not).
template <typename P, typename D, typename Copy>
void DesignValues(P& p, D& d, Copy&& copy) {
  copy(p.TargetLoaded, d.TargetLoaded);
  copy(p.GridCount, d.GridCount);
  copy(p.SourcePointCount, d.SourcePointCount);
  copy(p.LastPointCount, d.LastPointCount);
  copy(p.GridFrequency, d.GridFrequency);
  copy(p.TargetCurve, d.TargetCurve);
  copy(p.SourceCurve, d.SourceCurve);
  copy(p.ErrorCurve, d.ErrorCurve);
  copy(p.ResidualCurve, d.ResidualCurve);
  copy(p.TotalCurve, d.TotalCurve);
  copy(p.BandSumCurve, d.BandSumCurve);
  for (int b = 0; b < kBandCount; ++b) copy(p.BandResponse[b], d.BandResponse[b]);
  copy(p.BandA, d.BandA);
  copy(p.BandB, d.BandB);
  copy(p.BandFc, d.BandFc);
  copy(p.BandBw, d.BandBw);
  copy(p.BandGain, d.BandGain);
  copy(p.PlotMax, d.PlotMax);
  copy(p.PlotMin, d.PlotMin);
  copy(p.PlotReference, d.PlotReference);
}

template <typename T>
inline constexpr bool kIsCurve = std::is_same_v<std::remove_cvref_t<T>, std::vector<double>>;

}  // namespace calyxon::project_layout
