#include "report/reduction_tables.h"

#include "report/report_format.h"
#include "report/table_cells.h"
#include "state/constants.h"

namespace chainadj {
namespace {

constexpr const char* kMaskReduction = "0.000";  // seconds
constexpr const char* kMaskDistance = "0.0000";  // metres
constexpr int kReductionSecondDecimals = 3;

const char* const kAngleNames[] = {"A", "B", "C"};

std::string angleText(double degrees) {
  std::string out;
  appendDms(degrees, kReductionSecondDecimals, out);
  return out;
}

// The reduced orientation angles as rows: Qa at A, Qb at B.
void addOrientationRows(const RunReport& report, const ChainReductions& reductions,
                        TableRows& rows) {
  const auto add = [&](const char* name, int point, double observed, double seconds) {
    rows.push_back({"", name, report.pointLabel(point), angleText(observed),
                    masked(seconds, kMaskReduction),
                    angleText(observed + seconds / kSecondsPerDegree)});
  };
  if (reductions.Qa) add("Qa", 0, reductions.observedQa, *reductions.Qa);
  if (reductions.Qb) add("Qb", report.triangleCount() + 1, reductions.observedQb, *reductions.Qb);
}

}  // namespace

std::string reductionSettingsLine(const RunReport& report) {
  if (!report.reduction) return {};
  const ReductionSettings& settings = report.reduction->settings;
  std::string meridian;
  appendDms(settings.plane.centralMeridian, 0, meridian);
  std::string line = "观测值归算到高斯-克吕格投影面：" + std::string(settings.plane.ellipsoid.name) +
                     " 椭球，中央子午线 " + meridian + "，横坐标加常数 " +
                     masked(settings.plane.falseEasting, "0.000", " 米") + "，投影面高程 " +
                     masked(settings.projectionHeight, "0.000", " 米") + "；起算边长";
  if (settings.bases == BaseKind::MeasuredDistance) {
    return line + "为实测水平距离，平均高程 " + masked(settings.baseHeight, "0.000", " 米") +
           "，归算到投影面";
  }
  return line + "为平面距离，不归算";
}

ReportTable angleReductionTable(const RunReport& report) {
  TableRows rows;
  const ChainReductions& reductions = report.reduction->reductions;
  for (int i = 1; i <= report.triangleCount(); ++i) {
    const auto k = static_cast<std::size_t>(i);
    const ReportTriangle& triangle = report.triangles[k - 1];
    for (std::size_t angle = 0; angle < 3; ++angle) {
      const double observed = reductions.observed[k][angle];
      rows.push_back({angle == 0 ? std::to_string(i) : "", kAngleNames[angle],
                      report.pointLabel(triangle.vertex[angle]), angleText(observed),
                      masked(reductions.angles[k][angle], kMaskReduction),
                      angleText(triangle.observed[angle])});
    }
  }
  addOrientationRows(report, reductions, rows);
  ReportTable table = writtenTable(
      "方向改化及角度归算",
      {{"三角形", 7, Align::Right}, {"角", 4, Align::Left}, {"测站", 12, Align::Left},
       {"观测角（椭球面）", 18, Align::Right}, {"方向改化之差（秒）", 18, Align::Right},
       {"归算后的角（投影面）", 20, Align::Right}},
      std::move(rows));
  table.rowsPerGroup = 3;
  table.note = "每个角的归算数是它两个方向的方向改化之差（右方向减左方向），C 的归算数加在它的绝对值上；"
               "由输入的方位角定向时，那个方向的改化无法计算，按 0 计。";
  return table;
}

std::optional<ReportTable> baseReductionTable(const RunReport& report) {
  const ChainReductions& reductions = report.reduction->reductions;
  TableRows rows;
  const auto add = [&](const char* name, const std::optional<BaseReduction>& base) {
    if (!base) return;
    rows.push_back({name, masked(base->measured, kMaskDistance), masked(base->plane, kMaskDistance),
                    masked(base->plane - base->measured, kMaskDistance)});
  };
  add("Sa", reductions.Sa);
  add("Sb", reductions.Sb);
  if (rows.empty()) return std::nullopt;
  return writtenTable("起算边长归算",
                      {{"边", 4, Align::Left}, {"实测水平距离（米）", 20, Align::Right},
                       {"投影面上的平面距离（米）", 24, Align::Right}, {"归算数（米）", 14, Align::Right}},
                      std::move(rows));
}

}  // namespace chainadj
