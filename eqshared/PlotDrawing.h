// Drawing response plots on a picture's canvas with the mapping of PlotMapping.h: W and H are
// the canvas picture's width and height at the time of drawing.
//
// The curve primitives set the canvas pen's colour, style and width before they draw and leave
// them so; frame steps that set only some of them (DrawFrequencyLines) rely on that.
#pragma once

#include <span>

#include "eqshared/PlotMapping.h"
#include "forms/Canvas.h"

namespace eqshared {

// One polyline through the first GridCount points (grid frequency, value of the same index).
// Draws nothing while GridCount is 0.
void DrawGridCurve(forms::Canvas& canvas, const EqGrid& grid, std::span<const double> values,
                   forms::TColor color, forms::PenStyle style, int width);

// One polyline through the points; a point at exactly 0 Hz stands at 1 Hz (left of the plot).
void DrawBandCurve(forms::Canvas& canvas, const EqGrid& levels, std::span<const FinePoint> points,
                   forms::TColor color, forms::PenStyle style, int width);

// A horizontal line at the level from x(20 Hz) to x(24 kHz). Draws nothing while GridCount
// is 0.
void DrawLevelLine(forms::Canvas& canvas, const EqGrid& grid, double level, forms::TColor color,
                   forms::PenStyle style, int width);

// The frame's coarse level lines: for L = -25, -20, ..., 25, when -(e - 4) < L < e - 4, a level
// line at L, solid, width 1 (-20..20 dB when e is 25).
void DrawCoarseLevelLines(forms::Canvas& canvas, const EqGrid& grid, forms::TColor color);

// The frame's frequency lines at 30..90 Hz, 100..900 Hz, 1000..9000 Hz, 10000 and 20000 Hz,
// each from y(+e) to y(-e): pen style solid and the colour; the width stays as it was.
void DrawFrequencyLines(forms::Canvas& canvas, const EqGrid& levels, forms::TColor color);

// Pen solid in the colour and width, brush black, rectangle (0, 0)-(W, H): blacks a plot or,
// on a frame picture behind it, draws its rim.
void DrawPlotRectangle(forms::Canvas& canvas, forms::TColor penColor, int penWidth);

}  // namespace eqshared
