// Reading a project into a staging copy, and taking it over.
#include <algorithm>
#include <fstream>

#include "calyxon/files/ProjectFile.h"
#include "calyxon/files/ProjectLayout.h"
#include "calyxon/files/ProjectValueRules.h"
#include "runtime/FloatText.h"

namespace calyxon {

namespace {

namespace rules = project_rules;

// Far above a project of the largest grid (about 865,000 lines).
constexpr std::size_t kMaxProjectBytes = 64u << 20;

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// Walks the file's values; the first problem stops it, and every later call does nothing.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}

  void Section(const char* name) { section_ = name; }
  void Item(const std::string& inFile, const std::string&) { section_ = inFile; }

  void Path(std::string& path) {
    const std::string name = section_;
    section_ = "the length of " + name;
    std::int64_t length = 0;
    if (!ReadInteger(length, 0, kMaxProjectPathBytes)) return;
    if (!EndOfLine("holds more than the length")) return;
    section_ = name;
    if (length == 0) return;  // no path stored: the current one stays
    if (text_.size() - pos_ < static_cast<std::size_t>(length)) {
      return Fail("it ends early: " + ThisLine() + " is shorter than its length says");
    }
    const std::string_view bytes = text_.substr(pos_, static_cast<std::size_t>(length));
    lines_ += static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n'));
    pos_ += bytes.size();
    if (!EndOfLine("does not end where its length says")) return;
    path.assign(bytes);
  }

  void Real(double& value, double low, double high) {
    const std::string_view token = Token();
    if (token.empty()) return;
    Check(rules::CheckReal(token, low, high, value));
  }

  template <typename T>
  void Integer(T& value, std::int64_t low, std::int64_t high) {
    std::int64_t number = 0;
    if (ReadInteger(number, low, high)) value = static_cast<T>(number);
  }

  void Flag(std::uint8_t& value) {
    std::int64_t number = 0;
    if (ReadInteger(number, std::numeric_limits<std::int64_t>::min(),
                    std::numeric_limits<std::int64_t>::max())) {
      value = number != 0;
    }
  }

  void Token(std::string& text) {
    const std::string_view token = Token();
    if (token.empty()) return;
    if (Check(rules::CheckNumberText(token))) text.assign(token);
  }

  template <typename Curve>
  void Size(Curve& curve, int count) {
    if (problem_.empty()) curve.resize(static_cast<std::size_t>(count));
  }

  // After the last value only blanks may follow: more values mean the counts are wrong.
  void End() {
    SkipBlanks();
    if (problem_.empty() && pos_ != text_.size()) {
      Fail("it holds more lines than its GridCount says (line " + std::to_string(lines_ + 1) + ")");
    }
  }

  const std::string& problem() const { return problem_; }

 private:
  void SkipBlanks() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) {
      if (text_[pos_] == '\n') ++lines_;
      ++pos_;
    }
  }

  // The next run of characters without blanks; empty after a problem or at the end.
  std::string_view Token() {
    if (!problem_.empty()) return {};
    SkipBlanks();
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !IsBlank(text_[pos_])) ++pos_;
    const std::string_view token = text_.substr(start, pos_ - start);
    if (token.empty()) Fail(EndsEarly());
    return token;
  }

  bool ReadInteger(std::int64_t& number, std::int64_t low, std::int64_t high) {
    const std::string_view token = Token();
    if (token.empty()) return false;
    return Check(rules::CheckInteger(token, low, high, number));
  }

  // True when the token passed (no words against it); otherwise the file is refused, naming
  // its line.
  bool Check(const std::string& words) {
    if (words.empty()) return true;
    Fail(ThisLine() + " holds " + words);
    return false;
  }

  // The rest of the current line must be blank; consumes its end (CR LF or LF). goesOn: what
  // a line that holds more is told.
  bool EndOfLine(const char* goesOn) {
    if (!problem_.empty()) return false;
    while (pos_ < text_.size() && text_[pos_] != '\n' && IsBlank(text_[pos_])) ++pos_;
    if (pos_ == text_.size()) {
      Fail("it ends early: " + ThisLine() + " has no line end");
      return false;
    }
    if (text_[pos_] != '\n') {
      Fail(ThisLine() + " " + goesOn);
      return false;
    }
    ++pos_;
    ++lines_;
    return true;
  }

  // "line 5169 (TargetCurve)": the line by its number in the file and by what it holds.
  std::string ThisLine() const {
    return "line " + std::to_string(lines_ + 1) + " (" + section_ + ")";
  }
  std::string EndsEarly() const { return "it ends early: " + ThisLine() + " is missing"; }
  void Fail(std::string problem) {
    if (problem_.empty()) problem_ = std::move(problem);
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int lines_ = 0;  // line ends passed
  std::string section_;
  std::string problem_;
};

}  // namespace

ProjectReading ReadProjectFile(const std::string& path) {
  ProjectReading reading;
  std::ifstream file(path, std::ios::binary);
  if (!file) return reading;
  std::string text;
  char chunk[1 << 16];
  while (text.size() <= kMaxProjectBytes && file.read(chunk, sizeof chunk).gcount() > 0) {
    text.append(chunk, static_cast<std::size_t>(file.gcount()));
  }
  if (file.bad()) return reading;

  reading.status = ProjectReadStatus::Refused;
  if (text.size() > kMaxProjectBytes) {
    reading.problem = "it is larger than any project";
    return reading;
  }
  LineReader reader(text);
  project_layout::Walk(reader, reading.project);
  reader.End();
  reading.problem = reader.problem();
  if (reading.problem.empty()) reading.status = ProjectReadStatus::Loaded;
  return reading;
}

void TakeOverProject(const Project& project, EqDesign& design, PresetSlots& presets) {
  presets = project.Slots;
  project_layout::DesignValues(project, design, [](const auto& from, auto& to) {
    if constexpr (project_layout::kIsCurve<decltype(to)>) {
      std::fill(to.begin(), to.end(), 0.0);
      std::copy(from.begin(), from.end(), to.begin());
    } else {
      to = from;
    }
  });
  for (double& Fc : design.BandFc) Fc = std::max(Fc, 20.0);
}

ProjectReading ReadProjectIntoSlot(PresetSlots& presets, int s, const std::string& path) {
  ProjectReading reading = ReadProjectFile(path);
  if (reading.loaded()) {
    presets.SlotFc[s] = reading.project.BandFc;
    presets.SlotBw[s] = reading.project.BandBw;
    presets.SlotGain[s] = reading.project.BandGain;
  }
  return reading;
}

QString SlotNotDesignedStatusText(const PresetSlots& loaded, int s, int band, const QString& name) {
  return QStringLiteral(
             "File:%1 Not Loaded Into EQ%2: its band %3 (Fc %4 Hz, BW %5 Hz, Gain %6 dB) gives "
             "filter coefficients that are not finite numbers; EQ%2 was not changed  !!! \n")
      .arg(name, QString::number(s), QString::number(band),
           runtime::FloatToStr(loaded.SlotFc[s][band]), runtime::FloatToStr(loaded.SlotBw[s][band]),
           runtime::FloatToStr(loaded.SlotGain[s][band]));
}

QString ProjectLoadStatusText(const ProjectReading& reading, const QString& name) {
  switch (reading.status) {
    case ProjectReadStatus::Loaded:
      return {};
    case ProjectReadStatus::OpenFailed:
      return QStringLiteral("File:%1 Open Failed  !!! \n").arg(name);
    case ProjectReadStatus::Refused:
      break;
  }
  return QStringLiteral("File:%1 Not Loaded: %2; nothing was changed  !!! \n")
      .arg(name, QString::fromStdString(reading.problem));
}

}  // namespace calyxon
