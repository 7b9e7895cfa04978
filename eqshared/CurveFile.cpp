#include "eqshared/CurveFile.h"

#include <locale.h>

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <memory>

namespace eqshared {

namespace {

// Numbers in files use "." even where the user's locale writes ",": the C numeric locale for
// this thread while it lives.
class CNumericLocale {
 public:
  CNumericLocale() : c_(newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr))) {
    if (c_) previous_ = uselocale(c_);
  }
  ~CNumericLocale() {
    if (!c_) return;
    uselocale(previous_);
    freelocale(c_);
  }
  CNumericLocale(const CNumericLocale&) = delete;
  CNumericLocale& operator=(const CNumericLocale&) = delete;

 private:
  locale_t c_;
  locale_t previous_ = nullptr;
};

bool IsBlank(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The first run of characters without white space, cut to kMaxCapsuleNameLength bytes at a
// character boundary, with "_" as blanks. The rest of the run is passed over.
std::string ReadCapsuleName(std::FILE* file) {
  int c = std::fgetc(file);
  while (c != EOF && IsBlank(c)) c = std::fgetc(file);
  // At most one byte beyond the limit: it tells whether the cut splits a character.
  std::string run;
  for (; c != EOF && !IsBlank(c); c = std::fgetc(file)) {
    if (run.size() <= kMaxCapsuleNameLength) run.push_back(static_cast<char>(c));
  }
  if (c != EOF) std::ungetc(c, file);
  if (run.size() > kMaxCapsuleNameLength) {
    std::size_t keep = kMaxCapsuleNameLength;
    while (keep > 0 && (static_cast<unsigned char>(run[keep]) & 0xC0) == 0x80) --keep;
    run.resize(keep);
  }
  for (char& ch : run) {
    if (ch == '_') ch = ' ';
  }
  return run;
}

}  // namespace

std::optional<CurveFileReading> ReadCurveFile(const std::string& path, CurveFileFormat format) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "r"), &std::fclose);
  if (!file) return std::nullopt;
  const CNumericLocale numbers;
  CurveFileReading reading;
  if (format.capsuleName) reading.capsuleName = ReadCapsuleName(file.get());
  double f = 0, level = 0;
  while (std::fscanf(file.get(), "%lf,%lf", &f, &level) == 2) {
    if (format.raiseToGridStart && f < 20) f = 20;
    if (!std::isfinite(f) || !std::isfinite(level) || !(f > 0)) break;
    if (reading.points.F.size() == kMaxCurvePoints) {
      reading.truncated = true;
      break;
    }
    reading.points.F.push_back(f);
    reading.points.L.push_back(level);
  }
  return reading;
}

}  // namespace eqshared
