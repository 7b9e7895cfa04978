#include "calyxon/files/SmallOutputs.h"

#include "calyxon/eq/ManualEq.h"
#include "calyxon/files/TextNumbers.h"

namespace calyxon {

namespace {

double CurveLevel(const EqDesign& design, CurveFileKind kind, int i) {
  switch (kind) {
    case CurveFileKind::Target:
      return design.TargetCurve[i];
    case CurveFileKind::TargetPlusManualEq:
      return design.BandSumCurve[i] + design.SourceCurve[i];
    case CurveFileKind::ManualEq:
      break;
  }
  double sum = 0;
  for (int b = kFirstManualBand; b < kBandCount; ++b) sum += design.BandResponse[b][i];
  return sum;
}

}  // namespace

std::string CurveFileText(const EqDesign& design, CurveFileKind kind) {
  std::string text;
  AppendInteger(text, design.GridCount);
  text += kLineEnd;
  for (int i = 0; i < design.GridCount; ++i) {
    text += ' ';
    AppendFixed(text, design.GridFrequency[i]);
    text += ',';
    AppendFixed(text, CurveLevel(design, kind, i));
    text += kLineEnd;
  }
  return text;
}

std::string BandListText(const EqDesign& design) {
  std::string text;
  for (int b = 0; b < kBandCount; ++b) {
    for (const double value : {design.BandFc[b], design.BandBw[b], design.BandGain[b]}) {
      AppendFixed(text, value);
      text += ' ';
    }
    text += kLineEnd;
  }
  return text;
}

}  // namespace calyxon
