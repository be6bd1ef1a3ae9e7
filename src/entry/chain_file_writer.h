// Writing a chain data file: the known values in the order the run asks them, then the point
// names, then one line per triangle, so that loading the file repeats the run the data came from.
#pragma once

#include <string>

#include "entry/chain_data.h"

namespace chainadj {

// The text of the data file.
std::string chainDataText(const ChainData& data);

// Writes the data file at `path`, replacing a file that is there only once the new one is
// complete; throws ChainError with a Chinese message when it cannot be written.
void writeChainFile(const std::string& path, const ChainData& data);

}  // namespace chainadj
