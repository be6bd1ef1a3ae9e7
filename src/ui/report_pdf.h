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

// The same writer as a module that the console loads only when it is asked for a PDF: a console
// run then starts without Qt and the forty libraries it brings, which would take most of the
// time of a short chain. The module has one entry, looked up by name.

// The module's file, installed in a directory of its own under the library directory.
inline constexpr const char* kPdfModuleFile = "chainadj-pdf.so";
// Its entry, as dlsym finds it.
inline constexpr const char* kPdfModuleEntry = "chainadj_write_report_pdf";

// Writes the PDF of `report` at `path` as writeReportPdf does; false, with the reason in
// `failure`, when it cannot. Nothing is thrown across the module's edge.
using PdfModuleEntry = bool (*)(const RunReport& report, const std::string& path,
                                std::string& failure);

}  // namespace chainadj
