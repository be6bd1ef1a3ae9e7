// The common course of a chain that starts at A along Sa with the azimuth Ta + Qa, once its
// second-group conditions and weight function are set: the reciprocal weight and the
// correlates, the corrections written into the chain, the precision figures, the final pass with
// the adjusted angles and Qa, and the listing of points 1..n+1.
#pragma once

#include "adjust/chain_pass.h"
#include "adjust/second_group.h"
#include "state/chain_state.h"
#include "state/platform.h"

namespace chainadj {

void adjustFromAAndList(const SecondGroup& group, ChainState& chain, const ChainPass& provisional,
                        Platform& platform);

}  // namespace chainadj
