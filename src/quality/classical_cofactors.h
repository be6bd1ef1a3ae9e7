// The cofactors of the classical procedures' points and sides as functions of the adjusted
// angles: Q = f*'f* - (Af)' N^-1 (Af), f the gradient of a coordinate per second of angle, f*
// the same with each triangle's mean taken out (the triangle conditions of the first group), A
// the rows of the procedure's second-group conditions and N = AA'. The rows are the gradients of
// the conditions' functions at the adjusted chain, as f is: the rows the procedure solved with,
// taken at the provisional chain and with its rounded constants, differ from them by what the
// provisional chain differs from the adjusted one, and with them the computed closing point kept
// a variance it cannot have (an ellipse of 0.01 mm at B after 1 000 triangles, of 0.5 mm after
// 10 000).
//
// A change of triangle i's angles turns and scales the whole chain beyond it about its route
// point P_i: point m > i moves by (z_m - P_i) w, in complex numbers, w the triangle's turn and
// scale per second. The sums that make up f'f and Af are sums over the triangles of products of
// a few numbers per angle (its turn and scale, P_i w) with coefficients of the point: they are
// accumulated along the chain once, and the whole chain costs time linear in n.
//
// Taken from A, those sums grow with the cube of the distance from A, and the cofactors near the
// closing end are small differences of large numbers. Any multiple of a condition's row may be
// taken out of f without changing Q (the projection removes it), so a point is also taken from
// the point the coordinate conditions close on: f less that point's gradient is small near it,
// and its sums are accumulated from that end. Each point takes the form whose sums are smaller.
// A fitted chain is fitted onto B, and its part beyond a point is summed from B as well. A side's
// coordinate difference needs only the triangles that move its two ends differently, summed
// directly.
#pragma once

#include <optional>
#include <vector>

#include "adjust/adjustment_result.h"
#include "adjust/point_cofactors.h"
#include "adjust/triangle_vertices.h"
#include "state/chain_state.h"

namespace chainadj {

// The cofactors of the listed points 1..lastListedPoint of the result, in order. The chain
// holds the adjusted angles.
std::vector<PointCofactors> classicalPointCofactors(const ChainState& chain,
                                                    const AdjustmentResult& result);

// The cofactors of the coordinate differences of the sides (`to` minus `from`); nullopt for a
// side between two known points (A, B, C, D).
std::vector<std::optional<PointCofactors>> classicalSideCofactors(
    const ChainState& chain, const AdjustmentResult& result, const std::vector<ChainSide>& sides);

}  // namespace chainadj
