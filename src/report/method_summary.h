// The lines of the report that say which method its results are from and why (平差方法), and
// under the rigorous method how far its coordinates are from the classical procedure's, which
// the form shows; where the rigorous adjustment could not give its results, why.
#pragma once

#include <string>
#include <vector>

#include "report/run_report.h"

namespace chainadj {

// "平差方法：严密平差（四等按 GB 50026 采用严密平差）…", then the largest difference of the
// coordinates of the two methods where the rigorous ones are given.
std::vector<std::string> methodLines(const RunReport& report);

}  // namespace chainadj
