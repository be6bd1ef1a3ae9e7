// Cm1: a chain with bases and azimuths at both ends. From A along the start side Sa with the
// azimuth Ta + Qa to B, closing on the base Sb and the azimuth Tb: azimuth, side, X and Y
// conditions, the orientation angles Qa and Qb taken as observations.
#include "adjust/adjustment_from_a.h"
#include "adjust/chain_pass.h"
#include "adjust/condition_rows.h"
#include "adjust/conditions.h"
#include "adjust/procedures.h"

namespace chainadj {

void Cm1(ChainState& chain, Platform& platform) {
  const ChainPass provisional = runChainPass(chain, startFromA(chain, rangeRule));

  SecondGroup group(chain.n);
  addAzimuthCondition(group, chain, provisional, platform);
  addSideCondition(group, chain, platform);
  addCoordinateConditions(group, chain, provisional, closingAtB(chain, provisional), platform);
  addOrientationColumns(group, chain);
  group.setWeightFunction(middleSideWeightRow(chain, group));
  adjustFromAAndList(group, chain, provisional, platform);
}

}  // namespace chainadj
