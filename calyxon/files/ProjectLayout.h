// The order of a project file's values, walked once by the writer and once by the reader, so
// that both always agree. Internal to ProjectFile*.cpp.
//
// A Fields type provides:
//   Section(name)                  the table the next values belong to (for messages)
//   Origin(text)                   what the next value was taken from, when it is an edit of
//                                  the window (for the writer's messages); Section clears it
//   Path(path)                     a length line and a path line
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

#include "calyxon/files/ProjectFile.h"
#include "calyxon/files/ProjectValueRules.h"

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

// A curve of levels in dB.
template <typename Fields, typename Curve>
void CurveValues(Fields& f, const char* name, Curve& curve, int count) {
  f.Size(curve, count);
  Values(f, name, curve, -project_rules::kMaxLevel, project_rules::kMaxLevel);
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
  f.Section("the manual bands");
  for (int k = 0; k < kManualBandCount; ++k) {
    auto& band = p.ManualBands[k];
    const std::string of = " of manual band " + std::to_string(k + 1);
    f.Origin("the Fc(KHz) edit" + of);
    f.Real(band.FcKhz, kAnyLow, kAnyHigh);
    f.Origin("the bandwidth from the Fc(KHz) and Q edits" + of);
    f.Real(band.Bw, kAnyLow, kAnyHigh);
    f.Origin("the Gain(dB) edit" + of);
    f.Token(band.GainText);
  }
  f.Section("the flags");
  f.Flag(p.ProjectReservedFlag);
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
  f.Section("the counts");
  f.Flag(p.TargetLoaded);
  f.Integer(p.GridCount, 1, kGridCapacity);
  f.Integer(p.SourcePointCount, I16::min(), I16::max());
  f.Integer(p.LastPointCount, I16::min(), I16::max());

  const int count = p.GridCount;
  f.Size(p.GridFrequency, count);
  f.Section("GridFrequency");
  // The window reads its sine table at each grid frequency's whole hertz.
  for (auto& value : p.GridFrequency) f.Real(value, 0, kGridCapacity);
  CurveValues(f, "TargetCurve", p.TargetCurve, count);
  CurveValues(f, "SourceCurve", p.SourceCurve, count);
  CurveValues(f, "ErrorCurve", p.ErrorCurve, count);
  CurveValues(f, "ResidualCurve", p.ResidualCurve, count);
  CurveValues(f, "TotalCurve", p.TotalCurve, count);
  CurveValues(f, "BandSumCurve", p.BandSumCurve, count);
  f.Size(p.BandResponse, kBandCount);
  for (auto& row : p.BandResponse) CurveValues(f, "BandResponse", row, count);
  Rows(f, "BandA", p.BandA);
  Rows(f, "BandB", p.BandB);
  Values(f, "BandFc", p.BandFc);
  Values(f, "BandBw", p.BandBw);
  Values(f, "BandGain", p.BandGain);
  f.Section("the plot levels");
  f.Real(p.PlotMax, kAnyLow, kAnyHigh);
  f.Real(p.PlotMin, kAnyLow, kAnyHigh);
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
