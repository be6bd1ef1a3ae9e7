// Whole runs through the run driver with the checked platform, and what every run must end with
// whatever was typed: a finished listing after an adjustment, a Chinese message and the boxes
// left as they were when the run stops on its data, the message when nothing fits, and no
// exception out of the core but its own.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checked_platform.h"
#include "entry/run_driver.h"

namespace chainadj::testing {

struct CheckedRun {
  RunOutcome outcome{};
  std::optional<int> selection;  // the row 1..10 chosen
  int triangles = 0;
};

// A message a surveyor can read: it holds Chinese characters.
bool readsAsChinese(const std::string& message);

// The last point of the listing of a chain adjusted by the procedure of that row: D for the
// chain between C and D, B for every other.
int lastListedPointOf(int selectionRow, int triangles);

// Presses 计 算 once and checks how the run ended. Throws CheckFailed.
CheckedRun runChecked(RunDriver& driver, CheckedPlatform& platform);

// The answer lines of an input: split at line ends; the last line needs none.
std::vector<std::string> answerLinesOf(std::string_view input);

// Presses 计 算 again and again, answering with the lines of the input, until they run out or the
// program ends; the first fault found, if any.
std::optional<std::string> faultOfRuns(std::string_view input);

}  // namespace chainadj::testing
