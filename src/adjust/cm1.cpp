// Cm1: a chain with bases and azimuths at both ends. From A along the start side Sa with the
// azimuth Ta + Qa to B, closing on the base Sb and the azimuth Tb: azimuth, side, X and Y
// conditions, the orientation angles Qa and Qb taken as observations.
#include "adjust/oriented_chain.h"
#include "adjust/procedures.h"

namespace chainadj {

void Cm1(ChainState& chain, Platform& platform, AdjustmentResult& result) {
  adjustChainOrientedAtBothEnds(chain, fromAToB(chain), {}, platform, result);
}

}  // namespace chainadj
