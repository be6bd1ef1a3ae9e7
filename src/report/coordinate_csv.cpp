#include "report/coordinate_csv.h"

#include <algorithm>
#include <ostream>

#include "state/whole_file.h"
#include "report/report_tables.h"

namespace chainadj {
namespace {

constexpr char kSeparator = ',';
constexpr char kQuote = '"';

// One pass over the cell (find_first_of would search the four characters once for each of its).
bool needsQuotes(const std::string& cell) {
  return std::any_of(cell.begin(), cell.end(), [](char ch) {
    return ch == kSeparator || ch == kQuote || ch == '\r' || ch == '\n';
  });
}

// A quoted cell doubles its quotes.
void appendField(const std::string& cell, std::string& line) {
  if (!needsQuotes(cell)) {
    line += cell;
    return;
  }
  line += kQuote;
  for (char ch : cell) {
    if (ch == kQuote) line += kQuote;
    line += ch;
  }
  line += kQuote;
}

}  // namespace

void writeCoordinateCsv(const RunReport& report, std::ostream& out, ByteOrderMark mark) {
  const ReportTable table = coordinateCsvTable(report);
  std::string line = mark == ByteOrderMark::With ? kUtf8ByteOrderMark : "";
  for (std::size_t c = 0; c < table.columns.size(); ++c) {
    if (c > 0) line += kSeparator;
    appendField(table.columns[c].header, line);
  }
  line += '\n';
  out << line;
  std::string cell;
  for (std::size_t row = 0; row < table.rows; ++row) {
    line.clear();
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
      if (c > 0) line += kSeparator;
      cell.clear();
      table.cell(row, c, cell);
      appendField(cell, line);
    }
    line += '\n';
    out << line;
  }
}

void writeCoordinateCsvFile(const RunReport& report, const std::string& path, ByteOrderMark mark) {
  writeWholeFile(path, "不能写入座标文件 “" + path + "”。",
                 [&report, mark](std::ostream& file) { writeCoordinateCsv(report, file, mark); });
}

}  // namespace chainadj
