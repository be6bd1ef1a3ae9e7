// What the window shows of a completed run at a glance: its outcome in one line for the status
// bar, and which of the form's boxes show a value over its limit.
#pragma once

#include <string>
#include <vector>

#include "report/run_report.h"

namespace chainadj {

inline constexpr const char* kChecksPassedStatus = "检核合格";

// "检核合格（四等，严密平差）", or what is over its limit: "超限：三角形 3、7 的闭合差；方位角
// 条件闭合差；全局检验不通过（验后单位权中误差过大）（四等，严密平差）". At most
// kNamedTrianglesInStatus triangles are named ("三角形 1、2、…、8 等 10 个三角形的闭合差").
std::string runStatusLine(const RunReport& report);
inline constexpr std::size_t kNamedTrianglesInStatus = 8;

// The form's boxes whose value is over its limit: the triangle closure w(n) the form shows last
// (Text25), the condition closures (Text13..Text16), the angle mean error of the closures against
// the grade's mβ (Text17) and the weakest side's 1/Tr against the grade's limit (Text20).
std::vector<int> formBoxesOverLimit(const RunReport& report);

}  // namespace chainadj
