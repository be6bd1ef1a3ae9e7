// The precision of every point of an adjusted chain: mx, my, mp and the error ellipse, from the
// cofactors of the point's coordinates as functions of the adjusted angles,
// Q = f*'f* - (Af)' N^-1 (Af), f the gradient of a coordinate per second of angle, f* the same
// with each triangle's mean taken out (the triangle conditions of the first group), A the
// second-group rows as the procedure built them and N = AA'.
//
// A change of triangle i's angles turns and scales the whole chain beyond it about its route
// point: point m > i moves by (p_m - P_i) w_i, in complex numbers, with w_i the triangle's turn
// and scale per second. So the sums that make up f'f and Af for point m are sums over the
// triangles before m of quadratic and linear forms in P_i; they are accumulated along the chain
// once, and the whole chain costs time linear in n.
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
