// The results report as a PDF file: A4 pages with the tables of the report and a to-scale
// drawing of the adjusted chain, in the faces the window uses. This header is free of Qt, so
// that the console can write a PDF too; a program without a Qt application gets one on the
// offscreen platform for as long as the file takes.
#pragma once

#include <string>

#include "report/run_report.h"

namespace chainadj {

// Writes the PDF at `path`, replacing a file there only once it is complete; throws ChainError
// with a Chinese message when it cannot be written.
void writeReportPdf(const RunReport& report, const std::string& path);

}  // namespace chainadj
