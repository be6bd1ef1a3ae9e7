#include "report/text_report.h"

#include <ostream>

#include "entry/whole_file.h"
#include "report/report_format.h"
#include "report/report_tables.h"

namespace chainadj {
namespace {

constexpr const char* kColumnGap = "  ";

void appendPadding(int columns, std::string& line) {
  if (columns > 0) line.append(static_cast<std::size_t>(columns), ' ');
}

// The cell in its column: padded to the column's width on the side away from its alignment.
void appendCell(const TableColumn& column, const std::string& cell, std::string& line) {
  const int padding = column.width - displayWidth(cell);
  if (column.align == Align::Right) appendPadding(padding, line);
  line += cell;
  if (column.align == Align::Left) appendPadding(padding, line);
}

// Blanks at the end of a line (a left-aligned last column) are left out.
void endLine(std::string& line, std::ostream& out) {
  const std::size_t end = line.find_last_not_of(' ');
  line.erase(end == std::string::npos ? 0 : end + 1);
  line += '\n';
  out << line;
}

void writeUnderlined(const std::string& text, char rule, std::ostream& out) {
  out << text << '\n' << std::string(static_cast<std::size_t>(displayWidth(text)), rule) << '\n';
}

void writeHeader(const ReportTable& table, std::string& line, std::ostream& out) {
  line.clear();
  for (std::size_t c = 0; c < table.columns.size(); ++c) {
    if (c > 0) line += kColumnGap;
    appendCell(table.columns[c], table.columns[c].header, line);
  }
  endLine(line, out);
  line.clear();
  for (std::size_t c = 0; c < table.columns.size(); ++c) {
    if (c > 0) line += kColumnGap;
    line.append(static_cast<std::size_t>(table.columns[c].width), '-');
  }
  endLine(line, out);
}

void writeTable(const ReportTable& table, std::ostream& out) {
  writeUnderlined(table.title, '-', out);
  std::string line;
  std::string cell;
  if (table.rows > 0) {
    writeHeader(table, line, out);
    for (std::size_t row = 0; row < table.rows; ++row) {
      line.clear();
      for (std::size_t c = 0; c < table.columns.size(); ++c) {
        if (c > 0) line += kColumnGap;
        cell.clear();
        table.cell(row, c, cell);
        appendCell(table.columns[c], cell, line);
      }
      endLine(line, out);
    }
  }
  if (!table.note.empty()) out << table.note << '\n';
  out << '\n';
}

}  // namespace

void writeTextReport(const RunReport& report, std::ostream& out) {
  writeUnderlined(kReportTitle, '=', out);
  out << '\n';
  for (const std::string& line : reportSummary(report)) out << line << '\n';
  out << '\n';
  for (const ReportTable& table : reportTables(report)) writeTable(table, out);
}

void writeTextReportFile(const RunReport& report, const std::string& path) {
  writeWholeFile(path, "不能写入成果报告 “" + path + "”。",
                 [&report](std::ostream& file) { writeTextReport(report, file); });
}

}  // namespace chainadj
