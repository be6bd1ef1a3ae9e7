#include "report/text_report.h"

#include <ostream>

#include "state/whole_file.h"
#include "report/head_tables.h"
#include "report/report_format.h"
#include "report/report_tables.h"

namespace chainadj {
namespace {

constexpr const char* kColumnGap = "  ";

// Pads the cell that starts at `cellStart` of `line` (its end) to its column's width, on the
// side away from its alignment.
void padCell(const TableColumn& column, std::size_t cellStart, std::string& line) {
  const int padding = column.width - displayWidth(std::string_view(line).substr(cellStart));
  if (padding <= 0) return;
  if (column.align == Align::Right) {
    line.insert(cellStart, static_cast<std::size_t>(padding), ' ');
  } else {
    line.append(static_cast<std::size_t>(padding), ' ');
  }
}

// Blanks at the end of a line (a left-aligned last column) are left out.
void endLine(std::string& line) {
  const std::size_t end = line.find_last_not_of(' ');
  line.erase(end == std::string::npos ? 0 : end + 1);
  line += '\n';
}

void writeUnderlined(const std::string& text, char rule, std::ostream& out) {
  out << text << '\n' << std::string(static_cast<std::size_t>(displayWidth(text)), rule) << '\n';
}

void writeHeader(const ReportTable& table, std::string& line, std::ostream& out) {
  line.clear();
  for (std::size_t c = 0; c < table.columns.size(); ++c) {
    if (c > 0) line += kColumnGap;
    const std::size_t cellStart = line.size();
    line += table.columns[c].header;
    padCell(table.columns[c], cellStart, line);
  }
  endLine(line);
  out << line;
  line.clear();
  for (std::size_t c = 0; c < table.columns.size(); ++c) {
    if (c > 0) line += kColumnGap;
    line.append(static_cast<std::size_t>(table.columns[c].width), '-');
  }
  endLine(line);
  out << line;
}

// The line of one row, ended. A cell is written in place, then padded.
void makeRowLine(const ReportTable& table, std::size_t row, std::string& line) {
  line.clear();
  for (std::size_t c = 0; c < table.columns.size(); ++c) {
    if (c > 0) line += kColumnGap;
    const std::size_t cellStart = line.size();
    table.cell(row, c, line);
    padCell(table.columns[c], cellStart, line);
  }
  endLine(line);
}

void writeTable(const ReportTable& table, std::ostream& out) {
  writeUnderlined(table.title, '-', out);
  if (table.rows > 0) {
    std::string line;
    writeHeader(table, line, out);
    for (std::size_t row = 0; row < table.rows; ++row) {
      makeRowLine(table, row, line);
      out << line;
    }
  }
  if (!table.note.empty()) out << table.note << '\n';
  out << '\n';
}

}  // namespace

void writeTextReport(const RunReport& report, std::ostream& out) {
  writeUnderlined(kReportTitle, '=', out);
  out << '\n';
  writeTable(projectTable(report), out);
  out << kSignatureLine << "\n\n";
  for (const std::string& line : reportSummary(report)) out << line << '\n';
  out << '\n';
  for (const ReportTable& table : reportTables(report)) writeTable(table, out);
}

void writeTextReportFile(const RunReport& report, const std::string& path) {
  writeWholeFile(path, "不能写入成果报告 “" + path + "”。",
                 [&report](std::ostream& file) { writeTextReport(report, file); });
}

}  // namespace chainadj
