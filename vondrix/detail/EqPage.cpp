// TForm7's Microphone EQ page: the receiver's preset number and the preset's curve.
#include <filesystem>

#include "eqshared/EqPresetCurve.h"
#include "eqshared/PlotDrawing.h"
#include "vondrix/detail/Form7.h"
#include "vondrix/network/Program.h"

namespace vondrix {

bool TForm7::QueryEqPreset() {
  if (!link_.QueryEqPreset(Address())) return false;
  StaticText23->setCaption(QString::fromLatin1(program_.Detail.EqPresetIndex));
  return true;
}

void TForm7::ResetEqCurve() {
  eqshared::BuildFrequencyGrid(Eq);
  std::fill(EqCurve.begin(), EqCurve.begin() + eqshared::kGridPoints, 0.0);
}

void TForm7::OpenEqFile(int n) {
  std::string path = program_.ProgramFolder;
  if (n >= 0 && n <= 8) {
    path += eqshared::EqPresetFileName(n);
  } else if (n == 9) {
    StaticText90->setCaption("User Define");
    path.clear();
  }
  if (!LoadEqFile(path)) {
    ResetEqCurve();
    if (n != 9) forms::ShowMessage("Can't Open File");
  }
  DrawEqCurve();
}

bool TForm7::LoadEqFile(const std::string& path) {
  // Only a regular file: a preset number above 9 leaves the bare folder as the path.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  const eqshared::EqPresetLoad load = eqshared::LoadEqPresetCurve(path, Eq, EqCurve);
  // A file without a usable curve counts as one that cannot be opened: the page keeps the
  // capsule name it showed.
  if (!load.loaded()) return false;
  StaticText90->setCaption(QString::fromStdString(load.capsuleName));
  EqPointCount = static_cast<int16_t>(load.pointCount);
  return true;
}

void TForm7::DrawEqCurve() {
  Image6->update();
  setDoubleBuffered(true);
  DrawEqGrid();
  eqshared::DrawGridCurve(Image6->canvas(), Eq, EqCurve, forms::clRed, forms::psSolid, 2);
}

void TForm7::DrawEqGrid() {
  forms::Canvas& plot = Image6->canvas();
  eqshared::DrawPlotRectangle(plot, forms::clBlack, 1);
  if (Eq.GridCount == 0) ResetEqCurve();
  eqshared::DrawCoarseLevelLines(plot, Eq, forms::cl3DLight);
  eqshared::DrawFrequencyLines(plot, Eq, forms::cl3DLight);
  eqshared::DrawPlotRectangle(Image5->canvas(), forms::clBlue, 5);
}

}  // namespace vondrix
