// What a report says of a chain reduced onto the Gauss–Krüger plane: the settings of the plane in
// one line, the direction reduction of every angle with the angle before and after it, and the
// reduction of each measured base.
#pragma once

#include <optional>
#include <string>

#include "report/report_tables.h"

namespace chainadj {

// The settings line: ellipsoid, central meridian, false easting, projection height, bases.
std::string reductionSettingsLine(const RunReport& report);

// Every triangle's angles (then Qa and Qb): the point, the angle observed, its reduction in
// seconds and the angle on the plane.
ReportTable angleReductionTable(const RunReport& report);

// The measured bases with their plane distances; nullopt when no base was reduced.
std::optional<ReportTable> baseReductionTable(const RunReport& report);

}  // namespace chainadj
