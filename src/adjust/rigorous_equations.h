// The observation equations of the adjustment by coordinates at given coordinates: the value an
// equation computes and its gradient with respect to X and Y of its points.
#pragma once

#include <array>
#include <vector>

#include "adjust/rigorous_network.h"

namespace chainadj {

struct Linearised {
  double value = 0;                   // radians or metres
  std::array<int, 3> points{};        // the chain points of the gradient
  std::array<double, 6> gradient{};   // d value / d X, d value / d Y of each point, in order
  int pointCount = 0;
};

// Angle k (0 A, 1 B, 2 C) of triangle i: its magnitude at the coordinates, the gradient over the
// triangle's three vertices (in the order A, B, C).
Linearised triangleAngle(const RigorousNetwork& net, const std::vector<double>& X,
                         const std::vector<double>& Y, int i, int k);

// An end equation: the gradient over its two points.
Linearised endEquation(const EndEquation& equation, const std::vector<double>& X,
                       const std::vector<double>& Y);

// Observed minus computed, an angle or azimuth brought into [-pi, pi).
double misclosure(Measure measure, double observed, double computed);

}  // namespace chainadj
