// The head of the report and its two sections of figures a checker signs for: the project
// (项目信息) with the program that computed it, the signature lines, every side of the chain
// with its length, azimuth and precision (边长及方位角成果表) and the unit-weight statistics with
// the global test.
#pragma once

#include <string>

#include "report/report_tables.h"

namespace chainadj {

// The project, the grade and the program: two columns, what and its text ("" where not given,
// to be filled in by hand).
ReportTable projectTable(const RunReport& report);

// The lines the computer and the checker sign on.
inline constexpr const char* kSignatureLine =
    "计算者（签名）：________________        检查者（签名）：________________";

// Every side from point to point: the two points, the adjusted length, the azimuth in
// D°MM′SS.SS″, the relative mean error 1/T and the azimuth mean error in seconds ("—" where the
// method gives none).
ReportTable sideTable(const RunReport& report);

// The method, the a-priori and a-posteriori unit-weight mean errors, r, [pvv] and the global test.
ReportTable statisticsTable(const RunReport& report);

// Said where a precision is not given.
inline constexpr const char* kNoFigure = "—";

}  // namespace chainadj
