// The command line of chainadj-console. Each option at most once; a file argument may follow its
// option as the next argument or after '=' (--data=FILE).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace chainadj {

struct ConsoleOptions {
  std::optional<std::string> dataFile;      // --data FILE: run the chain of FILE once
  std::optional<std::string> saveDataFile;  // --save-data FILE: write the last run's data
  // The results of the last completed run: the text report, the coordinate CSV, the PDF report.
  std::optional<std::string> reportFile;    // --report FILE.txt
  std::optional<std::string> csvFile;       // --csv FILE.csv
  std::optional<std::string> pdfFile;       // --pdf FILE.pdf
  bool help = false;                        // --help, -h
};

// The options, or the Chinese message that says what is wrong with the command line.
struct ParsedCommandLine {
  std::optional<ConsoleOptions> options;
  std::string error;
};

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);

// What --help prints.
const char* consoleHelpText();

}  // namespace chainadj
