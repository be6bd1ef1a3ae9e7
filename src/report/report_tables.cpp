#include "report/report_tables.h"

#include <array>
#include <cmath>

#include "report/quality_tables.h"
#include "report/report_format.h"
#include "report/table_cells.h"
#include "state/constants.h"
#include "state/display_format.h"

namespace chainadj {
namespace {

using Rows = TableRows;

constexpr const char* kUnitMetres = " 米";
constexpr const char* kInfinity = "∞";
constexpr std::array<const char*, kAnglesPerTriangle> kAngleNames = {"A", "B", "C"};

// The coordinates after the number and the name of a point, then its precision.
constexpr std::size_t kColumnsBeforeFigures = 2;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

std::string typedName(const RunReport& report, int point) {
  if (point < 0 || point >= static_cast<int>(report.names.size())) return {};
  return report.names[at(point)];
}

ReportTable knownPointsTable(const RunReport& report) {
  Rows rows;
  for (const KnownPoint& point : report.known.points) {
    rows.push_back({std::string(1, point.letter), typedName(report, point.chainPoint),
                    masked(point.x, kMaskCoordinate), masked(point.y, kMaskCoordinate)});
  }
  return writtenTable("已知点座标",
                      {{"已知点", 8, Align::Left},
                       {"点名", 14, Align::Left},
                       {"纵座标 X（米）", 16, Align::Right},
                       {"横座标 Y（米）", 16, Align::Right}},
                      std::move(rows));
}

ReportTable knownValuesTable(const RunReport& report) {
  const KnownData& known = report.known;
  Rows rows;
  if (known.Sa) rows.push_back({"始端基线 Sa", masked(*known.Sa, kMaskSide, kUnitMetres)});
  if (known.Sb) rows.push_back({"终端基线 Sb", masked(*known.Sb, kMaskSide, kUnitMetres)});
  if (known.Ta) rows.push_back({"起始外方位角 Ta", dms(*known.Ta)});
  if (known.Tb) rows.push_back({"闭合外方位角 Tb", dms(*known.Tb)});
  ReportTable table = writtenTable(
      "起算边长和方位角", {{"项目", 20, Align::Left}, {"数值", 20, Align::Right}}, std::move(rows));
  if (table.rows == 0) table.note = "本锁没有已知的边长和方位角。";
  return table;
}

// The adjusted angle keeps the sign of the observed one; the correction is of the magnitude.
void addOrientationRow(Rows& rows, const char* label, const OrientationAngle& angle) {
  if (!angle.correction) {
    rows.push_back({label, dms(angle.observed), "", dms(angle.observed)});
    return;
  }
  const double magnitude = std::fabs(angle.observed) + *angle.correction / kSecondsPerDegree;
  rows.push_back({label, dms(angle.observed), masked(*angle.correction, kMaskTwoDecimals),
                  dms(std::copysign(magnitude, angle.observed))});
}

std::optional<ReportTable> orientationTable(const RunReport& report) {
  Rows rows;
  if (report.known.Qa) addOrientationRow(rows, "A 点定向角 Qa", *report.known.Qa);
  if (report.known.Qb) addOrientationRow(rows, "B 点定向角 Qb", *report.known.Qb);
  if (rows.empty()) return std::nullopt;
  ReportTable table = writtenTable("定向角",
                                   {{"定向角", 16, Align::Left},
                                    {"观测值", 16, Align::Right},
                                    {"改正数（秒）", 12, Align::Right},
                                    {"平差值", 16, Align::Right}},
                                   std::move(rows));
  table.note = "改正数改正定向角的绝对值；没有改正数的定向角不作为观测值参加平差。";
  return table;
}

ReportTable conditionTable(const RunReport& report) {
  Rows rows;
  for (const ReportCondition& condition : report.conditions) {
    const ConditionWords words = wordsOf(condition.kind);
    rows.push_back({words.name, words.closure,
                    masked(condition.closure, kMaskTwoDecimals, words.unit)});
  }
  ReportTable table = writtenTable("第二组条件方程式闭合差",
                                   {{"条件", 14, Align::Left},
                                    {"闭合差", 10, Align::Left},
                                    {"数值", 16, Align::Right}},
                                   std::move(rows));
  if (table.rows == 0) {
    table.note = "本锁没有第二组条件：各角只按三角形闭合差改正，全锁按 A、B 两点缩放和旋转。";
  }
  return table;
}

ReportTable precisionTable(const RunReport& report) {
  const ReportPrecision& precision = report.precision;
  Rows rows;
  rows.push_back({report.kind.fitted ? "测角中误差（由三角形闭合差）" : "单位权测角中误差 mb",
                  masked(precision.meanError, kMaskTwoDecimals, kUnitSeconds)});
  if (precision.reciprocalWeight) {
    rows.push_back({"最弱边权倒数 1/p", masked(*precision.reciprocalWeight, kMaskReciprocalWeight)});
  }
  if (const std::optional<PrecisionFigures>& figures = precision.figures) {
    rows.push_back({"最弱边对数中误差 mlogs", masked(figures->mlogs, kMaskTwoDecimals, kUnitLogUnits)});
    rows.push_back({"最弱边相对中误差 1/m",
                    "1/" + (figures->Tr ? formatWholeNumber(*figures->Tr) : std::string(kInfinity))});
    rows.push_back({"点位中误差 md", figures->md
                                         ? masked(*figures->md, kMaskTwoDecimals, kUnitMillimetres)
                                         : std::string(kInfinity) + kUnitMillimetres});
  }
  return writtenTable("精度评定", {{"项目", 30, Align::Left}, {"数值", 16, Align::Right}},
                      std::move(rows));
}

std::size_t listedPoints(const RunReport& report) {
  const int count = report.lastListedPoint - report.firstListedPoint + 1;
  return count > 0 ? at(count) : 0;
}

std::string conditionList(const RunReport& report) {
  if (report.conditions.empty()) return "没有（线形锁按 A、B 两点缩放和旋转）";
  std::string list;
  for (const ReportCondition& condition : report.conditions) {
    if (!list.empty()) list += "、";
    list += wordsOf(condition.kind).name;
  }
  return list;
}

}  // namespace

ReportTable triangleTable(const RunReport& report) {
  ReportTable table;
  table.title = "三角形观测角和平差角";
  table.columns = {{"三角形", 7, Align::Right},        {"点名", 12, Align::Left},
                   {"角", 3, Align::Left},             {"观测角", 15, Align::Right},
                   {"闭合差 w（秒）", 14, Align::Right}, {"限差（秒）", 10, Align::Right},
                   {"改正数（秒）", 12, Align::Right},   {"平差角", 15, Align::Right}};
  table.rows = report.triangles.size() * kAnglesPerTriangle;
  table.rowsPerGroup = kAnglesPerTriangle;
  const double limit = report.quality.settings.grade.triangleLimit;
  table.cell = [&report, limit](std::size_t row, std::size_t column, std::string& out) {
    const std::size_t index = row / kAnglesPerTriangle;
    const int angle = static_cast<int>(row % kAnglesPerTriangle);
    const ReportTriangle& triangle = report.triangles[index];
    const bool first = angle == kDistanceAngle;
    switch (column) {
      case 0:
        if (first) out += std::to_string(index + 1);
        break;
      case 1:
        report.appendPointLabel(triangle.vertex[at(angle)], out);
        break;
      case 2:
        out += kAngleNames[at(angle)];
        break;
      case 3:
        appendDms(triangle.observed[at(angle)], out);
        break;
      case 4:
        if (first) appendMask(triangle.closure, kMaskTwoDecimals, out);
        break;
      case 5:
        if (first) appendMask(limit, kMaskTwoDecimals, out);
        break;
      case 6:
        appendMask(triangle.correction(angle), kMaskTwoDecimals, out);
        break;
      default:
        appendDms(triangle.adjusted[at(angle)], out);
        break;
    }
  };
  table.note =
      "A 求距角，B 前进角，C 间隔角（位于方位角推算路线右侧时为负）。w = A + B + |C| − 180°；"
      "改正数 = 平差角 − 观测角（C 为其绝对值的改正），每个三角形三个改正数之和为 −w。"
      "限差是所选等级的三角形闭合差限差。";
  return table;
}

ReportTable coordinateTable(const RunReport& report) {
  ReportTable table;
  table.title = "平差后的座标";
  table.columns = {{"点号", 7, Align::Right},
                   {"点名", 14, Align::Left},
                   {"纵座标 X（米）", 16, Align::Right},
                   {"横座标 Y（米）", 16, Align::Right}};
  table.rows = listedPoints(report);
  table.cell = [&report](std::size_t row, std::size_t column, std::string& out) {
    const int point = report.firstListedPoint + static_cast<int>(row);
    switch (column) {
      case 0:
        out += std::to_string(point);
        break;
      case 1:
        report.appendPointLabel(point, out);
        break;
      case 2:
        appendMask(report.X[at(point)], kMaskCoordinate, out);
        break;
      default:
        appendMask(report.Y[at(point)], kMaskCoordinate, out);
        break;
    }
  };
  return table;
}

std::string ReportTable::cellText(std::size_t row, std::size_t column) const {
  std::string text;
  cell(row, column, text);
  return text;
}

std::vector<std::string> reportSummary(const RunReport& report) {
  const int row = report.kind.row;
  std::vector<std::string> lines = {
      "平差图形：第 " + std::to_string(row) + " 种（Cm" + std::to_string(row) + "），" +
          report.kind.description,
      "三角形个数：" + std::to_string(report.triangleCount()),
      "第二组条件：" + conditionList(report)};
  for (std::string& line : qualitySummary(report)) lines.push_back(std::move(line));
  return lines;
}

std::vector<ReportTable> reportTables(const RunReport& report) {
  std::vector<ReportTable> tables;
  tables.push_back(knownPointsTable(report));
  tables.push_back(knownValuesTable(report));
  if (std::optional<ReportTable> orientation = orientationTable(report)) {
    tables.push_back(std::move(*orientation));
  }
  tables.push_back(triangleTable(report));
  tables.push_back(conditionTable(report));
  tables.push_back(precisionTable(report));
  tables.push_back(coordinateTable(report));
  tables.push_back(triangleCheckTable(report));
  tables.push_back(conditionCheckTable(report));
  tables.push_back(pointPrecisionTable(report));
  return tables;
}

ReportTable coordinateCsvTable(const RunReport& report) {
  ReportTable table = withColumnsOf(withoutLeadingColumns(coordinateTable(report), 1),
                                    pointPrecisionTable(report), kColumnsBeforeFigures);
  table.columns = {{"点名", 14, Align::Left}, {"X", 16, Align::Right},  {"Y", 16, Align::Right},
                   {"mx", 8, Align::Right},   {"my", 8, Align::Right},  {"mp", 8, Align::Right},
                   {"E", 8, Align::Right},    {"F", 8, Align::Right},   {"φ", 8, Align::Right}};
  return table;
}

ResultsTables resultsTables(const RunReport& report) {
  ReportTable points =
      withColumnsOf(coordinateTable(report), pointPrecisionTable(report), kColumnsBeforeFigures);
  points.title = "平差后的座标和点位精度";
  return {triangleTable(report), conditionCheckTable(report), std::move(points)};
}

}  // namespace chainadj
