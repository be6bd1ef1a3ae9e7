// The whole result of a completed run as JSON, for scripts and GIS: every number at full double
// precision (the shortest decimal that reads back as the same double), UTF-8. The members, in
// this order:
//   method "rigorous" | "classical" (the method whose results these are), procedure 1..10, n,
//   sigma0 and m0 (seconds; m0 null without redundancy), redundancy, pvv (square seconds),
//   chi2 {value, lower, upper, passed} (null without redundancy), iterations (null for the
//   classical method, which is not iterated);
//   points [{name, role "known" | "new", x, y (metres), qxx, qxy, qyy (cofactors, square metres
//     per square second: the covariance is m0² times them), mx, my, mp, E, F (millimetres),
//     phi (degrees, the azimuth of E)}], every chain point from A to B, the precision null for a
//     known point;
//   observations [{kind, triangle (1..n, 0 at the ends), observed (decimal degrees as typed, C
//     and the orientation angles signed, or metres), correction (seconds of the magnitude, or
//     metres), redundancy, w}]: kind A, B, C, Qa, Qb, Sa, Sb, and Ta, Tb where a known azimuth
//     is an observation of its own (it has an error mα, or it is held without an orientation
//     angle); redundancy and w null for the classical method, which has neither, and w null
//     for an observation the others do not check or one held free of error;
//   sides [{from, to, length (metres), azimuth (degrees), relative (T of 1/T), m_azimuth
//     (seconds)}], relative and m_azimuth null where the method gives none;
//   weakest_side {from, to, relative} (null when no side has a precision; relative null for 1/∞);
//   reduction, only for a run reduced onto the Gauss–Krüger plane: {ellipsoid,
//     central_meridian (degrees), zone (null where none is named), false_easting,
//     projection_height (metres), base_distances "plane" | "measured", base_height (metres),
//     angles [{kind, triangle, observed, reduction (seconds), reduced}], bases [{kind, measured,
//     plane}]}.
// The arrays are written an element at a time: a chain of 100 000 triangles is never held as one
// JSON document.
#pragma once

#include <iosfwd>
#include <string>

#include "report/run_report.h"

namespace chainadj {

void writeJson(const RunReport& report, std::ostream& out);

// Writes the JSON file at `path`, replacing a file there only once it is complete; throws
// ChainError with a Chinese message when it cannot be written.
void writeJsonFile(const RunReport& report, const std::string& path);

}  // namespace chainadj
