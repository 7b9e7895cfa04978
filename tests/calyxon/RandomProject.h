// Seeded random project files that the project reader takes, written from the file's layout
// independently of the program's writer: every value in one of the forms the reader accepts
// (six decimals or more or fewer, exponents, a leading "+", long runs of zeros), values of every
// size up to the bounds (measured curves and band responses below 1e300 dB, the curves summed
// from them below 1e303 dB, any finite number elsewhere), in half of the projects every measured
// curve and band response near 1e300 dB at one grid point, signed so that their sums add up,
// band tables that reach the manual bands' corner cases (bandwidths so small that Fc / BW
// overflows, shelf values, gains far beyond +-20 dB), LF or CR LF line ends and stray blank
// lines. Beside the text it keeps the values its lines stand for.
//
// The grid is strictly increasing from 20 Hz with points at least 7 Hz apart and at most six
// decimals, as a grid the designer builds: a load snaps each manual band to it and band 2 cuts
// its frequency to whole hertz first, which on a denser grid may move the band to another
// point at every load.
#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace calyxon::testing {

class RandomProject {
 public:
  explicit RandomProject(std::uint64_t seed) : rng_(seed) {
    end_ = Chance(0.5) ? "\n" : "\r\n";
    G = Chance(0.7) ? 660 : Int(1, 40);
    TargetPath = Path();
    SourcePath = Path();
    for (int k = 0; k < 6; ++k) {
      Value(Real(AnyValue()));
      Value(Real(AnyValue()));
      Value(GainText());
    }
    ProjectReservedFlag = Flag();
    CurvesDrawnOnce = Flag();
    for (int n = 0; n < 3 * 320 + 2 * 960; ++n) SlotValues.push_back(Number(Real(AnyValue())));
    for (int n = 0; n < 1600; ++n) {
      SlotCoefficients.push_back(
          Int(std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
      Value(std::to_string(SlotCoefficients.back()));
    }
    TargetLoaded = Flag();
    Value(std::to_string(G));
    SourcePointCount = static_cast<std::int16_t>(Int(-32768, 32767));
    LastPointCount = static_cast<std::int16_t>(Int(-32768, 32767));
    for (const int count : {SourcePointCount, LastPointCount}) Value(std::to_string(count));
    for (const double hz : Grid()) GridFrequency.push_back(Number(Fixed(hz, Int(0, 6))));
    const int big = Chance(0.5) ? static_cast<int>(Int(0, G - 1)) : -1;
    const double sign = Chance(0.5) ? 1 : -1;
    // TargetCurve, SourceCurve, then the four summed curves, then 32 band responses.
    for (int c = 0; c < 6 + 32; ++c) {
      const bool measured = c < 2 || c >= 6;
      std::vector<double>& curve = c < 6 ? Curves[c] : BandResponse[c - 6];
      for (int i = 0; i < G; ++i) {
        double level = measured ? Level(9e299) : Level(9e302);
        // Below 9.5e299, so that no form rounds it up to the bound.
        if (i == big && measured) level = (c == 0 ? sign : -sign) * Uniform(5e299, 9.4e299);
        curve.push_back(Number(Real(level)));
      }
    }
    for (auto* table : {&BandA, &BandB}) {
      for (int n = 0; n < 96; ++n) table->push_back(Number(Real(AnyValue())));
    }
    for (int n = 0; n < 32; ++n) BandFc.push_back(Number(Real(BandFcValue())));
    for (int n = 0; n < 32; ++n) BandBw.push_back(Number(Real(BandBwValue())));
    for (int n = 0; n < 32; ++n) BandGain.push_back(Number(Real(BandGainValue())));
    for (int n = 0; n < 3; ++n)
      PlotLevels.push_back(Number(Real(Chance(0.5) ? AnyValue() : Uniform(-30, 30))));
    if (Chance(0.5)) text += " \t" + end_;
  }

  std::string text;
  int G = 0;
  // The values the lines stand for, in file order.
  std::string TargetPath, SourcePath;  // empty: no path stored
  std::uint8_t ProjectReservedFlag = 0, CurvesDrawnOnce = 0, TargetLoaded = 0;  // 0 or 1
  std::int16_t SourcePointCount = 0, LastPointCount = 0;
  std::vector<double> SlotValues;  // SlotFc, SlotBw, SlotGain, SlotA, SlotB
  std::vector<std::int64_t> SlotCoefficients;
  std::vector<double> GridFrequency;
  std::array<std::vector<double>, 6> Curves;  // Target, Source, Error, Residual, Total, BandSum
  std::array<std::vector<double>, 32> BandResponse;
  std::vector<double> BandA, BandB, BandFc, BandBw, BandGain, PlotLevels;

 private:
  bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }
  std::int64_t Int(std::int64_t low, std::int64_t high) {
    return std::uniform_int_distribution<std::int64_t>(low, high)(rng_);
  }
  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(rng_);
  }

  void Value(const std::string& token) {
    if (Chance(0.002)) text += (Chance(0.5) ? "" : " \t ") + end_;
    text += (Chance(0.01) ? " " : "") + token + end_;
  }

  // Writes a real value's token; returns the number it stands for (0 for one nearer to 0 than
  // any double).
  double Number(const std::string& token) {
    Value(token);
    const char* begin = token.data() + (token[0] == '+' ? 1 : 0);
    double value = 0;
    const auto result = std::from_chars(begin, token.data() + token.size(), value);
    return result.ec == std::errc() ? value : 0.0;
  }

  // A flag's line; returns what the reader keeps of it.
  std::uint8_t Flag() {
    const std::int64_t value = Chance(0.7) ? Int(0, 1)
                                           : Int(std::numeric_limits<std::int64_t>::min(),
                                                 std::numeric_limits<std::int64_t>::max());
    Value(std::to_string(value));
    return value != 0;
  }

  // A length line and exactly that many bytes of path (none when 0), then a line end.
  std::string Path() {
    static const std::string kPieces[] = {"/", "a", "Z", "0", " ", ".", "-", "_", "\xC3\xA9"};
    std::string path;
    const int pieces = Chance(0.3) ? 0 : static_cast<int>(Int(1, 60));
    for (int n = 0; n < pieces; ++n) path += kPieces[Int(0, std::size(kPieces) - 1)];
    Value(std::to_string(path.size()));
    if (!path.empty()) text += path + end_;
    return path;
  }

  static std::string Fixed(double value, int decimals) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
  }

  // value in one of the decimal forms the reader takes.
  std::string Real(double value) {
    char buffer[400];
    switch (Int(0, 5)) {
      case 0:
      case 1:
        return Fixed(value, 6);
      case 2:
        return Fixed(value, static_cast<int>(Int(0, 12)));
      case 3:
        std::snprintf(buffer, sizeof buffer, "%.*e", static_cast<int>(Int(0, 16)), value);
        break;
      case 4:
        std::snprintf(buffer, sizeof buffer, "%.17g", value);
        break;
      default:
        std::snprintf(buffer, sizeof buffer, "%+.9f", value);
        break;
    }
    return buffer;
  }

  // Any finite double, of any size from the denormals to the largest.
  double AnyValue() {
    for (;;) {
      const double value = (Chance(0.5) ? -1 : 1) * Uniform(1, 10) * std::pow(10.0, Int(-320, 307));
      if (std::isfinite(value)) return Chance(0.1) ? 0.0 : value;
    }
  }

  // A curve level: mostly a few tens of dB, sometimes of any size below `below`.
  double Level(double below) {
    if (Chance(0.9)) return Uniform(-40, 40);
    const double value = AnyValue();
    return std::fabs(value) < below ? value : std::fmod(value, below);
  }

  std::vector<double> Grid() {
    std::vector<double> points;
    std::vector<int> steps(2753);  // 20 + 8 k < 22044
    for (int k = 0; k < static_cast<int>(steps.size()); ++k) steps[k] = k;
    std::shuffle(steps.begin(), steps.end(), rng_);
    steps.resize(G);
    std::sort(steps.begin(), steps.end());
    for (const int k : steps) points.push_back(20 + 8 * k + Uniform(0, 1));
    return points;
  }

  double BandFcValue() {
    switch (Int(0, 3)) {
      case 0:
        return Uniform(20, 22050);
      case 1:
        return Uniform(-100, 20);  // raised to 20 Hz
      case 2:
        return AnyValue();
      default:
        return 1e300;
    }
  }
  double BandBwValue() {
    switch (Int(0, 4)) {
      case 0:
        return 0;
      case 1:
        return 22050;
      case 2:
        return Uniform(-500, 5000);
      case 3:
        return 1e-310;  // Fc / BW is beyond any number
      default:
        return AnyValue();
    }
  }
  double BandGainValue() { return Chance(0.3) ? 0.0 : Chance(0.5) ? Uniform(-30, 30) : AnyValue(); }

  // The gain edit's line: any token of a finite decimal number, up to 511 characters.
  std::string GainText() {
    switch (Int(0, 5)) {
      case 0:
        return "+.5";
      case 1:
        return "5.";
      case 2:
        return "1" + std::string(300, '0');
      case 3:
        return std::string(510, '0') + "5";
      case 4:
        return "-2E1";
      default:
        return Real(Uniform(-30, 30));
    }
  }

  std::mt19937_64 rng_;
  std::string end_;
};

}  // namespace calyxon::testing
