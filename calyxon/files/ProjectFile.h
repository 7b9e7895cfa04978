// Project files ("*.prj"): the designer's whole working state as text, one value a line, CR LF.
//
// Layout, with G = GridCount (660 in every project the designer writes, so 4799 + 39 G =
// 30539 lines):
//   length of TargetPath in bytes ("%d"), TargetPath (an empty line when none),
//   length of SourcePath, SourcePath,
//   per manual band 1..6: Fc in kHz ("%f"), bandwidth in Hz ("%f"), the gain edit's text,
//   ProjectReservedFlag, CurvesDrawnOnce ("%d"),
//   SlotFc, SlotBw, SlotGain (320 each), SlotA, SlotB (960 each, a0 a1 a2 / b0 b1 b2),
//   SlotCoefficients (1600, "%ld"),
//   TargetLoaded, GridCount, SourcePointCount, LastPointCount ("%d"),
//   GridFrequency, TargetCurve, SourceCurve, ErrorCurve, ResidualCurve, TotalCurve,
//   BandSumCurve (G each), BandResponse (32 G, band by band),
//   BandA, BandB (96 each), BandFc, BandBw, BandGain (32 each), PlotMax, PlotMin, PlotReference.
// Real numbers are "%f" (six decimals), always with ".".
//
// Reading is strict, so that a damaged file never half-loads: the whole file is read into a
// Project first and is refused, with the reason and its line, when a value is missing, longer
// than 511 characters or not a decimal number that a double holds ("nan", "inf", hexadecimal,
// "1,5", "1e999" are refused; "1e-999" is 0), when a count is out of bounds (1 <= GridCount <=
// 22050, the 16-bit counts, 32-bit coefficients), when a grid frequency lies outside 0..22050 Hz
// (exclusive), a level of TargetCurve, SourceCurve or BandResponse outside +-1e300 dB or one of
// the curves computed from them outside +-1e303 dB (LevelBounds.h), each as "%f" writes it
// back (0.0000001 Hz is written 0.000000 and is refused), when a path is longer than
// kMaxProjectPathBytes, or when more values follow than the counts say. A message names the
// line by its number and by what it holds ("line 1 (the length of TargetPath)", "line 5169
// (TargetCurve)"), shows a long number in short form and names the bounds it breaks ("holds
// 1.8e+303, which is out of range (above -1e+303 and below 1e+303)"); it quotes at most 40
// characters of a value that is no number, with bytes that are not printable as "\xNN".
// Values may stand on lines ended by CR LF or LF; blank lines between values are passed over.
// A path is the exact number of bytes its length line gives, then a line end. The gain lines
// hold any number the window's edits take ("1e400" included).
//
// Writing checks every line with the reader's own rules (ProjectValueRules.h) before anything
// is written, so a project that is saved is always one that loads.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "calyxon/eq/EqDesign.h"
#include "calyxon/eq/ManualEq.h"
#include "calyxon/eq/PresetSlots.h"

namespace calyxon {

inline constexpr int kMaxProjectPathBytes = 4096;

// The three lines of one manual band.
struct ProjectManualBand {
  double FcKhz = 0;
  double Bw = 0;               // 0 low shelf, 22050 high shelf, else Fc x 1000 / Q
  std::string GainText = "0";  // one token: the gain edit's text
};

// Everything a project file holds. Curves hold GridCount values each.
struct Project {
  std::string TargetPath, SourcePath;  // bytes; empty when none was loaded
  std::array<ProjectManualBand, kManualBandCount> ManualBands{};
  std::uint8_t ProjectReservedFlag = 0, CurvesDrawnOnce = 0;
  PresetSlots Slots;
  std::uint8_t TargetLoaded = 0;
  std::int16_t GridCount = 0, SourcePointCount = 0, LastPointCount = 0;
  std::vector<double> GridFrequency, TargetCurve, SourceCurve, ErrorCurve, ResidualCurve,
      TotalCurve, BandSumCurve;
  std::vector<std::vector<double>> BandResponse;  // kBandCount rows
  std::array<Coefficients, kBandCount> BandA{}, BandB{};
  std::array<double, kBandCount> BandFc{}, BandBw{}, BandGain{};
  double PlotMax = 0, PlotMin = 0, PlotReference = 0;
};

// The manual band's lines from its values as read from its edits (Fc and the bandwidth from
// Fc and Q, not snapped to the grid) and the gain edit's text, which the caller has read as a
// number: without surrounding blanks and with the system's decimal separator written as ".".
ProjectManualBand ProjectManualBandFrom(const ManualBand& band, const QString& gainText);

// The design's part of a project: counts, curves, bands, plot levels and the slot tables.
// Paths, manual bands and the two flags are the window's to fill in.
Project ProjectFromDesign(const EqDesign& design, const PresetSlots& presets);

struct ProjectText {
  std::string bytes;
  // Empty, or why the reader would refuse the text, naming the first such value by its table
  // or by the window's edit it came from: "SlotB holds a value that is not a finite number",
  // "ErrorCurve holds 1.8e+303, which is out of range (above -1e+303 and below 1e+303)",
  // "the Gain(dB) edit of manual band 1 holds 603 characters, more than the 511 of any value".
  // Such a text must not be written.
  std::string problem;
};
ProjectText WriteProjectText(const Project& project);

// Saves the project at path. Returns "" when saved, or the status text of a refused save
// ("File:<path> Not Saved: <problem>  !!! \n", nothing written) or of a failed one
// (SaveDesignerFile, DesignerSave.h).
QString SaveProject(const Project& project, const QString& path);

enum class ProjectReadStatus { Loaded, OpenFailed, Refused };

struct ProjectReading {
  ProjectReadStatus status = ProjectReadStatus::OpenFailed;
  std::string problem;  // why it was refused, naming the line
  Project project;      // complete only when Loaded
  bool loaded() const { return status == ProjectReadStatus::Loaded; }
};

ProjectReading ReadProjectFile(const std::string& path);

// Takes a loaded project over into the design and the slot tables: the slot tables, the
// counts, every curve (zeroed over its whole capacity first), the band tables and the plot
// levels; then every BandFc below 20 Hz becomes 20. Paths, manual-band edits and flags are the
// window's.
void TakeOverProject(const Project& project, EqDesign& design, PresetSlots& presets);

// A slot button's read: the final band table of the project at path into SlotFc[s], SlotBw[s]
// and SlotGain[s]. A project that cannot be opened or is refused changes nothing.
ProjectReading ReadProjectIntoSlot(PresetSlots& presets, int s, const std::string& path);

// Status text when the final band table that the project at name gave slot s designs band
// `band` (0..31) to a section that is not finite (FirstNonFiniteBand, PresetSlots.h):
// "File:<name> Not Loaded Into EQ<s>: its band <band> (Fc <Fc> Hz, BW <BW> Hz, Gain <Gain>
// dB) gives filter coefficients that are not finite numbers; EQ<s> was not changed  !!! \n".
QString SlotNotDesignedStatusText(const PresetSlots& loaded, int s, int band, const QString& name);

// Status text after a project load: "" when loaded, "File:<name> Open Failed  !!! \n", or
// "File:<name> Not Loaded: <problem>; nothing was changed  !!! \n".
QString ProjectLoadStatusText(const ProjectReading& reading, const QString& name);

}  // namespace calyxon
