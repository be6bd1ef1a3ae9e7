#include "adjust/adjusted_points.h"

namespace chainadj {

PlanePoints adjustedPoints(const ChainState& chain, const AdjustmentResult& result) {
  PlanePoints points{result.points.X, result.points.Y};
  if (result.start == FirstTurn::AtKnownPoint && !points.X.empty()) {
    // The pass starts at C; point 0 is A, the far end of the start side.
    points.X[0] = chain.Xa;
    points.Y[0] = chain.Ya;
  }
  return points;
}

}  // namespace chainadj
