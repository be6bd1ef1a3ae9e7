// The report as its writers lay it out: a title, a few lines that say what was adjusted, and the
// tables in order. The text report, the PDF and the CSV file write the same tables, so a column
// added here shows in all of them. A cell is written on demand into a buffer the writer reuses:
// a table of 300 000 rows costs no more memory than one row.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "report/run_report.h"

namespace chainadj {

inline constexpr const char* kReportTitle = "三角锁（线形锁）近似平差成果报告";
// The unit of a logarithmic closure or mean error in the report: units of the sixth decimal of a
// common logarithm (the form says "单位").
inline constexpr const char* kUnitSixthDecimal = " 对数第六位单位";

enum class Align { Left, Right };

struct TableColumn {
  const char* header;
  int width;  // display columns in the text report; in the PDF each column's share of the line
  Align align;
};

// Appends the text of the cell in `row` and `column` to `out`.
using CellWriter = std::function<void(std::size_t row, std::size_t column, std::string& out)>;

struct ReportTable {
  std::string title;
  std::vector<TableColumn> columns;
  std::size_t rows = 0;
  std::size_t rowsPerGroup = 1;  // rows that belong together: the three angles of a triangle
  CellWriter cell;
  std::string note;  // said under the table; "" for none

  std::string cellText(std::size_t row, std::size_t column) const;
};

// Whether a cell says that its row is over its limit: the verdict 超限, or the mark 可能粗差. The
// writers show such a cell emphasised, and 只看超限 keeps its row.
bool isOverLimitCell(const std::string& cell);

// The lines under the head: the kind of adjustment, the number of triangles, the conditions,
// then how the chain passed its quality check (the triangles over their limit named first), the
// weakest side and the largest point error, the global test and the conclusion.
std::vector<std::string> reportSummary(const RunReport& report);

// The tables in order: known points, known values, orientation angles (where the run had them),
// triangles, second-group closures, precision figures, the unit-weight statistics, adjusted
// coordinates, every side, then the quality check: the triangle closures against their limit
// (those over it first), the angle mean error and the condition closures against theirs, the
// precision of every point. The project's table heads them all (head_tables.h). The tables refer
// to the report, which must outlive them.
std::vector<ReportTable> reportTables(const RunReport& report);

// Every triangle's three angles: the point at each, observed, W and its limit, the corrections
// v′ and v″ of the two groups and their sum v, adjusted; rounded so that they add up as printed.
ReportTable triangleTable(const RunReport& report);
// The listed points: number, name, X, Y.
ReportTable coordinateTable(const RunReport& report);

// The adjusted coordinates as the CSV file has them: 点名, X, Y, then mx, my, mp, E, F in
// millimetres and φ in degrees (empty for a known point), one row per listed point.
ReportTable coordinateCsvTable(const RunReport& report);

// The window's results table: the triangles, the closures of the check, the points with their
// coordinates and precision, every side.
struct ResultsTables {
  ReportTable triangles;
  ReportTable conditions;
  ReportTable points;
  ReportTable sides;
};
ResultsTables resultsTables(const RunReport& report);

}  // namespace chainadj
