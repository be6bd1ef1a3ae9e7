// The precision of every point of an adjusted chain: mx, my, mp and the error ellipse, from the
// cofactors of the point's coordinates as functions of the adjusted angles (classical_cofactors.h)
// and the unit-weight mean error, in time linear in n.
#pragma once

#include <vector>

#include "adjust/adjustment_result.h"
#include "state/chain_state.h"

namespace chainadj {

struct PointPrecision {
  int point = 0;                      // chain point index
  double qxx = 0, qyy = 0, qxy = 0;   // cofactors, square metres per square second
  double mx = 0, my = 0, mp = 0;      // mean errors, metres
  double E = 0, F = 0;                // semi-axes of the error ellipse, metres
  double azimuthOfE = 0;              // degrees, 0 <= phi < 180
};

// The listed points 1..lastListedPoint of the result, in order, with the unit-weight mean error
// of the result. The chain holds the adjusted angles.
std::vector<PointPrecision> pointPrecisions(const ChainState& chain, const AdjustmentResult& result);

// The mean errors and the ellipse of a point from its cofactors and the unit-weight mean error.
PointPrecision fromCofactors(int point, double qxx, double qyy, double qxy, double meanError);

}  // namespace chainadj
