// The closures of the second-group conditions, computed minus known, from the provisional pass.
#pragma once

#include "adjust/chain_ends.h"
#include "adjust/chain_pass.h"
#include "state/chain_state.h"

namespace chainadj {

// The computed closing azimuth Tc, decimal degrees: T(n+1) + Qb + 180 brought into range at B,
// or T(n+1) itself along the last side.
double computedClosingAzimuth(const ChainState& chain, const ChainPass& provisional,
                              ClosingAzimuth closing);

// Azimuth closure in seconds: Tc - Tb wrapped into [-180, 180) degrees before it is turned into
// seconds, so that a chain closing near north gives a few seconds, not a full circle.
double azimuthClosureSeconds(double computedAzimuth, double knownAzimuth);

// Sum over the triangles of log sin A(i) - log sin B(i), common logarithms formed as
// ln x / 2.302585093. A sine that is not positive stops the run.
double logSineSum(const ChainState& chain);

// Side closure in units of the sixth decimal: (log S(1) + L - log Sk) * 1000000, S(1) the start
// side and Sk the known closing side, metres. A side that is not positive stops the run.
double sideClosureUnits(double startSide, double closingSide, double logSines);

}  // namespace chainadj
