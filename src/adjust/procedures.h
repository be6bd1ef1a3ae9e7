// The ten adjustment procedures. Each takes the chain as the run driver left it (angles already
// freed of their triangle closures), writes its results into the window through the platform and
// writes the adjusted angles, Qa and the sides back into the chain. A ChainError stops the run.
#pragma once

#include <array>

#include "state/chain_state.h"
#include "state/platform.h"

namespace chainadj {

using AdjustmentProcedure = void (*)(ChainState& chain, Platform& platform);

void Cm1(ChainState& chain, Platform& platform);   // bases and azimuths at both ends
void Cm2(ChainState& chain, Platform& platform);   // no closing base
void Cm3(ChainState& chain, Platform& platform);   // start side only, coordinate conditions
void Cm4(ChainState& chain, Platform& platform);   // assumed side, azimuths at both ends
void Cm5(ChainState& chain, Platform& platform);   // unoriented, fitted between A and B
void Cm6(ChainState& chain, Platform& platform);   // between known points C and D
void Cm7(ChainState& chain, Platform& platform);   // oriented by points E and F
void Cm8(ChainState& chain, Platform& platform);   // oriented by E, closing azimuth given
void Cm9(ChainState& chain, Platform& platform);   // from C with closing azimuth
void Cm10(ChainState& chain, Platform& platform);  // from C with closing side

// Cm1 .. Cm10 in the order of the selection rows.
using ProcedureTable = std::array<AdjustmentProcedure, 10>;
ProcedureTable adjustmentProcedures();

}  // namespace chainadj
