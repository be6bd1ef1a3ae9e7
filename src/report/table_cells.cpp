#include "report/table_cells.h"

#include <cmath>
#include <memory>

#include "report/report_format.h"
#include "state/constants.h"
#include "state/display_format.h"

namespace chainadj {

ReportTable writtenTable(std::string title, std::vector<TableColumn> columns, TableRows rows) {
  auto cells = std::make_shared<const TableRows>(std::move(rows));
  ReportTable table;
  table.title = std::move(title);
  table.columns = std::move(columns);
  table.rows = cells->size();
  table.cell = [cells](std::size_t row, std::size_t column, std::string& out) {
    out += (*cells)[row][column];
  };
  return table;
}

std::string masked(double value, const char* mask, const char* unit) {
  std::string text;
  appendWithUnit(value, mask, unit, text);
  return text;
}

std::string fixedDecimals(double value, int decimals) {
  if (decimals <= 0) return formatRoundedPlain(value, 0);
  return formatMask(value, "0." + std::string(static_cast<std::size_t>(decimals), '0'));
}

std::string dms(double degrees) {
  std::string text;
  appendDms(degrees, text);
  return text;
}

void appendMillimetres(double metres, std::string& out) {
  const double millimetres = metres * kMillimetresPerMetre;
  if (std::isfinite(millimetres)) appendMask(millimetres, kMaskTwoDecimals, out);
}

ConditionWords wordsOf(ConditionKind kind) {
  switch (kind) {
    case ConditionKind::Azimuth:
      return {"方位角条件", "W_α", kUnitSeconds};
    case ConditionKind::Side:
      return {"边条件", "W_S", kUnitSixthDecimal};
    case ConditionKind::X:
      return {"纵坐标条件", "W_x", kUnitMillimetres};
    case ConditionKind::Y:
      break;
  }
  return {"横坐标条件", "W_y", kUnitMillimetres};
}

ReportTable withoutLeadingColumns(ReportTable table, std::size_t count) {
  table.columns.erase(table.columns.begin(),
                      table.columns.begin() + static_cast<std::ptrdiff_t>(count));
  table.cell = [cells = std::move(table.cell), count](std::size_t row, std::size_t column,
                                                      std::string& out) {
    cells(row, column + count, out);
  };
  return table;
}

ReportTable withColumnsOf(ReportTable left, const ReportTable& right, std::size_t from) {
  const std::size_t own = left.columns.size();
  left.columns.insert(left.columns.end(),
                      right.columns.begin() + static_cast<std::ptrdiff_t>(from),
                      right.columns.end());
  left.cell = [leftCells = std::move(left.cell), rightCells = right.cell, own, from](
                  std::size_t row, std::size_t column, std::string& out) {
    if (column < own) {
      leftCells(row, column, out);
    } else {
      rightCells(row, column - own + from, out);
    }
  };
  return left;
}

}  // namespace chainadj
