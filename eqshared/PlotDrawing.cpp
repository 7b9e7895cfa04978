#include "eqshared/PlotDrawing.h"

#include <QPoint>
#include <algorithm>
#include <cstddef>
#include <vector>

namespace eqshared {

namespace {

void SetPen(forms::Canvas& canvas, forms::TColor color, forms::PenStyle style, int width) {
  canvas.pen.width = width;
  canvas.pen.style = style;
  canvas.pen.color = color;
}

int Width(const forms::Canvas& canvas) {
  return canvas.target()->width();
}
int Height(const forms::Canvas& canvas) {
  return canvas.target()->height();
}

}  // namespace

void DrawGridCurve(forms::Canvas& canvas, const EqGrid& grid, std::span<const double> values,
                   forms::TColor color, forms::PenStyle style, int width) {
  SetPen(canvas, color, style, width);
  if (grid.GridCount <= 0) return;
  const int W = Width(canvas), H = Height(canvas);
  const std::size_t count = std::min<std::size_t>(grid.GridCount, values.size());
  std::vector<QPoint> points;
  points.reserve(count);
  for (std::size_t i = 0; i < count; ++i)
    points.emplace_back(PlotX(grid.GridFrequency[i], W), PlotY(values[i], H, grid));
  canvas.polyline(points);
}

void DrawBandCurve(forms::Canvas& canvas, const EqGrid& levels, std::span<const FinePoint> points,
                   forms::TColor color, forms::PenStyle style, int width) {
  SetPen(canvas, color, style, width);
  const int W = Width(canvas), H = Height(canvas);
  std::vector<QPoint> line;
  line.reserve(points.size());
  for (const FinePoint& p : points) {
    const double f = p.frequency == 0 ? 1 : p.frequency;  // log10 taken as 0
    line.emplace_back(PlotX(f, W), PlotY(p.level, H, levels));
  }
  canvas.polyline(line);
}

void DrawLevelLine(forms::Canvas& canvas, const EqGrid& grid, double level, forms::TColor color,
                   forms::PenStyle style, int width) {
  SetPen(canvas, color, style, width);
  if (grid.GridCount <= 0) return;
  const int W = Width(canvas), y = PlotY(level, Height(canvas), grid);
  canvas.polyline({{PlotX(20, W), y}, {PlotX(24000, W), y}});
}

void DrawCoarseLevelLines(forms::Canvas& canvas, const EqGrid& grid, forms::TColor color) {
  const double e = PlotMargin(grid);
  for (int L = -25; L <= 25; L += 5) {
    if (-(e - 4) < L && L < e - 4) DrawLevelLine(canvas, grid, L, color, forms::psSolid, 1);
  }
}

void DrawFrequencyLines(forms::Canvas& canvas, const EqGrid& levels, forms::TColor color) {
  canvas.pen.style = forms::psSolid;
  canvas.pen.color = color;
  const int W = Width(canvas), H = Height(canvas);
  const double e = PlotMargin(levels);
  const int top = PlotY(e, H, levels), bottom = PlotY(-e, H, levels);
  const struct {
    int from, to, step;
  } runs[] = {{30, 90, 10}, {100, 900, 100}, {1000, 9000, 1000}, {10000, 20000, 10000}};
  for (const auto& run : runs) {
    for (int f = run.from; f <= run.to; f += run.step) {
      const int x = PlotX(f, W);
      canvas.moveTo(x, top);
      canvas.lineTo(x, bottom);
    }
  }
}

void DrawPlotRectangle(forms::Canvas& canvas, forms::TColor penColor, int penWidth) {
  SetPen(canvas, penColor, forms::psSolid, penWidth);
  canvas.brush.color = forms::clBlack;
  canvas.brush.style = forms::bsSolid;
  canvas.rectangle(0, 0, Width(canvas), Height(canvas));
}

}  // namespace eqshared
