// Cm2: a chain with a start base and azimuths at both ends but no closing base. Cm1 without the
// side condition: azimuth, X and Y conditions; the side-closure box says there is no base.
#include "adjust/chain_pass.h"
#include "adjust/condition_rows.h"
#include "adjust/conditions.h"
#include "adjust/coordinate_listing.h"
#include "adjust/corrections.h"
#include "adjust/precision.h"
#include "adjust/procedures.h"
#include "adjust/second_group_solution.h"

namespace chainadj {

void Cm2(ChainState& chain, Platform& platform) {
  const ChainPass provisional = runChainPass(chain, startFromA(chain, rangeRule));

  SecondGroup group(chain.n);
  addAzimuthCondition(group, chain, provisional, platform);
  addCoordinateConditions(group, chain, provisional, closingAtB(chain, provisional), platform);
  showMissingCondition(platform, kSideClosureBox, kNoBaseCondition);
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
