// Cm2: a chain with a start base and azimuths at both ends but no closing base. Cm1 without the
// side condition: azimuth, X and Y conditions; the side-closure box says there is no base.
#include "adjust/adjustment_from_a.h"
#include "adjust/chain_pass.h"
#include "adjust/condition_rows.h"
#include "adjust/conditions.h"
#include "adjust/procedures.h"

namespace chainadj {

void Cm2(ChainState& chain, Platform& platform) {
  const ChainPass provisional = runChainPass(chain, startFromA(chain, rangeRule));

  SecondGroup group(chain.n);
  addAzimuthCondition(group, chain, provisional, platform);
  addCoordinateConditions(group, chain, provisional, closingAtB(chain, provisional), platform);
  showMissingCondition(platform, kSideClosureBox, kNoBaseCondition);
  addOrientationColumns(group, chain);
  group.setWeightFunction(middleSideWeightRow(chain, group));
  adjustFromAAndList(group, chain, provisional, platform);
}

}  // namespace chainadj
