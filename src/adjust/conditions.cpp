#include "adjust/conditions.h"

#include "adjust/closures.h"
#include "state/constants.h"
#include "state/display_format.h"

namespace chainadj {
namespace {

constexpr const char* kClosureMask = "0.00";

}  // namespace

void addAzimuthCondition(SecondGroup& group, const ChainState& chain, const ChainPass& provisional,
                         Platform& platform, AzimuthRule closingRule) {
  const double computed = computedClosingAzimuth(chain, provisional, closingRule);
  const double closure = azimuthClosureSeconds(computed, chain.Tb);
  platform.setText(kAzimuthClosureBox, formatWithUnit(closure, kClosureMask, " 秒"));
  group.add({ConditionKind::Azimuth, azimuthRow(chain, group), closure});
}

void addSideCondition(SecondGroup& group, const ChainState& chain, Platform& platform) {
  const double closure = sideClosureUnits(chain, logSineSum(chain));
  platform.setText(kSideClosureBox, formatWithUnit(closure, kClosureMask, " 单位"));
  group.add({ConditionKind::Side, sideRow(chain, group), closure});
}

void addCoordinateConditions(SecondGroup& group, const ChainState& chain,
                             const ChainPass& provisional, const CoordinateTarget& target,
                             Platform& platform) {
  const double closureX = target.computedX - target.knownX;
  const double closureY = target.computedY - target.knownY;
  platform.setText(kXClosureBox,
                   formatWithUnit(kMillimetresPerMetre * closureX, kClosureMask, " 毫米"));
  platform.setText(kYClosureBox,
                   formatWithUnit(kMillimetresPerMetre * closureY, kClosureMask, " 毫米"));
  CoordinateRows rows = coordinateRows(chain, provisional, target, group);
  group.add({ConditionKind::X, std::move(rows.x), closureX * kMetresToCoefficientScale});
  group.add({ConditionKind::Y, std::move(rows.y), closureY * kMetresToCoefficientScale});
}

void showMissingCondition(Platform& platform, int box, const char* text) {
  platform.setText(box, text);
}

}  // namespace chainadj
