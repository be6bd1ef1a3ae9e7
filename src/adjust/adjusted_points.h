// The plane coordinates of every chain point after an adjustment, points 0..n+1: the final pass's
// points, with point 0 the start point A also where the pass started at the known point C.
#pragma once

#include <vector>

#include "adjust/adjustment_result.h"
#include "state/chain_state.h"

namespace chainadj {

struct PlanePoints {
  std::vector<double> X, Y;  // metres
};

PlanePoints adjustedPoints(const ChainState& chain, const AdjustmentResult& result);

}  // namespace chainadj
