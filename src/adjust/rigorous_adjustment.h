// The adjustment by coordinates (严密平差) of a chain of any selection row: least squares with
// X and Y of every unknown point as the unknowns and the observations of its network (see
// rigorous_network.h), linearised at the classical procedure's adjusted chain and iterated by
// Gauss-Newton until no coordinate changes by 0.01 mm (at most 20 iterations). The normal
// equations are sparse and solved by Eigen's sparse LDL' factor with a fill-reducing (AMD)
// ordering; the cofactors of every point, of every side and of every correction come from the
// selected inverse of that factor (never a dense inverse). Time and memory linear in the chain.
#pragma once

#include <optional>
#include <vector>

#include "adjust/adjustment_result.h"
#include "adjust/point_cofactors.h"
#include "adjust/rigorous_network.h"
#include "adjust/triangle_vertices.h"
#include "state/chain_state.h"

namespace chainadj {

struct RigorousObservation {
  ObservationKind kind = ObservationKind::A;
  int triangle = 0;         // 1..n for a triangle angle, 0 for an observation at an end
  double observed = 0;      // as the run holds it: decimal degrees (C, Qa, Qb signed), or metres
  // Seconds, or metres for a base: the correction of the value's magnitude, so that the
  // adjusted value is observed + sign(observed) * correction (a triangle's three corrections
  // sum to -w).
  double correction = 0;
  double meanError = 0;     // a-priori: seconds, or metres; 0 for a constraint
  double redundancy = 0;    // redundancy number r_i, 0..1; 0 for a constraint
  // Standardised correction w_i = v_i / (σ0 sqrt(q_vv,i)); none for a constraint or an
  // observation that the others do not check (r_i about 0).
  std::optional<double> w;
  bool constraint = false;  // free of error: held by a weight 1e8 times an angle's
};

struct SideCofactors {
  ChainSide side;
  // cov(from, to) / m0²: X of `from` with X and Y of `to`, Y of `from` with X and Y of `to`.
  double xx = 0, xy = 0, yx = 0, yy = 0;
  PointCofactors difference;  // of the coordinate differences `to` minus `from`
};

struct RigorousSolution {
  std::vector<double> X, Y;             // chain points 0..n+1 adjusted; known points as given
  std::vector<bool> known;              // 0..n+1
  std::vector<PointCofactors> points;   // 0..n+1; zero for a known point
  std::vector<SideCofactors> sides;     // every side of every triangle, in chainSides' order
  // A(1), B(1), C(1), A(2), ... C(n), then the observations at the ends in the order Qa or Ta
  // (and Ta with an error), Qb or Tb (and Tb), Sa, Sb, as the row has them.
  std::vector<RigorousObservation> observations;
  int redundancy = 0;      // r: equations minus unknowns
  double sigma0 = 0;       // a-priori unit-weight mean error mβ, seconds
  double pvv = 0;          // [pvv], square seconds (an angle's weight is 1)
  double m0 = 0;           // a-posteriori unit-weight mean error sqrt([pvv]/r), seconds
  int iterations = 0;      // Gauss-Newton iterations, each a factorisation
  bool converged = false;  // the last iteration moved no coordinate by 0.01 mm
  double lastChange = 0;   // largest coordinate change of the last iteration, metres
};

// The chain holds the run's typed observations; `classical` is the classical procedure's result
// of the same run (its adjusted chain gives the approximations and the route), `row` its
// selection row 1..10. Singular geometry or non-finite numbers stop with a ChainError; an
// adjustment that does not converge in 20 iterations is returned with converged = false
// (rigorousNotConvergedMessage says so).
RigorousSolution adjustByCoordinates(const ChainState& chain, int row,
                                     const AdjustmentResult& classical,
                                     const RigorousSettings& settings);

}  // namespace chainadj
