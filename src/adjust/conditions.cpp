#include "adjust/conditions.h"

#include "adjust/closures.h"
#include "state/constants.h"
#include "state/form_fields.h"

namespace chainadj {

void addAzimuthCondition(SecondGroup& group, const ChainState& chain, const ChainPass& provisional,
                         ClosingAzimuth closing, Platform& platform) {
  const double computed = computedClosingAzimuth(chain, provisional, closing);
  const double closure = azimuthClosureSeconds(computed, chain.Tb);
  showValue(platform, box::kAzimuthClosure, closure, kSecondsFormat);
  group.add({ConditionKind::Azimuth, azimuthRow(chain, group), closure, closure});
}

void addSideCondition(SecondGroup& group, const ChainState& chain, Platform& platform) {
  const double closure = sideClosureUnits(chain.Sa, chain.Sb, logSineSum(chain));
  showValue(platform, box::kSideClosure, closure, kLogUnitsFormat);
  group.add({ConditionKind::Side, sideRow(chain, group), closure, closure});
}

void addCoordinateConditions(SecondGroup& group, const ChainState& chain,
                             const ChainPass& provisional, const CoordinateTarget& target,
                             Platform& platform) {
  const double closureX = target.computedX - target.knownX;  // metres
  const double closureY = target.computedY - target.knownY;
  const double shownX = kMillimetresPerMetre * closureX;
  const double shownY = kMillimetresPerMetre * closureY;
  showValue(platform, box::kXClosure, shownX, kMillimetresFormat);
  showValue(platform, box::kYClosure, shownY, kMillimetresFormat);
  CoordinateRows rows = coordinateRows(chain, provisional, target, group);
  group.add({ConditionKind::X, std::move(rows.x), closureX * kMetresToCoefficientScale, shownX});
  group.add({ConditionKind::Y, std::move(rows.y), closureY * kMetresToCoefficientScale, shownY});
}

void showMissingCondition(Platform& platform, int box, const char* text) {
  platform.setText(box, text);
}

}  // namespace chainadj
