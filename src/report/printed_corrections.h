// The columns of a triangle as the report prints them, in hundredths of a second, rounded so
// that they add up as printed (凑整): the three corrections sum to −w, the first-group ones v′ to
// −w as well and the second-group ones v″ to 0, v′ + v″ = v on every row, and every adjusted
// angle is its observed angle plus its correction. Each column is rounded to the nearest
// hundredth, and what the rounded column misses of its sum goes, a hundredth at a time, to the
// angles whose values were rounded off the most in that direction (the largest remainders).
#pragma once

#include <array>

#include "report/run_report.h"

namespace chainadj {

using Hundredths = long long;  // hundredths of a second of arc
using HundredthsOf3 = std::array<Hundredths, kAnglesPerTriangle>;

// `values` (hundredths, not whole) rounded so that they sum to `total`.
HundredthsOf3 roundedToSum(const std::array<double, kAnglesPerTriangle>& values, Hundredths total);

struct PrintedTriangle {
  Hundredths closure = 0;  // w(i)
  HundredthsOf3 observed{};  // the magnitudes of the observed angles
  HundredthsOf3 first{};     // v′
  HundredthsOf3 second{};    // v″
  HundredthsOf3 total{};     // v = v′ + v″
  HundredthsOf3 adjusted{};  // the magnitudes, observed + v
};

PrintedTriangle printedTriangle(const ReportTriangle& triangle);

// The hundredths of a second as "−1.40"; a value of 0 without a sign.
void appendHundredths(Hundredths value, std::string& out);

}  // namespace chainadj
