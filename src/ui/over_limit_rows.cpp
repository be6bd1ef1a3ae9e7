#include "ui/over_limit_rows.h"

#include <algorithm>

#include "quality/closure_checks.h"

namespace chainadj::ui {
namespace {

// Flags the `group`'s rows of `table`.
void flagGroup(const ReportTable& table, std::size_t group, std::vector<bool>& rows) {
  const std::size_t first = group * table.rowsPerGroup;
  const std::size_t end = std::min(first + table.rowsPerGroup, rows.size());
  for (std::size_t row = first; row < end; ++row) rows[row] = true;
}

}  // namespace

std::vector<bool> overLimitRows(const ReportTable& table) {
  std::vector<bool> rows(table.rows, false);
  if (table.columns.empty() || table.rowsPerGroup == 0) return rows;
  const std::size_t last = table.columns.size() - 1;
  std::string cell;
  for (std::size_t row = 0; row < table.rows; ++row) {
    cell.clear();
    table.cell(row, last, cell);
    if (isOverLimitCell(cell)) flagGroup(table, row / table.rowsPerGroup, rows);
  }
  return rows;
}

std::vector<bool> overLimitTriangleRows(const ReportTable& table, const RunReport& report) {
  std::vector<bool> rows = overLimitRows(table);
  if (table.rowsPerGroup == 0) return rows;
  for (const TriangleCheck& triangle : report.quality.closures.triangles) {
    if (!triangle.check.withinLimit() && triangle.triangle >= 1) {
      flagGroup(table, static_cast<std::size_t>(triangle.triangle - 1), rows);
    }
  }
  return rows;
}

}  // namespace chainadj::ui
