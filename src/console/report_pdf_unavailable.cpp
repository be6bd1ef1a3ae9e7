// writeReportPdf for a console built without Qt (CHAINADJ_BUILD_WINDOW off): it says so.
#include "state/chain_error.h"
#include "ui/report_pdf.h"

namespace chainadj {

void writeReportPdf(const RunReport&, const std::string& path) {
  throw ChainError("这个 chainadj-console 编译时没有 Qt，不能写 PDF，成果报告 “" + path +
                   "” 没有写。请用 --report 写文本报告。");
}

}  // namespace chainadj
