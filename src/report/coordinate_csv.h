// The adjusted coordinates as CSV, the form a surveyor pastes into a spreadsheet or a CAD
// program: UTF-8, the header 点名,X,Y, then one listed point a line with its coordinates to the
// millimetre, exactly as the coordinate listing shows them. A name with a comma, a quote or a
// line break is quoted.
#pragma once

#include <iosfwd>
#include <string>

#include "report/run_report.h"

namespace chainadj {

void writeCoordinateCsv(const RunReport& report, std::ostream& out);

// Writes the CSV file at `path`, replacing a file there only once it is complete; throws
// ChainError with a Chinese message when it cannot be written.
void writeCoordinateCsvFile(const RunReport& report, const std::string& path);

}  // namespace chainadj
