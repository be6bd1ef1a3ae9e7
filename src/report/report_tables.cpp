#include "report/report_tables.h"

#include <array>
#include <cmath>
#include <limits>
#include <span>

#include "report/chain_verdict.h"
#include "report/head_tables.h"
#include "report/method_summary.h"
#include "report/observation_checks.h"
#include "report/printed_corrections.h"
#include "report/quality_tables.h"
#include "report/reduction_tables.h"
#include "report/report_format.h"
#include "report/table_cells.h"
#include "adjust/condition_rows.h"
#include "state/constants.h"
#include "state/display_format.h"

namespace chainadj {
namespace {

using Rows = TableRows;

constexpr const char* kUnitMetres = " 米";
constexpr const char* kTypedSource = "已知";
constexpr const char* kDerivedSource = "推算";
// A known coordinate or side without its typed text: to the tenth of a millimetre as the form
// echoes a side.
constexpr int kUsualLengthDecimals = 4;
constexpr const char* kInfinity = "∞";
constexpr std::array<const char*, kAnglesPerTriangle> kAngleNames = {"A", "B", "C"};

// The coordinates after the number and the name of a point, then its precision.
constexpr std::size_t kColumnsBeforeFigures = 2;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

std::string typedName(const RunReport& report, int point) {
  if (point < 0 || point >= static_cast<int>(report.names.size())) return {};
  return report.names[at(point)];
}

// A number with the decimals it was typed with, or `usual` of them.
std::string withDecimals(double value, const std::optional<int>& decimals, int usual) {
  return fixedDecimals(value, decimals.value_or(usual));
}

ReportTable knownPointsTable(const RunReport& report) {
  Rows rows;
  for (const KnownPoint& point : report.known.points) {
    rows.push_back({std::string(1, point.letter), typedName(report, point.chainPoint),
                    withDecimals(point.x, point.xDecimals, kUsualLengthDecimals - 1),
                    withDecimals(point.y, point.yDecimals, kUsualLengthDecimals - 1)});
  }
  ReportTable table = writtenTable("已知点坐标",
                                   {{"已知点", 8, Align::Left},
                                    {"点名", 14, Align::Left},
                                    {"纵坐标 X（米）", 16, Align::Right},
                                    {"横坐标 Y（米）", 16, Align::Right}},
                                   std::move(rows));
  table.note = "已知值按输入时的小数位数列出。";
  return table;
}

std::string sourceOf(const KnownValue& value) {
  if (value.derivedFrom == nullptr) return kTypedSource;
  return std::string(kDerivedSource) + "（由 " + value.derivedFrom + " 的坐标）";
}

void addSide(Rows& rows, const char* label, const std::optional<KnownValue>& side) {
  if (!side) return;
  rows.push_back({label, withDecimals(side->value, side->decimals, kUsualLengthDecimals) + kUnitMetres,
                  sourceOf(*side)});
}

void addAzimuth(Rows& rows, const char* label, const std::optional<KnownValue>& azimuth) {
  if (!azimuth) return;
  std::string text;
  appendDms(azimuth->value, azimuth->decimals.value_or(kReportSecondDecimals), text);
  rows.push_back({label, std::move(text), sourceOf(*azimuth)});
}

ReportTable knownValuesTable(const RunReport& report) {
  const KnownData& known = report.known;
  Rows rows;
  addSide(rows, "始端基线 Sa", known.Sa);
  addSide(rows, "终端基线 Sb", known.Sb);
  addAzimuth(rows, "起始外方位角 Ta", known.Ta);
  addAzimuth(rows, "闭合外方位角 Tb", known.Tb);
  ReportTable table = writtenTable(
      "起算边长和方位角",
      {{"项目", 20, Align::Left}, {"数值", 20, Align::Right}, {"来源", 22, Align::Left}},
      std::move(rows));
  table.note = table.rows == 0 ? "本锁没有已知的边长和方位角。"
                               : "已知：输入的值（按输入的小数位数）；推算：由已知点的坐标反算。";
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
                                    {"数值", 22, Align::Right}},
                                   std::move(rows));
  if (table.rows == 0) {
    table.note = "本锁没有第二组条件：各角只按三角形闭合差改正，全锁按 A、B 两点缩放和旋转。";
  }
  return table;
}

// md is the form's estimate of the middle point's error from the weakest side alone; the point
// table has every point's own mp. Said with the mp of the point md is meant for.
std::string middlePointNote(const RunReport& report) {
  const std::optional<PrecisionFigures>& figures = report.precision.figures;
  if (!figures || !figures->md) return {};
  std::string note =
      "md 是窗体给出的近似值：锁中部点到 A 的距离 D 乘以最弱边相对中误差（md = D/T），只由最弱边"
      "的精度估算；点位中误差表的 mp 由每个点坐标的协因数严格算出，两者一般不相等";
  const int middle = middleTriangle(report.triangleCount()) + 1;
  if (const PointPrecision* precision = report.newPointPrecision(middle)) {
    note += "（锁中部的点 " + report.pointLabel(middle) + " 的 mp 为 " +
            masked(precision->mp * kMillimetresPerMetre, kMaskTwoDecimals, kUnitMillimetres) + "）";
  }
  return note + "。";
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
    rows.push_back({"最弱边对数中误差 mlogs", masked(figures->mlogs, kMaskTwoDecimals, kUnitSixthDecimal)});
    rows.push_back({"最弱边相对中误差 1/m",
                    "1/" + (figures->Tr ? formatWholeNumber(*figures->Tr) : std::string(kInfinity))});
    rows.push_back({"点位中误差 md", figures->md
                                         ? masked(*figures->md, kMaskTwoDecimals, kUnitMillimetres)
                                         : std::string(kInfinity) + kUnitMillimetres});
  }
  // Under the rigorous method these are still the form's figures, of the classical procedure.
  ReportTable table = writtenTable(
      report.rigorous ? "精度评定（条件分组平差，窗体显示的数值）" : "精度评定",
      {{"项目", 30, Align::Left}, {"数值", 22, Align::Right}}, std::move(rows));
  table.note = middlePointNote(report);
  return table;
}

// The columns of the triangle table; the method in use chooses which it has.
enum class TriangleColumn {
  Triangle, Vertex, Angle, Observed, Closure, Limit, First, Second, Total, Adjusted,
  Redundancy, Standardised, Mark,
};

// The rigorous table's three more columns leave the closure and the correction a short head.
TableColumn triangleColumn(TriangleColumn kind, bool rigorous) {
  switch (kind) {
    case TriangleColumn::Triangle: return {"三角形", 6, Align::Right};
    case TriangleColumn::Vertex: return {"点名", 10, Align::Left};
    case TriangleColumn::Angle: return {"角", 2, Align::Left};
    case TriangleColumn::Observed: return {"观测角", 14, Align::Right};
    case TriangleColumn::Closure:
      return rigorous ? TableColumn{"W（秒）", 8, Align::Right} : TableColumn{"闭合差 W（秒）", 14, Align::Right};
    case TriangleColumn::Limit: return {"限差（秒）", 10, Align::Right};
    case TriangleColumn::First: return {"v′（秒）", 8, Align::Right};
    case TriangleColumn::Second: return {"v″（秒）", 8, Align::Right};
    case TriangleColumn::Total:
      return rigorous ? TableColumn{"v（秒）", 8, Align::Right} : TableColumn{"改正数 v（秒）", 14, Align::Right};
    case TriangleColumn::Adjusted: return {"平差角", 14, Align::Right};
    case TriangleColumn::Redundancy: return {"r", 5, Align::Right};
    case TriangleColumn::Standardised: return {"w", 6, Align::Right};
    case TriangleColumn::Mark: break;
  }
  return {"备注", 8, Align::Left};
}

constexpr const char* kClassicalTriangleNote =
    "A 求距角，B 前进角，C 间隔角（位于方位角推算路线右侧时为负）。W = A + B + |C| − 180°；"
    "v′ = −W/3 为第一组（三角形条件）改正数，v″ 为第二组条件的改正数，改正数 v = v′ + v″ = "
    "平差角 − 观测角（C 为其绝对值的改正）。各列按凑整列出：每个三角形三个 v 之和与三个 v′ 之和"
    "都等于 −W，三个 v″ 之和为 0，平差角等于观测角加 v。限差是所选等级的三角形闭合差限差。";

constexpr const char* kRigorousTriangleNote =
    "A 求距角，B 前进角，C 间隔角（位于方位角推算路线右侧时为负）。W = A + B + |C| − 180°；"
    "改正数 v = 平差角 − 观测角（C 为其绝对值的改正），为严密平差的改正数，按凑整列出：每个三角形"
    "三个 v 之和等于 −W，平差角等于观测角加 v。r 为多余观测分量（0 到 1，越小越难由其他观测值"
    "检核），w = v/(σ0·√Qvv) 为标准化改正数，|w| > 3.29（α = 0.1 %）的观测值标为可能粗差。"
    "限差是所选等级的三角形闭合差限差。窗体显示的是条件分组平差的结果（v′、v″）。";

constexpr const char* kMaskRedundancy = "0.00";

// The standardised correction and its mark of a rigorous observation, where it has one.
void appendStandardised(const ReportRigorous& rigorous, const RigorousObservation& o,
                        bool mark, std::string& out) {
  if (!o.w) return;
  if (!mark) {
    appendMask(*o.w, kMaskTwoDecimals, out);
  } else if (rigorous.isSuspected(o)) {
    out += kSuspectedBlunderMark;
  }
}

// The printed columns of the triangle whose cells were written last: a row's cells, and the
// three rows of a triangle, are written one after another, and its rounding is worked out once.
struct PrintedCache {
  std::size_t triangle = std::numeric_limits<std::size_t>::max();
  PrintedTriangle printed;

  const PrintedTriangle& of(const RunReport& report, std::size_t index) {
    if (index != triangle) {
      printed = printedTriangle(report.triangles[index]);
      triangle = index;
    }
    return printed;
  }
};

// The cells of an angle's row that need no rounding of its triangle: the triangle's number, the
// point, the angle and the limit.
void appendNamingCell(const RunReport& report, std::size_t index, std::size_t angle,
                      TriangleColumn kind, std::string& out) {
  const bool first = angle == kDistanceAngle;
  switch (kind) {
    case TriangleColumn::Triangle:
      if (first) out += std::to_string(index + 1);
      break;
    case TriangleColumn::Vertex:
      report.appendPointLabel(report.triangles[index].vertex[angle], out);
      break;
    case TriangleColumn::Angle:
      out += kAngleNames[angle];
      break;
    default:
      if (first) appendMask(report.quality.settings.grade.triangleLimit, kMaskTwoDecimals, out);
      break;
  }
}

// The rigorous check of the angle: its redundancy number, its standardised correction, its mark.
void appendCheckCell(const ReportRigorous& rigorous, std::size_t index, std::size_t angle,
                     TriangleColumn kind, std::string& out) {
  const RigorousObservation& o = rigorous.angle(static_cast<int>(index) + 1, static_cast<int>(angle));
  if (kind == TriangleColumn::Redundancy) {
    appendMask(o.redundancy, kMaskRedundancy, out);
  } else {
    appendStandardised(rigorous, o, kind == TriangleColumn::Mark, out);
  }
}

// The angles, the closure and the corrections as they are printed to add up.
void appendPrintedCell(const PrintedTriangle& printed, std::size_t angle, bool negative,
                       TriangleColumn kind, std::string& out) {
  switch (kind) {
    case TriangleColumn::Observed:
      appendDmsOfHundredths(printed.observed[angle], negative, out);
      break;
    case TriangleColumn::Closure:
      if (angle == kDistanceAngle) appendHundredths(printed.closure, out);
      break;
    case TriangleColumn::First:
      appendHundredths(printed.first[angle], out);
      break;
    case TriangleColumn::Second:
      appendHundredths(printed.second[angle], out);
      break;
    case TriangleColumn::Total:
      appendHundredths(printed.total[angle], out);
      break;
    default:
      appendDmsOfHundredths(printed.adjusted[angle], negative, out);
      break;
  }
}

void appendTriangleCell(const RunReport& report, std::size_t row, TriangleColumn kind,
                        PrintedCache& cache, std::string& out) {
  const std::size_t index = row / kAnglesPerTriangle;
  const std::size_t angle = row % kAnglesPerTriangle;
  switch (kind) {
    case TriangleColumn::Triangle:
    case TriangleColumn::Vertex:
    case TriangleColumn::Angle:
    case TriangleColumn::Limit:
      appendNamingCell(report, index, angle, kind, out);
      return;
    case TriangleColumn::Redundancy:
    case TriangleColumn::Standardised:
    case TriangleColumn::Mark:
      appendCheckCell(*report.rigorous, index, angle, kind, out);
      return;
    default:
      appendPrintedCell(cache.of(report, index), angle, report.triangles[index].observed[angle] < 0.0,
                        kind, out);
      return;
  }
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
  using enum TriangleColumn;
  static constexpr TriangleColumn kClassical[] = {Triangle, Vertex,  Angle,  Observed, Closure,
                                                  Limit,    First,   Second, Total,    Adjusted};
  static constexpr TriangleColumn kRigorous[] = {Triangle, Vertex,   Angle,      Observed,
                                                 Closure,  Limit,    Total,      Adjusted,
                                                 Redundancy, Standardised, Mark};
  const std::span<const TriangleColumn> kinds =
      report.rigorous ? std::span<const TriangleColumn>(kRigorous) : kClassical;
  ReportTable table;
  table.title = "三角形观测角和平差角";
  for (TriangleColumn kind : kinds) table.columns.push_back(triangleColumn(kind, report.rigorous.has_value()));
  table.rows = report.triangles.size() * kAnglesPerTriangle;
  table.rowsPerGroup = kAnglesPerTriangle;
  // Each copy of the table keeps its own cache.
  table.cell = [&report, kinds, cache = PrintedCache{}](std::size_t row, std::size_t column,
                                                         std::string& out) mutable {
    appendTriangleCell(report, row, kinds[column], cache, out);
  };
  table.note = report.rigorous ? kRigorousTriangleNote : kClassicalTriangleNote;
  return table;
}

ReportTable coordinateTable(const RunReport& report) {
  ReportTable table;
  table.title = "平差后的坐标";
  table.columns = {{"点号", 7, Align::Right},
                   {"点名", 14, Align::Left},
                   {"纵坐标 X（米）", 16, Align::Right},
                   {"横坐标 Y（米）", 16, Align::Right}};
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

bool isOverLimitCell(const std::string& cell) {
  return cell == kOverLimitVerdict || cell == kSuspectedBlunderMark;
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
  for (std::string& line : methodLines(report)) lines.push_back(std::move(line));
  if (report.reduction) lines.push_back(reductionSettingsLine(report));
  for (std::string& line : qualitySummary(report)) lines.push_back(std::move(line));
  for (std::string& line : verdictLines(report)) lines.push_back(std::move(line));
  return lines;
}

std::vector<ReportTable> reportTables(const RunReport& report) {
  std::vector<ReportTable> tables;
  tables.push_back(knownPointsTable(report));
  tables.push_back(knownValuesTable(report));
  if (std::optional<ReportTable> orientation = orientationTable(report)) {
    tables.push_back(std::move(*orientation));
  }
  if (std::optional<ReportTable> ends = endObservationTable(report)) tables.push_back(std::move(*ends));
  if (report.reduction) {
    tables.push_back(angleReductionTable(report));
    if (std::optional<ReportTable> bases = baseReductionTable(report)) tables.push_back(std::move(*bases));
  }
  tables.push_back(triangleTable(report));
  tables.push_back(conditionTable(report));
  tables.push_back(precisionTable(report));
  tables.push_back(statisticsTable(report));
  tables.push_back(coordinateTable(report));
  tables.push_back(sideTable(report));
  tables.push_back(triangleCheckTable(report));
  tables.push_back(conditionCheckTable(report));
  tables.push_back(pointPrecisionTable(report));
  return tables;
}

ReportTable coordinateCsvTable(const RunReport& report) {
  ReportTable table =
      withColumnsOf(withoutLeadingColumns(coordinateTable(report), 1),
                    pointPrecisionTable(report, EllipseAzimuth::DecimalDegrees), kColumnsBeforeFigures);
  table.columns = {{"点名", 14, Align::Left}, {"X", 16, Align::Right},  {"Y", 16, Align::Right},
                   {"mx", 8, Align::Right},   {"my", 8, Align::Right},  {"mp", 8, Align::Right},
                   {"E", 8, Align::Right},    {"F", 8, Align::Right},   {"φ", 8, Align::Right}};
  return table;
}

ResultsTables resultsTables(const RunReport& report) {
  ReportTable points =
      withColumnsOf(coordinateTable(report), pointPrecisionTable(report), kColumnsBeforeFigures);
  points.title = "平差后的坐标和点位精度";
  return {triangleTable(report), conditionCheckTable(report), std::move(points), sideTable(report)};
}

}  // namespace chainadj
