#include "report/results_workbook.h"

#include <xlsxwriter.h>

#include <map>
#include <string>

#include "report/report_tables.h"
#include "report/workbook_sheets.h"
#include "state/whole_file.h"

namespace chainadj {
namespace {

constexpr lxw_row_t kHeadRow = 0;
constexpr lxw_row_t kFirstRow = 1;  // the rows under the frozen head
constexpr lxw_col_t kFirstColumn = 0;

// The workbook of a file being written; closed (and so written) by close(), or else discarded.
class Workbook {
 public:
  explicit Workbook(const std::string& name) {
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;  // rows go out as they are written
    workbook_ = workbook_new_opt(name.c_str(), &options);
    if (workbook_ == nullptr) return;
    head_ = workbook_add_format(workbook_);
    format_set_bold(head_);
  }
  ~Workbook() {
    if (workbook_ != nullptr) workbook_close(workbook_);
  }
  Workbook(const Workbook&) = delete;
  Workbook& operator=(const Workbook&) = delete;

  bool opened() const { return workbook_ != nullptr; }

  bool write(const WorkbookSheet& sheet) {
    lxw_worksheet* worksheet = workbook_add_worksheet(workbook_, sheet.name);
    if (worksheet == nullptr) return false;
    bool written = true;
    for (lxw_col_t c = 0; c < sheet.columns.size(); ++c) {
      const SheetColumn& column = sheet.columns[c];
      written &= worksheet_set_column(worksheet, c, c, column.width, nullptr) == LXW_NO_ERROR;
      written &=
          worksheet_write_string(worksheet, kHeadRow, c, column.header, head_) == LXW_NO_ERROR;
    }
    worksheet_freeze_panes(worksheet, kFirstRow, kFirstColumn);
    SheetCell cell;
    for (std::size_t row = 0; row < sheet.rows && written; ++row) {
      for (lxw_col_t c = 0; c < sheet.columns.size(); ++c) {
        cell = SheetCell{};
        sheet.columns[c].value(row, cell);
        written &= writeCell(worksheet, static_cast<lxw_row_t>(kFirstRow + row), c, cell);
      }
    }
    return written;
  }

  // Writes the file; false when it could not be.
  bool close() {
    lxw_workbook* workbook = workbook_;
    workbook_ = nullptr;
    return workbook_close(workbook) == LXW_NO_ERROR;
  }

  void setTitle(const char* title, const std::string& comments) {
    properties_.title = const_cast<char*>(title);  // the library copies them
    properties_.comments = const_cast<char*>(comments.c_str());
    workbook_set_properties(workbook_, &properties_);
  }

 private:
  bool writeCell(lxw_worksheet* worksheet, lxw_row_t row, lxw_col_t column, const SheetCell& cell) {
    switch (cell.kind) {
      case SheetCell::Kind::Text:
        return worksheet_write_string(worksheet, row, column, cell.text.c_str(), nullptr) ==
               LXW_NO_ERROR;
      case SheetCell::Kind::Number:
        return worksheet_write_number(worksheet, row, column, cell.number,
                                      numberFormat(cell.format)) == LXW_NO_ERROR;
      case SheetCell::Kind::Empty:
        break;
    }
    return true;
  }

  lxw_format* numberFormat(const char* format) {
    if (format == nullptr) return nullptr;
    auto [place, added] = formats_.try_emplace(format, nullptr);
    if (added) {
      place->second = workbook_add_format(workbook_);
      format_set_num_format(place->second, format);
    }
    return place->second;
  }

  lxw_workbook* workbook_ = nullptr;
  lxw_format* head_ = nullptr;
  std::map<std::string, lxw_format*> formats_;
  lxw_doc_properties properties_{};
};

bool writeWorkbook(const RunReport& report, const std::string& name) {
  Workbook workbook(name);
  if (!workbook.opened()) return false;
  workbook.setTitle(kReportTitle, std::string(kProgramName) + " " + programVersion());
  for (const WorkbookSheet& sheet : resultsWorkbookSheets(report)) {
    if (!workbook.write(sheet)) return false;
  }
  return workbook.close();
}

}  // namespace

void writeResultsWorkbookFile(const RunReport& report, const std::string& path) {
  writeWholeFileByName(path, "不能写入 Excel 成果表 “" + path + "”。",
                       [&report](const std::string& name) { return writeWorkbook(report, name); });
}

}  // namespace chainadj
