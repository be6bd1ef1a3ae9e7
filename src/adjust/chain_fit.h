// A chain computed from an assumed start side and brought onto the known points A and B: its
// scale from the distance A-B, and for a chain without any orientation its direction as well.
#pragma once

#include "adjust/chain_pass.h"
#include "state/chain_state.h"

namespace chainadj {

// The start side assumed before the scale is known, metres.
inline constexpr double kAssumedStartSide = 1000.0;
// The start azimuth assumed for a chain without orientation, degrees.
inline constexpr double kAssumedStartAzimuth = 90.0;

// L0/L1: L0 the distance A-B, L1 the distance from A to the end point of the pass. A chain whose
// end falls on A, or A on B, stops the run.
double scaleOntoAB(const ChainState& chain, const ChainPass& pass);

// The turn in degrees that brings the direction from A to the end of the pass onto the
// direction A-B: the azimuth A-B minus the azimuth of the computed end.
double rotationOntoAB(const ChainState& chain, const ChainPass& pass);

// Every side times `factor`, the points placed again from `start` with the same azimuths.
void scalePass(ChainPass& pass, double factor, const RouteStart& start, double rho);

}  // namespace chainadj
