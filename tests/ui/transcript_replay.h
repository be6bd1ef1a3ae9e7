// The same typed lines given to the console front end and to the window: "1" presses 计 算,
// "2" presses 结 束, and within a run every line answers one input box. What each front end
// ends with is collected for comparison.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace chainadj::ui {

class MainForm;

struct FrontEndResult {
  std::map<std::string, std::string> finalTexts;  // "Text13" -> its last text, also labels
  std::vector<std::string> prompts;               // every input box, in order
  std::vector<std::string> messages;
};

FrontEndResult replayOnConsole(const std::vector<std::string>& lines);
FrontEndResult replayOnWindow(MainForm& form, const std::vector<std::string>& lines);
// The console's run of a chain data file (--data FILE).
FrontEndResult dataFileOnConsole(const std::string& path);
// The texts of the form's boxes and labels as they stand.
std::map<std::string, std::string> finalTextsOf(const MainForm& form);

// The lines of a file, without line endings.
std::vector<std::string> readLines(const std::string& path);

}  // namespace chainadj::ui
