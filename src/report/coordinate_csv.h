// The adjusted coordinates as CSV, the form a surveyor pastes into a spreadsheet or a CAD
// program: UTF-8, the header 点名,X,Y,mx,my,mp,E,F,φ, then one listed point a line with its
// coordinates to the millimetre, exactly as the coordinate listing shows them, and its precision.
// A name with a comma, a quote or a line break is quoted.
#pragma once

#include <iosfwd>
#include <string>

#include "report/run_report.h"

namespace chainadj {

// Whether the file begins with the UTF-8 byte-order mark (EF BB BF), which Excel on a Chinese
// Windows needs to read it as UTF-8 rather than as GBK.
enum class ByteOrderMark { Without, With };
inline constexpr const char* kUtf8ByteOrderMark = "\xEF\xBB\xBF";

void writeCoordinateCsv(const RunReport& report, std::ostream& out,
                        ByteOrderMark mark = ByteOrderMark::Without);

// Writes the CSV file at `path`, replacing a file there only once it is complete; throws
// ChainError with a Chinese message when it cannot be written.
void writeCoordinateCsvFile(const RunReport& report, const std::string& path,
                            ByteOrderMark mark = ByteOrderMark::Without);

}  // namespace chainadj
