// The quality check in the report: the lines that say how the chain passed it, and its tables.
#pragma once

#include <string>
#include <vector>

#include "report/report_tables.h"

namespace chainadj {

// The settings of the check, the triangles over their limit (where a blunder is) or that all are
// within it, the angle mean error from the closures and the condition closures over their limits.
std::vector<std::string> qualitySummary(const RunReport& report);

// Every triangle closure against the grade's limit with its verdict, those over it first.
ReportTable triangleCheckTable(const RunReport& report);

// The angle mean error from the closures (Ferrero) against the grade's mβ, then every condition
// closure of the procedure against its limit, each with its verdict.
ReportTable conditionCheckTable(const RunReport& report);

// How the azimuth φ of an ellipse is written: D°MM′ in the report, decimal degrees to the
// hundredth in the CSV file.
enum class EllipseAzimuth { DegreesMinutes, DecimalDegrees };

// Every listed point: number, name, mx, my, mp, E and F in millimetres, the azimuth φ of E;
// empty for a known point.
ReportTable pointPrecisionTable(const RunReport& report,
                                EllipseAzimuth azimuth = EllipseAzimuth::DegreesMinutes);

}  // namespace chainadj
