// The ends of a chain: where it starts, what it closes on and which of its points are listed.
//
// A chain starts either from the known point A along the start side S(1) = Sa with the azimuth
// Ta + Qa (point 1 is the first new point), or at the known point C, chain point 1, whose side
// S(1) = Sa runs to A with the azimuth Ta; the first triangle then turns about C itself. It closes
// either at the known point B, the far end of the last side (every triangle carries the
// coordinate conditions), or at the known point D, chain point n, from which the last side runs
// to B (triangle n does not move D). Its closing azimuth is either that of the direction at B,
// T(n+1) + Qb + 180, or the azimuth of the last side itself, T(n+1).
#pragma once

#include "adjust/chain_pass.h"
#include "adjust/condition_rows.h"
#include "state/angles.h"
#include "state/chain_state.h"

namespace chainadj {

enum class ClosingAzimuth {
  ThroughQbAtB,  // Tc = T(n+1) + Qb + 180: the direction at B through the orientation angle Qb
  AlongLastSide,  // Tc = T(n+1): the closing azimuth is that of the last side, from D to B
};

enum class ClosingPoint {
  B,  // the far end of the last side, point n+1
  D,  // chain point n
};

struct ChainEnds {
  FirstTurn start = FirstTurn::AtNewPoint;
  AzimuthRule firstAzimuthRule = rangeRule;  // brings T(1) = Ta + Qa into range (start from A)
  double startSide = 0;                      // S(1), metres
  ClosingAzimuth closingAzimuth = ClosingAzimuth::ThroughQbAtB;
  ClosingPoint closingPoint = ClosingPoint::B;

  // The start of a pass with the chain's current Ta and Qa.
  RouteStart routeStart(const ChainState& chain) const;
  // The known point the coordinate conditions close on, where the pass put it, and how many
  // triangles move it.
  CoordinateTarget coordinateTarget(const ChainState& chain, const ChainPass& pass) const;
  // The listing shows points 1..lastListedPoint.
  int lastListedPoint(int triangles) const;
};

// From A along Sa to B.
ChainEnds fromAToB(const ChainState& chain);
// From the known point C (point 1) along Sa towards A, to B.
ChainEnds fromCToB(const ChainState& chain);
// From the known point C to the known point D (point n), whose last side runs to B.
ChainEnds fromCToD(const ChainState& chain);

}  // namespace chainadj
