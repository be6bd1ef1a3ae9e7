// The results as an Excel workbook (.xlsx) written by libxlsxwriter: the sheets of
// workbook_sheets.h, each with its column heads in bold and frozen above the rows, numbers as
// numbers with their number formats.
#pragma once

#include <string>

#include "report/run_report.h"

namespace chainadj {

// Writes the workbook at `path`, replacing a file there only once it is complete; throws
// ChainError with a Chinese message when it cannot be written.
void writeResultsWorkbookFile(const RunReport& report, const std::string& path);

}  // namespace chainadj
