#include "adjust/oriented_chain.h"

#include "adjust/adjustment_course.h"
#include "adjust/condition_rows.h"
#include "adjust/conditions.h"
#include "state/form_fields.h"

namespace chainadj {

void adjustChainOrientedAtBothEnds(ChainState& chain, const ChainEnds& ends,
                                   const OrientedChain& kind, Platform& platform,
                                   AdjustmentResult& result) {
  ChainPass provisional = runChainPass(chain, ends.routeStart(chain));
  const CoordinateTarget target = ends.coordinateTarget(chain, provisional);

  SecondGroup group(chain.n);
  addAzimuthCondition(group, chain, provisional, ends.closingAzimuth, platform);
  if (kind.closingBase) addSideCondition(group, chain, platform);
  addCoordinateConditions(group, chain, provisional, target, platform);
  if (!kind.closingBase) showMissingCondition(platform, box::kSideClosure, kNoBaseCondition);
  if (kind.orientationObserved) addOrientationColumns(group, chain, target);
  group.setWeightFunction(middleSideWeightRow(chain, group));
  adjustAndList(std::move(group), chain, ends, std::move(provisional), platform, result);
}

}  // namespace chainadj
