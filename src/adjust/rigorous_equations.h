// The observation equations of the adjustment by coordinates at given coordinates: the value an
// equation computes and its gradient with respect to X and Y of its points.
#pragma once

#include <array>
#include <vector>

#include "adjust/rigorous_network.h"

namespace chainadj {

// The chain points as reference coordinates (the approximations) and offsets from them. A
// difference between two points is the difference of their references, the same in every
// iteration, plus that of their offsets, which are small: so the misclosures do not wander by
// the rounding of coordinates of ten thousand kilometres from one iteration to the next.
struct ChainCoordinates {
  std::vector<double> X, Y;    // references, metres
  std::vector<double> dX, dY;  // offsets, metres

  explicit ChainCoordinates(const RigorousNetwork& net);
  double x(int point) const { return X[static_cast<std::size_t>(point)] + dX[static_cast<std::size_t>(point)]; }
  double y(int point) const { return Y[static_cast<std::size_t>(point)] + dY[static_cast<std::size_t>(point)]; }
  double differenceX(int from, int to) const;
  double differenceY(int from, int to) const;
};

struct Linearised {
  double value = 0;                   // radians or metres
  std::array<int, 3> points{};        // the chain points of the gradient
  std::array<double, 6> gradient{};   // d value / d X, d value / d Y of each point, in order
  int pointCount = 0;
};

// Angle k (0 A, 1 B, 2 C) of triangle i: its magnitude at the coordinates, the gradient over the
// triangle's three vertices (in the order A, B, C).
Linearised triangleAngle(const RigorousNetwork& net, const ChainCoordinates& at, int i, int k);

// An end equation: the gradient over its two points.
Linearised endEquation(const EndEquation& equation, const ChainCoordinates& at);

// Observed minus computed, an angle or azimuth brought into [-pi, pi).
double misclosure(Measure measure, double observed, double computed);

}  // namespace chainadj
