#include "report/chain_verdict.h"

#include <cmath>

#include "adjust/condition_rows.h"
#include "report/observation_checks.h"
#include "report/table_cells.h"
#include "state/constants.h"
#include "state/display_format.h"

namespace chainadj {
namespace {

constexpr int kRowOfLastSideWeakest = 3;  // the row whose weakest side is the last one

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// The side of the weight function: the last side S(n+1) for row 3, opposite A(n); otherwise the
// middle side, S(mid+1) opposite A(mid) for n even, the side opposite C(mid) for n odd.
std::optional<ChainSide> classicalWeakestSide(const RunReport& report) {
  const int n = report.triangleCount();
  if (n < 1 || report.kind.fitted) return std::nullopt;
  const bool last = report.kind.row == kRowOfLastSideWeakest;
  const int i = last ? n : middleTriangle(n);
  const auto& vertex = report.triangles[at(i - 1)].vertex;
  const bool oppositeA = last || n % 2 == 0;
  const int p = oppositeA ? vertex[kForwardAngle] : vertex[kDistanceAngle];
  const int q = oppositeA ? vertex[kIntervalAngle] : vertex[kForwardAngle];
  return ChainSide{std::min(p, q), std::max(p, q)};
}

bool notBelow(const std::optional<double>& relative, double limit) {
  return !relative || *relative >= limit;
}

std::string sideName(const RunReport& report, const ChainSide& side) {
  return report.pointLabel(side.from) + "–" + report.pointLabel(side.to);
}

std::string relativeText(const std::optional<double>& relative) {
  return "1/" + (relative ? formatWholeNumber(*relative) : std::string("∞"));
}

std::string limitText(const RunReport& report) {
  return "1/" + formatWholeNumber(report.quality.settings.grade.weakestSide);
}

std::string millimetres(double metres) {
  return masked(metres * kMillimetresPerMetre, kMaskTwoDecimals, kUnitMillimetres);
}

std::string weakestSideLine(const RunReport& report) {
  const std::optional<WeakestSide> weakest = weakestSide(report);
  if (!weakest) return "最弱边：本锁按 A、B 两点缩放和旋转，没有边长的精度评定";
  return std::string(weakest->fromEverySide ? "最弱边 " : "最弱边（按中间边估算）") +
         sideName(report, weakest->side) + "：相对中误差 " + relativeText(weakest->relative) +
         (weakest->withinLimit ? "，不低于 " : "，低于 ") + report.quality.settings.grade.name +
         "限差 " + limitText(report) + "，" + (weakest->withinLimit ? kWithinLimitVerdict : kOverLimitVerdict);
}

std::string largestPointLine(const RunReport& report) {
  const std::optional<LargestPointError> largest = largestPointError(report);
  if (!largest) return "最大点位中误差：本锁没有待定点";
  return "最大点位中误差 mp：" + report.pointLabel(largest->point) + " 点 " + millimetres(largest->mp);
}

std::string seconds(double value) { return masked(value, kMaskTwoDecimals, kUnitSeconds); }

std::string globalTestLine(const RunReport& report) {
  const UnitWeightStatistics& s = report.statistics.unitWeight;
  if (!s.test) return "全局检验：没有多余观测，不能检验";
  const GlobalTest& test = *s.test;
  std::string line = "全局检验（χ² 检验，95 %）：验后单位权中误差 " + seconds(s.m0) + "，验前 " +
                     seconds(s.sigma0) + "，r·m0²/σ0² = " + masked(test.value, kMaskTwoDecimals) +
                     "，区间 " + masked(test.lower, kMaskTwoDecimals) + " 至 " +
                     masked(test.upper, kMaskTwoDecimals) + "，";
  if (test.passed) return line + "通过";
  return line + (test.value > test.upper ? "不通过：验后单位权中误差显著大于验前，观测值中可能有粗差"
                                         : "不通过：验后单位权中误差显著小于验前（测角精度优于设置的 mβ）");
}

}  // namespace

std::optional<WeakestSide> weakestSide(const RunReport& report) {
  const double limit = report.quality.settings.grade.weakestSide;
  const SidePrecision* weakest = nullptr;
  for (const SidePrecision& side : report.sides) {
    if (side.relative && (weakest == nullptr || *side.relative < *weakest->relative)) weakest = &side;
  }
  if (weakest != nullptr) {
    return WeakestSide{weakest->side, weakest->relative, notBelow(weakest->relative, limit), true};
  }
  const std::optional<ChainSide> side = classicalWeakestSide(report);
  const std::optional<PrecisionFigures>& figures = report.precision.figures;
  if (!side || !figures) return std::nullopt;
  return WeakestSide{*side, figures->Tr, notBelow(figures->Tr, limit), false};
}

std::optional<LargestPointError> largestPointError(const RunReport& report) {
  std::optional<LargestPointError> largest;
  for (int j = report.firstListedPoint; j <= report.lastListedPoint; ++j) {
    const PointPrecision* precision = report.newPointPrecision(j);
    if (precision == nullptr || !std::isfinite(precision->mp)) continue;
    if (!largest || precision->mp > largest->mp) largest = LargestPointError{j, precision->mp};
  }
  return largest;
}

std::vector<std::string> failureReasons(const RunReport& report) {
  std::size_t over = 0;
  for (const TriangleCheck& triangle : report.quality.closures.triangles) {
    over += triangle.check.withinLimit() ? 0 : 1;
  }
  std::vector<std::string> reasons = conditionFailureReasons(report);
  if (over > 0) reasons.insert(reasons.begin(), std::to_string(over) + " 个三角形闭合差超限");
  return reasons;
}

std::vector<std::string> conditionFailureReasons(const RunReport& report) {
  const ClosureReport& closures = report.quality.closures;
  std::vector<std::string> reasons;
  if (!closures.angleMeanError.withinLimit()) reasons.push_back("测角中误差超过所选等级的 mβ");
  for (const ConditionCheck& condition : closures.conditions) {
    if (!condition.check.withinLimit()) reasons.push_back(std::string(wordsOf(condition.kind).name) + "闭合差超限");
  }
  if (const std::optional<WeakestSide> weakest = weakestSide(report); weakest && !weakest->withinLimit) {
    reasons.push_back("最弱边相对中误差 " + relativeText(weakest->relative) + " 低于限差 " + limitText(report));
  }
  const std::optional<GlobalTest>& test = report.statistics.unitWeight.test;
  if (test && test->value > test->upper) reasons.push_back("全局检验不通过（验后单位权中误差过大）");
  return reasons;
}

std::string conclusionLine(const RunReport& report) {
  const std::vector<std::string> reasons = failureReasons(report);
  if (reasons.empty()) return std::string("结论：") + kChainPassesVerdict + "。";
  std::string line = std::string("结论：") + kChainFailsVerdict + "：";
  for (std::size_t k = 0; k < reasons.size(); ++k) line += (k > 0 ? "；" : "") + reasons[k];
  return line + "。";
}

std::vector<std::string> verdictLines(const RunReport& report) {
  std::vector<std::string> lines = {weakestSideLine(report), largestPointLine(report)};
  if (std::optional<std::string> standardised = standardisedCorrectionLine(report)) {
    lines.push_back(std::move(*standardised));
  }
  lines.push_back(globalTestLine(report));
  lines.push_back(conclusionLine(report));
  return lines;
}

}  // namespace chainadj
