#include "report/head_tables.h"

#include <cmath>

#include "report/report_format.h"
#include "report/table_cells.h"
#include "state/display_format.h"

namespace chainadj {
namespace {

constexpr const char* kMaskSideLength = "0.000";   // metres, to the millimetre
constexpr const char* kMaskAzimuthError = "0.00";  // seconds

std::string seconds(double value) { return masked(value, kMaskTwoDecimals, kUnitSeconds); }

constexpr const char* kClassicalStatisticsNote =
    "条件分组平差的改正数：第一组 v′ = −w/3（三角形闭合差的分配），第二组 v″（所选图形的"
    "条件方程式）；[pvv] = Σ(v′ + v″)²，以一个观测角的权为单位权；r 为条件方程式的个数。";
constexpr const char* kRigorousStatisticsNote =
    "严密平差的观测值：3n 个三角形内角（中误差 mβ），所选图形的定向角（mβ）、输入的外方位角"
    "（mα）和基线（起算边长中误差），无误差的作为固定值；[pvv] 以一个观测角的权为单位权，"
    "r 为观测方程的个数减待定点坐标的个数。";

TableRows statisticsRows(const UnitWeightStatistics& s) {
  TableRows rows = {
      {"验前单位权中误差 σ0（测角中误差 mβ）", seconds(s.sigma0)},
      {"验后单位权中误差 m0 = √([pvv]/r)", s.redundancy > 0 ? seconds(s.m0) : kNoFigure},
      {"多余观测数 r", std::to_string(s.redundancy)},
      {"[pvv]（秒²）", masked(s.pvv, kMaskTwoDecimals)},
  };
  if (!s.test) {
    rows.push_back({"全局检验（χ²）", "没有多余观测，不能检验"});
    return rows;
  }
  rows.push_back({"χ² 统计量 r·m0²/σ0²", masked(s.test->value, kMaskTwoDecimals)});
  rows.push_back({"χ² 区间（95 %，双侧）", masked(s.test->lower, kMaskTwoDecimals) + " 至 " +
                                               masked(s.test->upper, kMaskTwoDecimals)});
  const char* verdict = s.test->passed                   ? "通过"
                        : s.test->value > s.test->upper ? "不通过（m0 显著大于 σ0）"
                                                        : "不通过（m0 显著小于 σ0）";
  rows.push_back({"全局检验", verdict});
  return rows;
}

}  // namespace

ReportTable projectTable(const RunReport& report) {
  TableRows rows;
  const ProjectInfo& project = report.project;
  for (const ProjectField& field : projectFields()) {
    rows.push_back({field.label, project.*field.text});
    if (field.text == &ProjectInfo::chainName) {
      rows.push_back({"等级", report.quality.settings.grade.name});
    }
  }
  rows.push_back({"计算程序", std::string(kProgramName) + " " + programVersion()});
  return writtenTable("项目信息", {{"项目", 12, Align::Left}, {"内容", 50, Align::Left}},
                      std::move(rows));
}

ReportTable sideTable(const RunReport& report) {
  ReportTable table;
  table.title = "边长及方位角成果表";
  table.columns = {{"边号", 7, Align::Right},          {"起点", 12, Align::Left},
                   {"终点", 12, Align::Left},          {"边长（米）", 14, Align::Right},
                   {"方位角", 15, Align::Right},        {"相对中误差", 12, Align::Right},
                   {"方位角中误差（秒）", 18, Align::Right}};
  table.rows = report.sides.size();
  table.cell = [&report](std::size_t row, std::size_t column, std::string& out) {
    const SidePrecision& side = report.sides[row];
    switch (column) {
      case 0:
        out += std::to_string(row + 1);
        break;
      case 1:
        report.appendPointLabel(side.side.from, out);
        break;
      case 2:
        report.appendPointLabel(side.side.to, out);
        break;
      case 3:
        appendMask(side.length, kMaskSideLength, out);
        break;
      case 4:
        appendDms(side.azimuth, out);
        break;
      case 5:
        if (side.relative) {
          out += "1/";
          out += formatWholeNumber(*side.relative);
        } else {
          out += kNoFigure;
        }
        break;
      default:
        if (side.azimuthMeanError) {
          appendMask(*side.azimuthMeanError, kMaskAzimuthError, out);
        } else {
          out += kNoFigure;
        }
        break;
    }
  };
  table.note = "边长和方位角由平差后的坐标反算，方位角由起点到终点、从纵坐标 X 的正方向顺时针量。"
               "相对中误差 1/T 和方位角中误差由平差的协因数得出；“—”表示本方法没有给出。";
  return table;
}

ReportTable statisticsTable(const RunReport& report) {
  const ReportStatistics& statistics = report.statistics;
  TableRows rows = {{"平差方法", statistics.method}};
  for (std::vector<std::string>& row : statisticsRows(statistics.unitWeight)) rows.push_back(std::move(row));
  ReportTable table = writtenTable("平差统计和全局检验",
                                   {{"项目", 36, Align::Left}, {"数值", 30, Align::Right}},
                                   std::move(rows));
  table.note = std::string(report.rigorous ? kRigorousStatisticsNote : kClassicalStatisticsNote) +
               "全局检验：r·m0²/σ0² 落在 χ²(r) 分布双侧 95 % 区间内为通过。";
  return table;
}

}  // namespace chainadj
