// Cm5: an unoriented chain without known sides, fitted between A and B. It is computed from an
// assumed start side of 1000 with the azimuth 90, then scaled and turned about A so that its end
// falls on B. There are no second-group conditions: the angles keep the triangle-closure
// correction, and the only precision figure, the angle mean error from the triangle closures,
// is shown after the listing.
#include "adjust/adjustment_course.h"
#include "adjust/chain_fit.h"
#include "adjust/conditions.h"
#include "adjust/precision.h"
#include "adjust/procedures.h"
#include "state/angles.h"
#include "state/form_fields.h"

namespace chainadj {

void Cm5(ChainState& chain, Platform& platform, AdjustmentResult& result) {
  RouteStart start{FirstTurn::AtNewPoint, chain.Xa, chain.Ya, kAssumedStartSide,
                   kAssumedStartAzimuth};
  const ChainPass assumed = runChainPass(chain, start);
  showMissingCondition(platform, box::kAzimuthClosure, kNoAzimuthCondition);
  showMissingCondition(platform, box::kSideClosure, kNoBaseCondition);
  showMissingCondition(platform, box::kXClosure, kNoCoordinateCondition);
  showMissingCondition(platform, box::kYClosure, kNoCoordinateCondition);

  start.side *= scaleOntoAB(chain, assumed);
  start.azimuth = rangeRuleNegativeFirst(start.azimuth + rotationOntoAB(chain, assumed));
  ChainPass fitted = runChainPass(chain, start);
  chain.S = fitted.S;
  result.fitted = true;
  result.provisional = fitted;
  listAndRecord(chain, std::move(fitted), chain.n + 1, kPlainName, platform, result);

  result.meanError = unitWeightMeanError(0.0, chain.WW, chain.n);
  showUnitWeightMeanError(platform, result.meanError);
}

}  // namespace chainadj
