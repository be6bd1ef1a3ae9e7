// The to-scale drawing of an adjusted chain, as far as it does not depend on how it is drawn:
// the extent of the points it shows, the round scale 1:N at which it fits a frame of paper, the
// round length of its scale bar and the round magnification of the error ellipses.
#pragma once

#include <vector>

#include "report/run_report.h"

namespace chainadj {

// The north-south (X) and east-west (Y) extent, metres.
struct FigureExtent {
  double minX = 0, maxX = 0, minY = 0, maxY = 0;

  double down() const { return maxX - minX; }
  double across() const { return maxY - minY; }
  double centreX() const { return (minX + maxX) / 2; }
  double centreY() const { return (minY + maxY) / 2; }
};

// Every chain point 0..n+1 and every known point; never less than kSmallestFigureExtent across
// and down, so that a degenerate chain still has a scale.
FigureExtent figureExtent(const RunReport& report);
inline constexpr double kSmallestFigureExtent = 1.0;  // metres

// The smallest round scale 1:N, N one of 1, 2, 2.5 or 5 times a power of ten, at which an extent
// of `metresAcross` by `metresDown` fits a frame of `widthMm` by `heightMm` millimetres.
double roundScaleDenominator(double metresAcross, double metresDown, double widthMm,
                             double heightMm);

// The longest round length (1, 2 or 5 times a power of ten metres) not above `longestMetres`.
double roundBarLength(double longestMetres);

// The error ellipses of the new points are drawn magnified so that the largest is about this
// long on paper (its semi-major axis), nor longer than this share of the mean side.
inline constexpr double kLargestEllipseMm = 5.0;
inline constexpr double kLargestEllipseShareOfSide = 0.3;

// The round magnification (1, 2 or 5 times a power of ten, at least 1) of the error ellipses on
// a drawing at 1:denominator: the largest magnification at which the largest ellipse keeps
// within kLargestEllipseMm and kLargestEllipseShareOfSide of the mean side of the triangles.
// 0 when no new point has an ellipse (an error-free chain): none is drawn.
double ellipseMagnification(const RunReport& report, double denominator);

// Point names are written into the drawing only while there are few enough to be read.
inline constexpr int kMostNamedPoints = 300;

// The mean length of the sides of the triangles, metres; 0 without triangles.
double meanSideLength(const RunReport& report);

// The largest semi-axis E of a new point's ellipse, metres, and its point; point -1 for none.
struct LargestEllipse {
  int point = -1;
  double E = 0;
};
LargestEllipse largestEllipse(const RunReport& report);

// A drawing of the whole chain is legible while its mean side is at least this long on paper;
// a longer chain is drawn on sheets along it as well, each at a round scale at which its mean
// side is about kSheetSideMm.
inline constexpr double kLegibleSideMm = 8.0;
inline constexpr double kSheetSideMm = 16.0;

// The round scale 1:N of the chain's drawing on a frame of `widthMm` by `heightMm` millimetres:
// that of the whole chain where it can be read there, else that of its sheets (chainSheets).
double drawingDenominator(const RunReport& report, double widthMm, double heightMm);

// A sheet of the drawing along the chain (分幅): the chain points first..last at 1:denominator.
struct ChainSheet {
  int number = 0;  // 1, 2, ...
  int firstPoint = 0, lastPoint = 0;
  FigureExtent extent;  // of its points, metres
  double denominator = 0;
};

// The sheets of a chain whose drawing on a frame of `widthMm` by `heightMm` would be too small
// to read; none when the whole chain is legible there. Each sheet begins a triangle before the
// last one drawn on the sheet before it, so that every triangle is whole on one sheet.
std::vector<ChainSheet> chainSheets(const RunReport& report, double widthMm, double heightMm);

}  // namespace chainadj
