// chainadj-console as a whole: a typed session, or one run of a chain data file, then the saving
// of the last run's data and of the results of the last completed run (text report, CSV, PDF,
// DXF, CASS, Excel).
#pragma once

#include <iosfwd>

#include "console/command_line.h"

namespace chainadj {

// Runs the program with its options on the given streams; returns the exit status: 0 for a
// session ended normally or a data file run to the end of its adjustment, 1 when the input
// ended in a run, the data file was refused, its run stopped, the data could not be saved, or
// results were asked for and there was no completed run or a results file could not be written.
int runConsoleProgram(const ConsoleOptions& options, std::istream& in, std::ostream& out);

}  // namespace chainadj
