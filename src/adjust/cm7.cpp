// Cm7: a chain from A to B oriented by the orientation points E, seen from A, and F, seen from B:
// the start azimuth is the direction A-E, the closing azimuth the direction B-F, and the typed
// bases Sa and Sb close the sides. From there it is Cm1: azimuth, side, X and Y conditions with
// Qa and Qb as observations. Text11 and Text12 show the distances A-E and B-F.
#include "adjust/chain_requirements.h"
#include "adjust/orientation_points.h"
#include "adjust/oriented_chain.h"
#include "adjust/procedures.h"
#include "state/form_fields.h"

namespace chainadj {

void Cm7(ChainState& chain, Platform& platform, AdjustmentResult& result) {
  requireStartBase(chain);
  requireClosingBase(chain);
  showDistance(platform, box::kStartSide, orientStartByE(chain));
  showDistance(platform, box::kClosingSide, orientClosingByF(chain));
  adjustChainOrientedAtBothEnds(chain, fromAToB(chain), {}, platform, result);
}

}  // namespace chainadj
