// A pass through the chain: sides by the sine rule, azimuths by the interval angles, and the
// coordinates of the chain points.
//
// Side S(1) is the start side. Triangle i turns at its route point, the vertex of its interval
// angle C(i): side S(i+1), opposite the distance angle A(i), starts there and ends at chain
// point i+1, and S(i+1) = S(i) sin A(i) / sin B(i). When the sign of C(i) differs from that of
// C(i-1) the route moves on to point i, the far end of side S(i), and the new azimuth turns from
// the back azimuth: T(i+1) = T(i) + Sg(i) C(i) + 180 (range rule negative first). When the signs
// are equal the route stays where it was, fanning about the same point, and
// T(i+1) = T(i) + Sg(i) C(i) (range rule). The route point is kept by its index, so a fan of
// any length hangs every new side where the previous one started.
//
// The same pass serves as the provisional pass (received angles: the route points give the
// lever arms of the coordinate conditions and the far end gives the coordinate closures) and as
// the final pass (adjusted angles: the points are listed).
#pragma once

#include <vector>

#include "state/chain_state.h"

namespace chainadj {

using AzimuthRule = double (*)(double azimuthDegrees);

// An azimuth left as it is (a first azimuth that only enters sines and cosines).
double keepAzimuth(double azimuthDegrees);

enum class FirstTurn {
  AtNewPoint,    // S(1) runs from A to point 1; triangle 1 turns at point 1 from the back azimuth
  AtKnownPoint,  // point 1 is a known point and S(1) runs from it; triangle 1 turns about it
};

struct RouteStart {
  FirstTurn firstTurn = FirstTurn::AtNewPoint;
  double x = 0, y = 0;     // A (AtNewPoint) or the known point 1 (AtKnownPoint)
  double side = 0;         // S(1), metres
  double azimuth = 0;      // T(1), decimal degrees, already brought into range as wanted
};

struct ChainPass {
  std::vector<double> S, T;  // sides and their azimuths, 1..n+1 (element 0 unused)
  std::vector<double> X, Y;  // chain points: point j is the far end of side S(j); point 0 is A
                             // for a start from A and unused otherwise
  std::vector<int> route;    // route[i], i = 1..n: the point where side S(i+1) starts

  int triangles() const { return static_cast<int>(route.size()) - 1; }
  // Route point i: the point triangle i turns at (i = 1..n); i = n+1 gives the far end of the
  // last side, the computed closing point.
  double routeX(int i) const;
  double routeY(int i) const;
};

// The whole pass with the chain's current angles.
ChainPass runChainPass(const ChainState& chain, const RouteStart& start);

// Recomputes the points of a pass from its sides and azimuths (as after a change of scale).
void placePoints(ChainPass& pass, const RouteStart& start, double rho);

}  // namespace chainadj
