// What the tables of the report are made of: a small table whose cells are all known
// beforehand, the cells of numbers with their units, the words of each kind of condition, and
// tables put together from the columns of others with the same rows.
#pragma once

#include <string>
#include <vector>

#include "adjust/second_group.h"
#include "report/report_tables.h"

namespace chainadj {

using TableRows = std::vector<std::vector<std::string>>;

ReportTable writtenTable(std::string title, std::vector<TableColumn> columns, TableRows rows);

// The value with the display mask, then the unit text (" 秒", " 米", ...).
std::string masked(double value, const char* mask, const char* unit = "");
// The value rounded to `decimals` decimals (halves to even) and written with them all.
std::string fixedDecimals(double value, int decimals);
// An angle in decimal degrees as D°MM′SS.SS″.
std::string dms(double degrees);

// A length in metres as millimetres to the hundredth; nothing for a value that is not finite.
void appendMillimetres(double metres, std::string& out);

struct ConditionWords {
  const char* name;     // 方位角条件, 边条件, ...
  const char* closure;  // W_α, W_S, W_x, W_y
  const char* unit;     // the unit its closure is shown in
};
ConditionWords wordsOf(ConditionKind kind);

// The table without its first `count` columns.
ReportTable withoutLeadingColumns(ReportTable table, std::size_t count);
// `left` with the columns `from`.. of `right` after its own; the two have the same rows.
ReportTable withColumnsOf(ReportTable left, const ReportTable& right, std::size_t from);

}  // namespace chainadj
