// What each of the ten adjustment procedures adjusts, in words: the window names the kind of
// rows 1..6 with them (Text26) and the results report describes every row with them.
#pragma once

#include <string>

namespace chainadj {

// The description of selection row 1..10 (procedure Cm1..Cm10); empty for any other row.
std::string procedureDescription(int row);

}  // namespace chainadj
