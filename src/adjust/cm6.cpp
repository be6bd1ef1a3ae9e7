// Cm6: a chain between the known points C (point 1) and D (point n), whose start side runs from C
// to A and whose last side from D to B. Azimuth, side, X and Y conditions; the azimuth closes
// along the last side D-B and the coordinates close at D; there are no orientation angles. The
// listing shows points 1..n, C to D.
#include "adjust/chain_requirements.h"
#include "adjust/oriented_chain.h"
#include "adjust/procedures.h"

namespace chainadj {

void Cm6(ChainState& chain, Platform& platform, AdjustmentResult& result) {
  requireChainBetweenCAndD(chain);
  adjustChainOrientedAtBothEnds(chain, fromCToD(chain), {.orientationObserved = false}, platform,
                                result);
}

}  // namespace chainadj
