// Cm2: a chain with a start base and azimuths at both ends but no closing base. Cm1 without the
// side condition: azimuth, X and Y conditions; the side-closure box says there is no base.
#include "adjust/oriented_chain.h"
#include "adjust/procedures.h"

namespace chainadj {

void Cm2(ChainState& chain, Platform& platform, AdjustmentResult& result) {
  adjustChainOrientedAtBothEnds(chain, fromAToB(chain), {.closingBase = false}, platform, result);
}

}  // namespace chainadj
