#include "adjust/chain_ends.h"

namespace chainadj {

RouteStart ChainEnds::routeStart(const ChainState& chain) const {
  if (start == FirstTurn::AtKnownPoint) {
    return {FirstTurn::AtKnownPoint, chain.Xc, chain.Yc, startSide, chain.Ta};
  }
  return {FirstTurn::AtNewPoint, chain.Xa, chain.Ya, startSide,
          firstAzimuthRule(chain.Ta + chain.Qa)};
}

CoordinateTarget ChainEnds::coordinateTarget(const ChainState& chain, const ChainPass& pass) const {
  const int n = chain.n;
  if (closingPoint == ClosingPoint::D) {
    return {chain.Xd, chain.Yd, pass.routeX(n), pass.routeY(n), n - 1};
  }
  return {chain.Xb, chain.Yb, pass.routeX(n + 1), pass.routeY(n + 1), n};
}

int ChainEnds::lastListedPoint(int triangles) const {
  return closingPoint == ClosingPoint::D ? triangles : triangles + 1;
}

ChainEnds fromAToB(const ChainState& chain) {
  ChainEnds ends;
  ends.startSide = chain.Sa;
  return ends;
}

ChainEnds fromCToB(const ChainState& chain) {
  ChainEnds ends = fromAToB(chain);
  ends.start = FirstTurn::AtKnownPoint;
  return ends;
}

ChainEnds fromCToD(const ChainState& chain) {
  ChainEnds ends = fromCToB(chain);
  ends.closingAzimuth = ClosingAzimuth::AlongLastSide;
  ends.closingPoint = ClosingPoint::D;
  return ends;
}

}  // namespace chainadj
