// Cm4: a chain with azimuths at both ends and no known side. It is computed from an assumed start
// side of 1000, scaled by the distance A-B, and adjusted by the azimuth and the two coordinate
// conditions with Qa and Qb as observations; the start side keeps its scaled length. The listing
// shows the names as typed and mlogs has no unit.
#include "adjust/adjustment_course.h"
#include "adjust/chain_fit.h"
#include "adjust/condition_rows.h"
#include "adjust/conditions.h"
#include "adjust/procedures.h"
#include "state/form_fields.h"

namespace chainadj {

void Cm4(ChainState& chain, Platform& platform, AdjustmentResult& result) {
  ChainEnds ends = fromAToB(chain);
  ends.startSide = kAssumedStartSide;
  ChainPass pass = runChainPass(chain, ends.routeStart(chain));

  SecondGroup group(chain.n);
  addAzimuthCondition(group, chain, pass, ends.closingAzimuth, platform);
  const double scale = scaleOntoAB(chain, pass);
  ends.startSide *= scale;
  scalePass(pass, scale, ends.routeStart(chain), chain.rho);
  showMissingCondition(platform, box::kSideClosure, kNoBaseCondition);
  const CoordinateTarget target = ends.coordinateTarget(chain, pass);
  addCoordinateConditions(group, chain, pass, target, platform);
  addOrientationColumns(group, chain, target);
  group.setWeightFunction(middleSideWeightRow(chain, group));
  adjustAndList(std::move(group), chain, ends, std::move(pass), platform, result,
                {.namePrefix = kPlainName, .mlogsUnit = ""});
}

}  // namespace chainadj
