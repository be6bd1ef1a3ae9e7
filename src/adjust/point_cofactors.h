// The cofactors of the X and Y of a point, or of the coordinate differences of a side.
#pragma once

namespace chainadj {

// Square metres per square second of unit weight: the covariance is m0² times them.
struct PointCofactors {
  double xx = 0, xy = 0, yy = 0;
};

}  // namespace chainadj
