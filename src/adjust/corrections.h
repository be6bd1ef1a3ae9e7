// The second-group corrections and their application to the chain.
#pragma once

#include <vector>

#include "adjust/second_group.h"
#include "state/chain_state.h"

namespace chainadj {

// v(k) = K(1) a(1, k) + K(2) a(2, k) + ..., in seconds, for every column 0..3n+1.
std::vector<double> secondGroupCorrections(const SecondGroup& group,
                                           const std::vector<double>& correlates);

// Applies the corrections to the chain: Qa + Sg(0) v(0)/3600 (v(0) corrects the absolute value
// of Qa), A(i), B(i), C(i) + v/3600; Qb keeps its value, its correction only counts in the sum.
// Returns vv, the sum of the squares of all corrections in square seconds.
double applyCorrections(const std::vector<double>& corrections, ChainState& chain);

}  // namespace chainadj
