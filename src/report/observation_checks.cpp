#include "report/observation_checks.h"

#include <cmath>

#include "report/report_format.h"
#include "report/table_cells.h"
#include "state/constants.h"
#include "state/display_format.h"

namespace chainadj {
namespace {

// The line names at most this many observations above the bound.
constexpr std::size_t kMostNamedObservations = 10;
constexpr const char* kMaskBase = "0.0000";  // metres
constexpr const char* kHeldMark = "无误差，作为固定值";

std::size_t at(int index) { return static_cast<std::size_t>(index); }

bool isBase(const RigorousObservation& o) {
  return o.kind == ObservationKind::Sa || o.kind == ObservationKind::Sb;
}

const char* endName(ObservationKind kind) {
  switch (kind) {
    case ObservationKind::Qa: return "A 点定向角 Qa";
    case ObservationKind::Qb: return "B 点定向角 Qb";
    case ObservationKind::Ta: return "起始外方位角 Ta";
    case ObservationKind::Tb: return "闭合外方位角 Tb";
    case ObservationKind::Sa: return "始端基线 Sa";
    case ObservationKind::Sb: return "终端基线 Sb";
    default: return "";
  }
}

std::string wText(double w) { return masked(w, kMaskTwoDecimals); }

std::string boundText() { return masked(kBlunderBound, kMaskTwoDecimals); }

std::string valueText(const RigorousObservation& o, double value) {
  return isBase(o) ? masked(value, kMaskBase, " 米") : dms(value);
}

// In seconds, or for a base in millimetres.
std::string amountText(const RigorousObservation& o, double amount) {
  return isBase(o) ? masked(amount * kMillimetresPerMetre, kMaskTwoDecimals, kUnitMillimetres)
                   : masked(amount, kMaskTwoDecimals, kUnitSeconds);
}

double adjustedValue(const RigorousObservation& o) {
  if (isBase(o)) return o.observed + o.correction;
  return std::copysign(std::fabs(o.observed) + o.correction / kSecondsPerDegree, o.observed);
}

std::string suspectedList(const RunReport& report) {
  const ReportRigorous& rigorous = *report.rigorous;
  std::string list;
  for (std::size_t k = 0; k < rigorous.suspected.size() && k < kMostNamedObservations; ++k) {
    const RigorousObservation& o = rigorous.observations[rigorous.suspected[k]];
    if (k > 0) list += "、";
    list += observationName(report, o) + "（w = " + wText(*o.w) + "）";
  }
  if (rigorous.suspected.size() > kMostNamedObservations) list += " 等";
  return list;
}

}  // namespace

std::string observationName(const RunReport& report, const RigorousObservation& observation) {
  const auto k = static_cast<std::size_t>(observation.kind);
  if (observation.triangle < 1 || observation.triangle > report.triangleCount() ||
      k >= kAnglesPerTriangle) {
    return endName(observation.kind);
  }
  const ReportTriangle& triangle = report.triangles[at(observation.triangle - 1)];
  constexpr const char* kAngleLetters[] = {"A", "B", "C"};
  return "三角形 " + std::to_string(observation.triangle) + " 的 " + kAngleLetters[k] + " 角（" +
         report.pointLabel(triangle.vertex[k]) + " 点）";
}

std::optional<std::string> standardisedCorrectionLine(const RunReport& report) {
  if (!report.rigorous) return std::nullopt;
  const ReportRigorous& rigorous = *report.rigorous;
  if (!rigorous.largestW) return "标准化改正数：没有受到检核的观测值（没有多余观测），不能发现粗差";
  const RigorousObservation& largest = rigorous.observations[*rigorous.largestW];
  std::string line = "标准化改正数：最大 |w| = " + wText(std::fabs(*largest.w)) + "，" +
                     observationName(report, largest);
  if (rigorous.suspected.empty()) return line + "，不大于 " + boundText() + "，没有发现粗差";
  line += "，大于 " + boundText() + "，" + kSuspectedBlunderMark;
  if (rigorous.suspected.size() == 1) return line;
  return line + "；|w| > " + boundText() + " 的观测值共 " + std::to_string(rigorous.suspected.size()) +
         " 个：" + suspectedList(report);
}

std::optional<ReportTable> endObservationTable(const RunReport& report) {
  if (!report.rigorous) return std::nullopt;
  const ReportRigorous& rigorous = *report.rigorous;
  TableRows rows;
  for (const RigorousObservation& o : rigorous.observations) {
    if (o.triangle != 0) continue;
    std::vector<std::string> row = {observationName(report, o), valueText(o, o.observed),
                                    amountText(o, o.meanError),
                                    amountText(o, o.correction), valueText(o, adjustedValue(o))};
    row.push_back(o.constraint ? "" : masked(o.redundancy, kMaskTwoDecimals));
    row.push_back(o.w ? wText(*o.w) : "");
    row.push_back(o.constraint ? kHeldMark : rigorous.isSuspected(o) ? kSuspectedBlunderMark : "");
    rows.push_back(std::move(row));
  }
  if (rows.empty()) return std::nullopt;
  ReportTable table = writtenTable(
      "起算方向和基线的观测值（严密平差）",
      {{"项目", 16, Align::Left}, {"观测值", 16, Align::Right}, {"中误差", 10, Align::Right},
       {"改正数", 12, Align::Right}, {"平差值", 16, Align::Right}, {"r", 5, Align::Right},
       {"w", 6, Align::Right}, {"备注", 18, Align::Left}},
      std::move(rows));
  table.note =
      "定向角 Qa、Qb 以测角中误差 mβ 为中误差，输入的外方位角以起算方位角中误差 mα，基线以起算边长"
      "中误差；中误差为 0 的作为固定值（权为一个观测角的 10⁸ 倍），不作检验。同一方位角方程中的"
      "定向角和外方位角按中误差的平方分配改正数，w 相同。改正数改正观测的绝对值。";
  return table;
}

}  // namespace chainadj
