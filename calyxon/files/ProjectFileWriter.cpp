// Writing a project: the design's state gathered into a Project, then its lines.
#include <algorithm>
#include <cmath>
#include <limits>

#include "calyxon/files/DesignerSave.h"
#include "calyxon/files/ProjectFile.h"
#include "calyxon/files/ProjectLayout.h"
#include "calyxon/files/ProjectValueRules.h"
#include "calyxon/files/TextNumbers.h"
#include "runtime/FloatText.h"

namespace calyxon {

namespace {

namespace rules = project_rules;

// Writes the lines, checking each with the reader's rules: the first value the reader would
// refuse is the problem, named by its table or by the edit it came from.
class LineWriter {
 public:
  explicit LineWriter(std::string& out) : out_(out) {}

  void Section(const char* name) {
    section_ = name;
    origin_.clear();
  }
  void Item(const std::string&, const std::string& inWindow) { origin_ = inWindow; }
  void Path(const std::string& path) {
    if (path.size() > static_cast<std::size_t>(kMaxProjectPathBytes)) {
      Fail(section_ + " is " + std::to_string(path.size()) + " bytes long, more than the " +
           std::to_string(kMaxProjectPathBytes) + " a project holds");
    }
    AppendInteger(out_, static_cast<std::int64_t>(path.size()));
    out_ += kLineEnd;
    out_ += path;
    out_ += kLineEnd;
  }
  void Real(double value, double low, double high) {
    const std::size_t start = out_.size();
    AppendFixed(out_, value);
    const std::string_view token = std::string_view(out_).substr(start);
    if (!std::isfinite(value)) {
      Fail(Where() + " holds a value that is not a finite number");
    } else {
      double read = 0;
      Check(rules::CheckReal(token, low, high, read));
    }
    out_ += kLineEnd;
  }
  template <typename T>
  void Integer(T value, std::int64_t low, std::int64_t high) {
    const std::size_t start = out_.size();
    AppendInteger(out_, value);
    std::int64_t read = 0;
    Check(rules::CheckInteger(std::string_view(out_).substr(start), low, high, read));
    out_ += kLineEnd;
  }
  void Flag(std::uint8_t value) {
    Integer(value, std::numeric_limits<std::int64_t>::min(),
            std::numeric_limits<std::int64_t>::max());
  }
  void Token(const std::string& text) {
    Check(rules::CheckNumberText(text));  // a blank in it would split it in two
    out_ += text;
    out_ += kLineEnd;
  }
  template <typename Curve>
  void Size(const Curve& curve, int count) {
    if (static_cast<int>(curve.size()) != count) Fail("a curve does not hold GridCount values");
  }

  const std::string& problem() const { return problem_; }

 private:
  std::string Where() const { return origin_.empty() ? section_ : origin_; }
  void Check(const std::string& words) {
    if (!words.empty()) Fail(Where() + " holds " + words);
  }
  void Fail(std::string problem) {
    if (problem_.empty()) problem_ = std::move(problem);
  }

  std::string& out_;
  std::string section_;
  std::string origin_;
  std::string problem_;
};

}  // namespace

ProjectManualBand ProjectManualBandFrom(const ManualBand& band, const QString& gainText) {
  ProjectManualBand lines;
  lines.FcKhz = band.Fc;
  lines.Bw = BandwidthForQ(band.Fc * 1000, band.Q);
  QString gain = gainText.trimmed();
  gain.replace(runtime::decimalSeparator(), u'.');
  lines.GainText = gain.toStdString();
  return lines;
}

Project ProjectFromDesign(const EqDesign& design, const PresetSlots& presets) {
  Project p;
  p.Slots = presets;
  p.BandResponse.resize(kBandCount);
  const int count = std::clamp<int>(design.GridCount, 0, kGridCapacity);
  project_layout::DesignValues(p, design, [count](auto& to, const auto& from) {
    if constexpr (project_layout::kIsCurve<decltype(to)>) {
      to.assign(from.begin(), from.begin() + count);
    } else {
      to = from;
    }
  });
  return p;
}

ProjectText WriteProjectText(const Project& project) {
  ProjectText text;
  const int count = std::max<int>(project.GridCount, 0);
  text.bytes.reserve(static_cast<std::size_t>(4799 + 39 * count) * 12);
  LineWriter writer(text.bytes);
  project_layout::Walk(writer, project);
  text.problem = writer.problem();
  return text;
}

QString SaveProject(const Project& project, const QString& path) {
  const ProjectText text = WriteProjectText(project);
  if (!text.problem.empty()) return NotSavedStatusText(path, QString::fromStdString(text.problem));
  return SaveDesignerFile(path, text.bytes);
}

}  // namespace calyxon
