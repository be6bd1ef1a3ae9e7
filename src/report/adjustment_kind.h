// What each kind of adjustment is, in the words a report uses: the window's own text for the
// selection rows that name their kind, a description of the known data for the others.
#pragma once

#include <string>

namespace chainadj {

// The description of selection row 1..10 (procedure Cm1..Cm10).
std::string adjustmentKindText(int row);

}  // namespace chainadj
