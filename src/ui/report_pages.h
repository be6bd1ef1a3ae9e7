// The pages of the results report on a paged device, a PDF file (QPdfWriter) or a printer
// (QPrinter): the title and what was adjusted, every table of the report (a table that runs
// over a page goes on under its heading and column heads repeated), and last a page with the
// drawing of the adjusted chain to scale. Each page has its number at the foot.
#pragma once

#include "report/run_report.h"

class QPagedPaintDevice;

namespace chainadj::ui {

// The page the report is laid out for: A4 upright, with these margins in millimetres.
inline constexpr double kReportMarginLeftMm = 20.0;
inline constexpr double kReportMarginMm = 15.0;

// Sets A4 upright and the report's margins on the device.
void useReportPageLayout(QPagedPaintDevice& device);

// Paints the whole report; false when the device could not be painted on.
bool paintReport(const RunReport& report, QPagedPaintDevice& device);

}  // namespace chainadj::ui
