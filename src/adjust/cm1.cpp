// Cm1: a chain with bases and azimuths at both ends. From A along the start side Sa with the
// azimuth Ta + Qa to B, closing on the base Sb and the azimuth Tb: azimuth, side, X and Y
// conditions, the orientation angles Qa and Qb taken as observations.
#include "adjust/chain_pass.h"
#include "adjust/condition_rows.h"
#include "adjust/conditions.h"
#include "adjust/coordinate_listing.h"
#include "adjust/corrections.h"
#include "adjust/precision.h"
#include "adjust/procedures.h"
#include "adjust/second_group_solution.h"

namespace chainadj {

void Cm1(ChainState& chain, Platform& platform) {
  const ChainPass provisional = runChainPass(chain, startFromA(chain, rangeRule));

  SecondGroup group(chain.n);
  addAzimuthCondition(group, chain, provisional, platform);
  addSideCondition(group, chain, platform);
  addCoordinateConditions(group, chain, provisional, closingAtB(chain, provisional), platform);
  addOrientationColumns(group, chain);
  group.setWeightFunction(middleSideWeightRow(chain, group));

  const SecondGroupSolution solution = solveSecondGroup(group, platform);
  const double vv = applyCorrections(group, solution.correlates, chain);
  reportPrecision(platform, {vv, chain.WW, chain.n + group.conditions(), solution.reciprocalWeight,
                             distanceFromA(chain, provisional, middleTriangle(chain.n) + 1)});

  const ChainPass adjusted = runChainPass(chain, startFromA(chain, rangeRule));
  chain.S = adjusted.S;
  listCoordinates(platform, chain.na, adjusted, 1, chain.n + 1, kIndentedName);
}

}  // namespace chainadj
