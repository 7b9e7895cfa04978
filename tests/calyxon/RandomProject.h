// Seeded random project files that the project reader takes, written from the file's layout
// independently of the program's writer: every value in one of the forms the reader accepts
// (six decimals or more or fewer, exponents, a leading "+", long runs of zeros), values of every
// size up to the bounds (curve levels below 1e300, any finite number elsewhere), band tables
// that reach the manual bands' corner cases (bandwidths so small that Fc / BW overflows, shelf
// values, gains far beyond +-20 dB), LF or CR LF line ends and stray blank lines.
//
// The grid is strictly increasing from 20 Hz with points at least 7 Hz apart and at most six
// decimals, as a grid the designer builds: a load snaps each manual band to it and band 2 cuts
// its frequency to whole hertz first, which on a denser grid may move the band to another
// point at every load.
#pragma once

#include <algorithm>
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
    Path();
    Path();
    for (int k = 0; k < 6; ++k) {
      Value(Real(AnyValue()));
      Value(Real(AnyValue()));
      Value(GainText());
    }
    Value(Flag());
    Value(Flag());
    for (int n = 0; n < 3 * 320 + 2 * 960; ++n) Value(Real(AnyValue()));
    for (int n = 0; n < 1600; ++n)
      Value(std::to_string(
          Int(std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max())));
    Value(Flag());
    Value(std::to_string(G));
    for (int n = 0; n < 2; ++n) Value(std::to_string(Int(-32768, 32767)));
    for (const double hz : Grid()) Value(Fixed(hz, Int(0, 6)));
    for (int n = 0; n < (6 + 32) * G; ++n) Value(Real(Level()));
    for (int n = 0; n < 2 * 96; ++n) Value(Real(AnyValue()));
    for (int n = 0; n < 32; ++n) Value(Real(BandFc()));
    for (int n = 0; n < 32; ++n) Value(Real(BandBw()));
    for (int n = 0; n < 32; ++n) Value(Real(BandGain()));
    for (int n = 0; n < 3; ++n) Value(Real(Chance(0.5) ? AnyValue() : Uniform(-30, 30)));
    if (Chance(0.5)) text += " \t" + end_;
  }

  std::string text;
  int G = 0;

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

  // A length line and exactly that many bytes of path (none when 0), then a line end.
  void Path() {
    static const std::string kPieces[] = {"/", "a", "Z", "0", " ", ".", "-", "_", "\xC3\xA9"};
    std::string path;
    const int pieces = Chance(0.3) ? 0 : static_cast<int>(Int(1, 60));
    for (int n = 0; n < pieces; ++n) path += kPieces[Int(0, std::size(kPieces) - 1)];
    Value(std::to_string(path.size()));
    if (!path.empty()) text += path + end_;
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

  // A curve level: mostly a few tens of dB, sometimes of any size below the 1e300 bound.
  double Level() {
    if (Chance(0.9)) return Uniform(-40, 40);
    const double value = AnyValue();
    return std::fabs(value) < 9e299 ? value : value * 1e-10;
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

  double BandFc() {
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
  double BandBw() {
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
  double BandGain() { return Chance(0.3) ? 0.0 : Chance(0.5) ? Uniform(-30, 30) : AnyValue(); }

  std::string Flag() {
    return Chance(0.7) ? std::to_string(Int(0, 1))
                       : std::to_string(Int(std::numeric_limits<std::int64_t>::min(),
                                            std::numeric_limits<std::int64_t>::max()));
  }

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
