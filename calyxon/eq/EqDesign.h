// The designer's numeric state: one EqDesign object holds the 32 band tables, the frequency grid,
// every curve on that grid, the sine and cosine table, the single-precision download set and the
// fitting position. The window owns one and hands it by reference to the operations in this
// folder (BandDesign.h, FrequencyGrid.h, BandResponse.h, CoefficientTable.h, BandClearing.h,
// MeasurementCurve.h, AutoTune.h) and in calyxon/files.
//
// The grid and the plot levels (GridFrequency, GridCount, PlotReference, PlotMax, PlotMin) are
// those of eqshared::EqGrid, which the receiver program's EQ page holds too.
//
// All members are plain data and public: the window reads them to draw and to fill its edits.
// A new object has an empty grid (GridCount 0), bands at 20 Hz / 0 / 0 dB, zero curves, and a
// filled CosSinTable. Curves are indexed like GridFrequency; only the first GridCount entries of
// a curve or of a BandResponse row carry meaning.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "eqshared/EqGrid.h"
#include "eqshared/PlotMapping.h"

namespace calyxon {

inline constexpr double SampleRate = 44100.0;
inline constexpr int kBandCount = 32;
inline constexpr int kAutoBandCount = 26;  // bands 0..25 are fitted, 26..31 are set by hand
inline constexpr int kGridCapacity = eqshared::kGridCapacity;
inline constexpr int kFinePointCount = 301;
inline constexpr int kCosSinSize = 44100;  // cos at 0..22049, sin at 22050..44099

using eqshared::FinePoint;
using eqshared::GridCurve;  // kGridCapacity values

struct EqDesign : eqshared::EqGrid {
  EqDesign();

  // Band tables, written by the fitting and the manual bands.
  std::array<double, kBandCount> BandFc{};
  std::array<double, kBandCount> BandBw{};
  std::array<double, kBandCount> BandGain{};
  // Coefficients of each band's last evaluation: a0 a1 a2 and b0 b1 b2.
  std::array<std::array<double, 3>, kBandCount> BandA{};
  std::array<std::array<double, 3>, kBandCount> BandB{};
  std::vector<GridCurve> BandResponse;  // kBandCount rows of kGridCapacity, dB
  std::array<std::array<FinePoint, kFinePointCount>, kBandCount> FineCurve{};

  std::vector<double> CosSinTable;  // kCosSinSize entries

  GridCurve TargetCurve, SourceCurve, ErrorCurve, ResidualCurve, BandSumCurve, TotalCurve;
  std::uint8_t RedrawRequested = 0;

  // Measurement loading.
  std::uint8_t TargetLoaded = 0;
  std::int16_t LastPointCount = 0;
  std::int16_t SourcePointCount = 0;

  // Automatic fitting: next band to fit (26 = all done), 0 Normal / 1 Fast.
  std::int16_t AutoTuneBand = 0;
  std::uint8_t AutoTuneMode = 0;

  // Download set, single precision, and its Q2.29 table (b0, b1, b2, -a1, -a2 per band).
  std::array<float, kBandCount> DownloadFc{};
  std::array<float, kBandCount> DownloadBw{};
  std::array<float, kBandCount> DownloadGain{};
  std::array<std::array<std::int32_t, 5>, kBandCount> DownloadCoefficients{};
};

// Fills CosSinTable: entry k is cos(k * 2 * pi * (1/44100)), entry 22050 + k the sine, written
// in exactly this order of operations: the fitting's choices depend on the table's last bits.
// The constructor already calls it.
void FillCosSinTable(EqDesign& design);

}  // namespace calyxon
