// The results as the sheets of a spreadsheet workbook: 坐标成果, 边长方位角, 角度, 闭合差 and
// 项目信息. A number is a number, rounded as the report prints it and with the number format that
// shows it so, for the spreadsheet to compute with; an angle is its D°MM′SS.SS″ text beside its
// value in decimal degrees. A cell is made on demand, so a sheet of 300 000 rows costs no more
// memory than one cell.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "report/run_report.h"

namespace chainadj {

struct SheetCell {
  enum class Kind { Empty, Text, Number };
  Kind kind = Kind::Empty;
  std::string text;
  double number = 0;
  const char* format = nullptr;  // the number format, as a spreadsheet writes it ("0.000")
};

struct SheetColumn {
  const char* header;
  double width;  // in characters of the default face
  std::function<void(std::size_t row, SheetCell& cell)> value;
};

struct WorkbookSheet {
  const char* name;
  std::vector<SheetColumn> columns;
  std::size_t rows = 0;
};

// The number formats the sheets use.
inline constexpr const char* kFormatWhole = "0";
inline constexpr const char* kFormatMetres = "0.000";           // to the millimetre
inline constexpr const char* kFormatHundredths = "0.00";        // mm, seconds, closures
inline constexpr const char* kFormatDegrees = "0.00000000";     // decimal degrees, 0.00004″
inline constexpr const char* kFormatRelativeError = "\"1/\"0";  // T shown as 1/T

// The sheets in order. They refer to the report, which must outlive them.
std::vector<WorkbookSheet> resultsWorkbookSheets(const RunReport& report);

}  // namespace chainadj
