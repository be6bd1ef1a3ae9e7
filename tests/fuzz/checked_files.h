// A chain data file, checked: refused as a whole with a Chinese message, or accepted, and then
// its run gets through the data entry to the choice of the adjustment (a run checked as every
// typed run is), and the file the program writes for it reads back as what it wrote. Whatever
// the window's data editor opens it saves unchanged to the byte, and it opens what the reader
// takes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace chainadj::testing {

// The first fault found with the file of that text, if any.
std::optional<std::string> faultOfDataFile(std::string_view text);

}  // namespace chainadj::testing
