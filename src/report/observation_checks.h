// What the adjustment by coordinates tells of each observation, as the report says it: the
// observation named as a surveyor names it, the line that names the largest standardised
// correction and every one marked 可能粗差, and the table of the observations at the ends of the
// chain (orientation angles, known azimuths and bases) with their checks.
#pragma once

#include <optional>
#include <string>

#include "report/report_tables.h"

namespace chainadj {

// "三角形 6 的 B 角（P7 点）", "A 点定向角 Qa", "起始外方位角 Ta", "始端基线 Sa", ...
std::string observationName(const RunReport& report, const RigorousObservation& observation);

// The largest |w| with its observation, and those above 3.29; nullopt under the classical
// method.
std::optional<std::string> standardisedCorrectionLine(const RunReport& report);

// The observations at the ends with their mean errors, corrections, adjusted values, r and w;
// nullopt under the classical method and for a chain without any.
std::optional<ReportTable> endObservationTable(const RunReport& report);

}  // namespace chainadj
