// A chain oriented at both ends: an azimuth condition and the two coordinate conditions, the
// side condition when the chain has a closing base, and the weakest side in the middle of the
// chain; then the common course to the listing. The chains that start from A, from C, close at B
// or at D differ only in their ends, in whether the orientation angles are observations and in
// whether there is a closing base.
#pragma once

#include "adjust/adjustment_result.h"
#include "adjust/chain_ends.h"
#include "state/chain_state.h"
#include "state/platform.h"

namespace chainadj {

struct OrientedChain {
  bool closingBase = true;          // side condition; without it Text14 says there is no base
  bool orientationObserved = true;  // Qa and Qb as observations of the conditions
};

void adjustChainOrientedAtBothEnds(ChainState& chain, const ChainEnds& ends,
                                   const OrientedChain& kind, Platform& platform,
                                   AdjustmentResult& result);

}  // namespace chainadj
