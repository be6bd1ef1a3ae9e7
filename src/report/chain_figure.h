// The to-scale drawing of an adjusted chain, as far as it does not depend on how it is drawn:
// the extent of the points it shows, the round scale 1:N at which it fits a frame of paper and
// the round length of its scale bar.
#pragma once

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

// Point names are written into the drawing only while there are few enough to be read.
inline constexpr int kMostNamedPoints = 300;

}  // namespace chainadj
