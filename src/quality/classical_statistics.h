// The unit-weight statistics of a classical adjustment (the first group of triangle closures,
// then the second group of the procedure), from its own corrections: every angle of triangle i
// gets v′ = −w(i)/3 from the first group and v″ from the second, the orientation angles Qa and Qb
// their v″ where the procedure observed them; [pvv] = Σ(v′ + v″)² with the weight of an angle as
// the unit, r = n triangle conditions + the second-group conditions.
#pragma once

#include "adjust/adjustment_result.h"
#include "quality/global_test.h"
#include "state/chain_state.h"

namespace chainadj {

// The first-group correction of each angle of triangle i (1..n), seconds: −w(i)/3.
double firstGroupCorrection(const ChainState& chain, int i);

// The second-group correction of column k (0 Qa, 3i−2 .. 3i the angles of triangle i, 3n+1 Qb),
// seconds; 0 where the procedure had no second group.
double secondGroupCorrection(const AdjustmentResult& result, int column);

// [pvv], r and m0 of the run with the global test against `sigma0` (seconds).
UnitWeightStatistics classicalStatistics(const ChainState& chain, const AdjustmentResult& result,
                                         double sigma0);

}  // namespace chainadj
