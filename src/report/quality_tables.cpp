#include "report/quality_tables.h"

#include <cmath>

#include "report/report_format.h"
#include "report/table_cells.h"
#include "state/display_format.h"

namespace chainadj {
namespace {

// The summary names at most this many triangles over their limit.
constexpr std::size_t kMostNamedTriangles = 10;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

std::string seconds(double value) { return masked(value, kMaskTwoDecimals, kUnitSeconds); }

std::string settingsLine(const QualitySettings& settings) {
  return "质量检核：" + settings.grade.name + "，测角中误差 mβ " +
         seconds(settings.grade.angleMeanError) + "，三角形闭合差限差 " +
         seconds(settings.grade.triangleLimit) + "，最弱边相对中误差限差 1/" +
         formatWholeNumber(settings.grade.weakestSide) + "；起算方位角中误差 mα " +
         seconds(settings.azimuthMeanError) + "，起算边长中误差 " +
         masked(settings.baseMeanError, kMaskTwoDecimals, kUnitMillimetres);
}

std::string triangleLine(const ClosureReport& closures, double limit) {
  std::size_t over = 0;
  while (over < closures.triangles.size() && !closures.triangles[over].check.withinLimit()) ++over;
  if (over == 0) {
    return "三角形闭合差：" + std::to_string(closures.triangles.size()) + " 个都不超过限差 " +
           seconds(limit) + "，合格";
  }
  std::string line = "超限的三角形 " + std::to_string(over) + " 个（粗差多半在这些三角形里）：";
  for (std::size_t k = 0; k < over && k < kMostNamedTriangles; ++k) {
    if (k > 0) line += "、";
    const TriangleCheck& triangle = closures.triangles[k];
    line += "三角形 " + std::to_string(triangle.triangle) + "（W = " +
            seconds(triangle.check.closure) + "）";
  }
  if (over > kMostNamedTriangles) line += " 等";
  return line;
}

std::string meanErrorLine(const ClosureCheck& check) {
  return "测角中误差（菲列罗公式）：" + seconds(check.closure) +
         (check.withinLimit() ? "，不超过 " : "，超过 ") + seconds(check.limit) + "，" +
         verdict(check);
}

std::string conditionLine(const ClosureReport& closures) {
  std::string over;
  for (const ConditionCheck& condition : closures.conditions) {
    if (condition.check.withinLimit()) continue;
    const ConditionWords words = wordsOf(condition.kind);
    if (!over.empty()) over += "、";
    over += std::string(words.name) + "（" + words.closure + " = " +
            masked(condition.check.closure, kMaskTwoDecimals, words.unit) + "，限差 " +
            masked(condition.check.limit, kMaskTwoDecimals, words.unit) + "）";
  }
  return over.empty() ? "第二组条件闭合差：都不超过限差，合格" : "超限的条件闭合差：" + over;
}

}  // namespace

std::vector<std::string> qualitySummary(const RunReport& report) {
  const ReportQuality& quality = report.quality;
  std::vector<std::string> lines = {
      settingsLine(quality.settings),
      triangleLine(quality.closures, quality.settings.grade.triangleLimit),
      meanErrorLine(quality.closures.angleMeanError)};
  if (!quality.closures.conditions.empty()) lines.push_back(conditionLine(quality.closures));
  return lines;
}

ReportTable triangleCheckTable(const RunReport& report) {
  const std::vector<TriangleCheck>& checks = report.quality.closures.triangles;
  ReportTable table;
  table.title = "三角形闭合差检核";
  table.columns = {{"三角形", 7, Align::Right},
                   {"闭合差 W（秒）", 14, Align::Right},
                   {"限差（秒）", 10, Align::Right},
                   {"结论", 6, Align::Left}};
  table.rows = checks.size();
  table.cell = [&checks](std::size_t row, std::size_t column, std::string& out) {
    const TriangleCheck& triangle = checks[row];
    switch (column) {
      case 0:
        out += std::to_string(triangle.triangle);
        break;
      case 1:
        appendMask(triangle.check.closure, kMaskTwoDecimals, out);
        break;
      case 2:
        appendMask(triangle.check.limit, kMaskTwoDecimals, out);
        break;
      default:
        out += verdict(triangle.check);
        break;
    }
  };
  table.note = "超过限差的三角形排在最前面，其余按三角形的次序。";
  return table;
}

ReportTable conditionCheckTable(const RunReport& report) {
  const ClosureReport& closures = report.quality.closures;
  TableRows rows;
  const ClosureCheck& angle = closures.angleMeanError;
  rows.push_back({"测角中误差 mβ（菲列罗公式）", seconds(angle.closure), seconds(angle.limit),
                  verdict(angle)});
  for (const ConditionCheck& condition : closures.conditions) {
    const ConditionWords words = wordsOf(condition.kind);
    rows.push_back({std::string(words.name) + " " + words.closure,
                    masked(condition.check.closure, kMaskTwoDecimals, words.unit),
                    masked(condition.check.limit, kMaskTwoDecimals, words.unit),
                    verdict(condition.check)});
  }
  ReportTable table = writtenTable("条件闭合差检核",
                                   {{"项目", 28, Align::Left},
                                    {"闭合差", 22, Align::Right},
                                    {"限差", 22, Align::Right},
                                    {"结论", 6, Align::Left}},
                                   std::move(rows));
  table.note =
      "mβ = √([ww]/(3n))，与所选等级的测角中误差比较。条件闭合差的限差为 "
      "2√(mβ²·[aa] + 起算数据误差的影响)，a 为该条件方程式的系数；方位角条件即 "
      "2√(k·mβ² + mα1² + mα2²)，边条件加两条起算边长中误差的对数影响，坐标条件加输入的起算方位角"
      "中误差 mα 使锁绕 A 转动和起算边长中误差使锁缩放引起的闭合点位移（由已知点坐标推算的"
      "边长和方位角不计误差）。";
  if (closures.conditions.empty()) table.note += "本锁没有第二组条件。";
  return table;
}

ReportTable pointPrecisionTable(const RunReport& report, EllipseAzimuth azimuth) {
  ReportTable table;
  table.title = "点位中误差和误差椭圆";
  table.columns = {{"点号", 7, Align::Right},       {"点名", 14, Align::Left},
                   {"mx（毫米）", 10, Align::Right}, {"my（毫米）", 10, Align::Right},
                   {"mp（毫米）", 10, Align::Right}, {"E（毫米）", 10, Align::Right},
                   {"F（毫米）", 10, Align::Right},  {"φ", 8, Align::Right}};
  const int count = report.lastListedPoint - report.firstListedPoint + 1;
  table.rows = count > 0 ? at(count) : 0;
  table.cell = [&report, azimuth](std::size_t row, std::size_t column, std::string& out) {
    const int point = report.firstListedPoint + static_cast<int>(row);
    if (column == 0) {
      out += std::to_string(point);
      return;
    }
    if (column == 1) {
      report.appendPointLabel(point, out);
      return;
    }
    const PointPrecision* precision = report.newPointPrecision(point);
    if (precision == nullptr) return;
    const double figures[] = {precision->mx, precision->my, precision->mp, precision->E,
                              precision->F};
    if (column < 2 + std::size(figures)) {
      appendMillimetres(figures[column - 2], out);
    } else if (!std::isfinite(precision->azimuthOfE)) {
      return;
    } else if (azimuth == EllipseAzimuth::DegreesMinutes) {
      appendDegreesMinutes(precision->azimuthOfE, out);
    } else {
      appendMask(precision->azimuthOfE, kMaskTwoDecimals, out);
    }
  };
  table.note = (report.rigorous ? "按严密平差的验后单位权中误差 m0 = " +
                                    seconds(report.statistics.unitWeight.m0)
                              : "按单位权中误差 mb = " + seconds(report.precision.meanError)) +
               " 计算。E、F 为误差椭圆的长半轴和短半轴，φ 为长半轴的方位角（由纵坐标 X "
               "的正方向顺时针量，度和分）。已知点不填。";
  return table;
}

}  // namespace chainadj
