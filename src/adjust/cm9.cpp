// Cm9: a chain from the known point C (point 1), whose start side runs from C to A, to B, closed
// by the side Sb and the azimuth B-F through Qb. Azimuth, side, X and Y conditions; the first
// triangle turns about C and the orientation angles are not observations (Qa is not used).
#include "adjust/chain_requirements.h"
#include "adjust/oriented_chain.h"
#include "adjust/procedures.h"

namespace chainadj {

void Cm9(ChainState& chain, Platform& platform, AdjustmentResult& result) {
  requireClosingBase(chain);
  adjustChainOrientedAtBothEnds(chain, fromCToB(chain), {.orientationObserved = false}, platform,
                                result);
}

}  // namespace chainadj
