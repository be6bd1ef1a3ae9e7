// An independent adjustment by coordinates for checking the sparse engine: the same model (the
// plane coordinates of the new points as unknowns; the triangle angles, the orientation of the
// start and closing sides and the bases as observations) written the plain way, from the true
// chain's description rather than from the run: every observation a function of the points in
// degrees or metres, its Jacobian by numerical differentiation, dense normal equations, a dense
// inverse for every cofactor, Q_vv = Q_ll - J Q_xx J'.
#pragma once

#include <string>
#include <vector>

#include <Eigen/Dense>

#include "surveyed_chain.h"
#include "true_chain.h"

namespace chainadj::testing {

struct DenseSettings {
  double angleSeconds = 2.5;  // mβ
  double azimuthSeconds = 0;  // mα of a typed azimuth
  double baseMillimetres = 0;  // of a typed base; 0 holds it with 1e8 times an angle's weight
};

struct DenseObservation {
  std::string kind;      // "A" .. "Sb", "Ta+Qa" and "Tb-Qb" for the orientation of a side
  int triangle = 0;
  double correction = 0;  // computed minus observed: seconds, or metres
  double redundancy = 0;
};

struct DenseAdjustment {
  std::vector<Point> points;     // 0..n+1
  std::vector<int> unknownOf;    // the index of a point's X (its Y follows), -1 when known
  Eigen::MatrixXd cofactors;     // of the unknowns, square metres per square second
  std::vector<DenseObservation> observations;  // A(1), B(1), C(1), ..., then the ends
  double m0 = 0;                 // seconds
  int redundancy = 0;

  // The cofactors xx, xy, yy of the difference `to` minus `from` (a known point has none).
  Eigen::Matrix2d differenceCofactors(int from, int to) const;
  Eigen::Matrix2d pointCofactors(int point) const { return differenceCofactors(-1, point); }
};

DenseAdjustment adjustDensely(const SurveyedChain& chain, const ChainAngles& observed,
                              const DenseSettings& settings);

}  // namespace chainadj::testing
