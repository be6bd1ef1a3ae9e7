// The ten adjustment procedures. Each takes the chain as the run driver left it (angles already
// freed of their triangle closures), writes its results into the window through the platform,
// writes the adjusted angles, Qa and the sides back into the chain and keeps what a report of the
// run needs in the result. A ChainError stops the run.
#pragma once

#include <array>

#include "adjust/adjustment_result.h"
#include "state/chain_state.h"
#include "state/platform.h"

namespace chainadj {

using AdjustmentProcedure = void (*)(ChainState& chain, Platform& platform,
                                     AdjustmentResult& result);

void Cm1(ChainState& chain, Platform& platform, AdjustmentResult& result);
void Cm2(ChainState& chain, Platform& platform, AdjustmentResult& result);
void Cm3(ChainState& chain, Platform& platform, AdjustmentResult& result);
void Cm4(ChainState& chain, Platform& platform, AdjustmentResult& result);
void Cm5(ChainState& chain, Platform& platform, AdjustmentResult& result);
void Cm6(ChainState& chain, Platform& platform, AdjustmentResult& result);
void Cm7(ChainState& chain, Platform& platform, AdjustmentResult& result);
void Cm8(ChainState& chain, Platform& platform, AdjustmentResult& result);
void Cm9(ChainState& chain, Platform& platform, AdjustmentResult& result);
void Cm10(ChainState& chain, Platform& platform, AdjustmentResult& result);

// A procedure for each of the ten selection rows, in row order.
using ProcedureTable = std::array<AdjustmentProcedure, 10>;

}  // namespace chainadj
