#include "report/method_summary.h"

#include "report/table_cells.h"
#include "state/constants.h"
#include "state/display_format.h"

namespace chainadj {
namespace {

std::string millimetres(double metres) {
  return masked(metres * kMillimetresPerMetre, kMaskTwoDecimals, kUnitMillimetres);
}

std::string differenceLine(const RunReport& report, const CoordinateDifference& d) {
  return "严密平差与条件分组平差的坐标之差：最大在 " + report.pointLabel(d.point) + " 点，" +
         millimetres(d.length()) + "（ΔX = " + millimetres(d.dx) + "，ΔY = " + millimetres(d.dy) +
         "，严密平差减条件分组平差）";
}

}  // namespace

std::vector<std::string> methodLines(const RunReport& report) {
  const ReportMethod& method = report.method;
  std::string line = std::string("平差方法：") + methodName(method.chosen) + "（" + method.reason + "）";
  if (!method.fallback.empty()) {
    return {line + "未能给出成果：" + method.fallback + "本报告给出条件分组平差的成果。"};
  }
  if (!report.rigorous) return {line};
  std::vector<std::string> lines = {line + "；窗体显示的是条件分组平差的结果"};
  if (report.rigorous->largestDifference) {
    lines.push_back(differenceLine(report, *report.rigorous->largestDifference));
  }
  return lines;
}

}  // namespace chainadj
