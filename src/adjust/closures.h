// The closures of the second-group conditions, computed minus known, from the provisional pass.
#pragma once

#include "adjust/chain_pass.h"
#include "state/chain_state.h"

namespace chainadj {

// Computed closing azimuth Tc = T(n+1) + Qb + 180, brought into range by `closingRule`.
double computedClosingAzimuth(const ChainState& chain, const ChainPass& provisional,
                              AzimuthRule closingRule);

// Azimuth closure in seconds: Tc - Tb wrapped into [-180, 180) degrees before it is turned into
// seconds, so that a chain closing near north gives a few seconds, not a full circle.
double azimuthClosureSeconds(double computedAzimuth, double knownAzimuth);

// Sum over the triangles of log sin A(i) - log sin B(i), common logarithms formed as
// ln x / 2.302585093. A sine that is not positive stops the run.
double logSineSum(const ChainState& chain);

// Side closure in units of the sixth decimal: (log Sa + L - log Sb) * 1000000. A side that is
// not positive stops the run.
double sideClosureUnits(const ChainState& chain, double logSines);

}  // namespace chainadj
