#include "report/run_status.h"

#include <algorithm>

#include "quality/adjustment_method.h"
#include "report/chain_verdict.h"
#include "state/form_fields.h"

namespace chainadj {
namespace {

// The triangles over their limit in chain order, "三角形 3、7 的闭合差".
std::string trianglesOverLimit(const ClosureReport& closures) {
  std::vector<int> over;
  for (const TriangleCheck& triangle : closures.triangles) {
    if (!triangle.check.withinLimit()) over.push_back(triangle.triangle);
  }
  if (over.empty()) return {};
  std::sort(over.begin(), over.end());
  std::string text = "三角形 ";
  const std::size_t named = std::min(over.size(), kNamedTrianglesInStatus);
  for (std::size_t k = 0; k < named; ++k) text += (k > 0 ? "、" : "") + std::to_string(over[k]);
  if (named < over.size()) return text + " 等 " + std::to_string(over.size()) + " 个三角形的闭合差";
  return text + " 的闭合差";
}

int boxOf(ConditionKind kind) {
  switch (kind) {
    case ConditionKind::Azimuth:
      return box::kAzimuthClosure;
    case ConditionKind::Side:
      return box::kSideClosure;
    case ConditionKind::X:
      return box::kXClosure;
    case ConditionKind::Y:
      break;
  }
  return box::kYClosure;
}

}  // namespace

std::string runStatusLine(const RunReport& report) {
  std::vector<std::string> reasons = conditionFailureReasons(report);
  if (std::string triangles = trianglesOverLimit(report.quality.closures); !triangles.empty()) {
    reasons.insert(reasons.begin(), std::move(triangles));
  }
  const std::string settings = "（" + report.quality.settings.grade.name + "，" +
                               methodName(report.methodInUse()) + "）";
  if (reasons.empty()) return kChecksPassedStatus + settings;
  std::string line = "超限：";
  for (std::size_t k = 0; k < reasons.size(); ++k) line += (k > 0 ? "；" : "") + reasons[k];
  return line + settings;
}

std::vector<int> formBoxesOverLimit(const RunReport& report) {
  const ClosureReport& closures = report.quality.closures;
  std::vector<int> boxes;
  const int last = report.triangleCount();
  for (const TriangleCheck& triangle : closures.triangles) {
    if (triangle.triangle == last && !triangle.check.withinLimit()) boxes.push_back(box::kTriangleClosure);
  }
  for (const ConditionCheck& condition : closures.conditions) {
    if (!condition.check.withinLimit()) boxes.push_back(boxOf(condition.kind));
  }
  if (!closures.angleMeanError.withinLimit()) boxes.push_back(box::kMeanError);
  const std::optional<PrecisionFigures>& figures = report.precision.figures;
  if (figures && figures->Tr && *figures->Tr < report.quality.settings.grade.weakestSide) {
    boxes.push_back(box::kRelativeMeanError);
  }
  std::sort(boxes.begin(), boxes.end());
  return boxes;
}

}  // namespace chainadj
