// Cm3: a chain with a start side and a start azimuth only. From A along Sa with the azimuth
// Ta + Qa, it must end at B: the two coordinate conditions, solved in closed form, with Qa as an
// observation; the weakest side is the last one, S(n+1).
#include "adjust/adjustment_course.h"
#include "adjust/condition_rows.h"
#include "adjust/conditions.h"
#include "adjust/procedures.h"
#include "state/form_fields.h"

namespace chainadj {

void Cm3(ChainState& chain, Platform& platform, AdjustmentResult& result) {
  const ChainEnds ends = fromAToB(chain);
  ChainPass provisional = runChainPass(chain, ends.routeStart(chain));
  const CoordinateTarget target = ends.coordinateTarget(chain, provisional);

  showMissingCondition(platform, box::kAzimuthClosure, kNoAzimuthCondition);
  showMissingCondition(platform, box::kSideClosure, kNoBaseCondition);
  SecondGroup group(chain.n);
  addCoordinateConditions(group, chain, provisional, target, platform);
  addOrientationColumns(group, chain, target);
  group.setWeightFunction(sideRow(chain, group));
  adjustAndList(std::move(group), chain, ends, std::move(provisional), platform, result,
                {.solve = solveTwoConditionsInClosedForm});
}

}  // namespace chainadj
