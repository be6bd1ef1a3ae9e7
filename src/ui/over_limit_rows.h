// The rows of a results table that are over their limit, as 只看超限 keeps them: a row whose
// verdict or mark, in the table's last column, is 超限 or 可能粗差, with the other rows of its
// group (the three angles of a triangle); in the triangle table also the three rows of every
// triangle whose closure is over the grade's limit.
#pragma once

#include <string>
#include <vector>

#include "report/report_tables.h"
#include "report/run_report.h"

namespace chainadj::ui {

// One flag per row of `table`, by the verdicts and marks of its last column.
std::vector<bool> overLimitRows(const ReportTable& table);

// The same for the triangle table of `report`, whose closures are checked against their limit.
std::vector<bool> overLimitTriangleRows(const ReportTable& table, const RunReport& report);

}  // namespace chainadj::ui
