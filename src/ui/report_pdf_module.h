// The PDF writer as a module that the console loads only when it is asked for a PDF: a console
// run then starts without Qt and the forty libraries it brings, which would take most of the
// time of a short chain. The module has one entry, looked up by name. This header is free of Qt.
#pragma once

#include <string>

#include "report/run_report.h"

namespace chainadj {

// The module's file, installed in a directory of its own under the library directory.
inline constexpr const char* kPdfModuleFile = "chainadj-pdf.so";
// Its entry, as dlsym finds it.
inline constexpr const char* kPdfModuleEntry = "chainadj_write_report_pdf";

// Writes the PDF of `report` at `path` as writeReportPdf does; false, with the reason in
// `failure`, when it cannot. Nothing is thrown across the module's edge.
using PdfModuleEntry = bool (*)(const RunReport& report, const std::string& path,
                                std::string& failure);

}  // namespace chainadj
