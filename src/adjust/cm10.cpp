// Cm10: a chain from the known point C (point 1), whose start side runs from C to A, to B with a
// closing side Sb but no closing azimuth. The side condition and the two coordinate conditions;
// no orientation angle is an observation.
#include "adjust/adjustment_course.h"
#include "adjust/chain_requirements.h"
#include "adjust/condition_rows.h"
#include "adjust/conditions.h"
#include "adjust/procedures.h"
#include "state/form_fields.h"

namespace chainadj {

void Cm10(ChainState& chain, Platform& platform, AdjustmentResult& result) {
  requireClosingBase(chain);
  const ChainEnds ends = fromCToB(chain);
  ChainPass provisional = runChainPass(chain, ends.routeStart(chain));
  const CoordinateTarget target = ends.coordinateTarget(chain, provisional);

  showMissingCondition(platform, box::kAzimuthClosure, kNoAzimuthConditionFromC);
  SecondGroup group(chain.n);
  addSideCondition(group, chain, platform);
  addCoordinateConditions(group, chain, provisional, target, platform);
  group.setWeightFunction(middleSideWeightRow(chain, group));
  adjustAndList(std::move(group), chain, ends, std::move(provisional), platform, result);
}

}  // namespace chainadj
