// chainadj-console as a whole: a typed session, or one run of a chain data file, and the saving
// of the last run's data.
#pragma once

#include <iosfwd>

#include "console/command_line.h"

namespace chainadj {

// Runs the program with its options on the given streams; returns the exit status: 0 for a
// session ended normally or a data file run to the end of its adjustment, 1 when the input
// ended in a run, the data file was refused, its run stopped, or the data could not be saved.
int runConsoleProgram(const ConsoleOptions& options, std::istream& in, std::ostream& out);

}  // namespace chainadj
