// The report as plain UTF-8 text, for the console and as a file: the title, what was adjusted,
// then every table in columns aligned for a fixed-pitch face (a Chinese character two columns).
#pragma once

#include <iosfwd>
#include <string>

#include "report/run_report.h"

namespace chainadj {

void writeTextReport(const RunReport& report, std::ostream& out);

// Writes the report to the file at `path`, replacing a file there only once it is complete;
// throws ChainError with a Chinese message when it cannot be written.
void writeTextReportFile(const RunReport& report, const std::string& path);

}  // namespace chainadj
