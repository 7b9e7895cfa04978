// Writing a project: the design's state gathered into a Project, then its lines.
#include <algorithm>
#include <cmath>

#include "calyxon/files/DesignerSave.h"
#include "calyxon/files/ProjectFile.h"
#include "calyxon/files/ProjectLayout.h"
#include "calyxon/files/TextNumbers.h"
#include "runtime/FloatText.h"

namespace calyxon {

namespace {

class LineWriter {
 public:
  explicit LineWriter(std::string& out) : out_(out) {}

  void Section(const char* name) { section_ = name; }
  void Path(const std::string& path) {
    AppendInteger(out_, static_cast<std::int64_t>(path.size()));
    out_ += kLineEnd;
    out_ += path;
    out_ += kLineEnd;
  }
  void Real(double value, double, double) {
    if (!std::isfinite(value) && problem_.empty()) problem_ = section_;
    AppendFixed(out_, value);
    out_ += kLineEnd;
  }
  template <typename T>
  void Integer(T value, std::int64_t, std::int64_t) {
    AppendInteger(out_, value);
    out_ += kLineEnd;
  }
  void Flag(std::uint8_t value) { Integer(value, 0, 1); }
  void Token(const std::string& text) {
    out_ += text;
    out_ += kLineEnd;
  }
  template <typename Curve>
  void Size(const Curve& curve, int count) {
    if (static_cast<int>(curve.size()) != count && problem_.empty()) problem_ = section_;
  }

  const std::string& problem() const { return problem_; }

 private:
  std::string& out_;
  std::string section_;
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
  if (!text.problem.empty()) {
    return NotSavedStatusText(
        path, QString::fromStdString(text.problem) + " holds a value that is not a finite number");
  }
  return SaveDesignerFile(path, text.bytes);
}

}  // namespace calyxon
