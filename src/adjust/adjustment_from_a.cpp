#include "adjust/adjustment_from_a.h"

#include "adjust/condition_rows.h"
#include "adjust/coordinate_listing.h"
#include "adjust/corrections.h"
#include "adjust/precision.h"
#include "adjust/second_group_solution.h"
#include "state/angles.h"

namespace chainadj {

void adjustFromAAndList(const SecondGroup& group, ChainState& chain, const ChainPass& provisional,
                        Platform& platform) {
  const SecondGroupSolution solution = solveSecondGroup(group, platform);
  const double vv = applyCorrections(group, solution.correlates, chain);
  reportPrecision(platform, {vv, chain.WW, chain.n + group.conditions(), solution.reciprocalWeight,
                             distanceFromA(chain, provisional, middleTriangle(chain.n) + 1)});

  const ChainPass adjusted = runChainPass(chain, startFromA(chain, rangeRule));
  chain.S = adjusted.S;
  listCoordinates(platform, chain.na, adjusted, 1, chain.n + 1, kIndentedName);
}

}  // namespace chainadj
