#include <exception>
#include <type_traits>

#include "ui/report_pdf.h"

extern "C" bool chainadj_write_report_pdf(const chainadj::RunReport& report,
                                          const std::string& path, std::string& failure) {
  try {
    chainadj::writeReportPdf(report, path);
    return true;
  } catch (const std::exception& error) {
    failure = error.what();
  } catch (...) {
    failure.clear();
  }
  return false;
}

static_assert(std::is_same_v<decltype(&chainadj_write_report_pdf), chainadj::PdfModuleEntry>);
