#include "transcript_replay.h"

#include <QLineEdit>
#include <deque>
#include <fstream>
#include <sstream>

#include "console/console_platform.h"
#include "console/console_program.h"
#include "entry/prompt_texts.h"
#include "ui/caption_label.h"
#include "ui/main_form.h"
#include "ui/text_box.h"

namespace chainadj::ui {
namespace {

bool startsWith(const std::string& text, const std::string& start) {
  return text.rfind(start, 0) == 0;
}

// "Text13: <text>" and "Label35: <caption>" lines keep the last value of each control. The window
// clears what an earlier run wrote when a run begins (it asks for the triangle count first): the
// values kept are those of the last run.
void takeConsoleLine(const std::string& line, FrontEndResult& result) {
  if (startsWith(line, "? ")) {
    result.prompts.push_back(line.substr(2));
    if (result.prompts.back() == kTriangleCountPrompt) result.finalTexts.clear();
  } else if (startsWith(line, "! ")) {
    result.messages.push_back(line.substr(2));
  } else if (const auto colon = line.find(": "); colon != std::string::npos) {
    result.finalTexts[line.substr(0, colon)] = line.substr(colon + 2);
  }
}

FrontEndResult resultOfConsole(std::istream& out) {
  FrontEndResult result;
  std::string line;
  while (std::getline(out, line)) takeConsoleLine(line, result);
  return result;
}

}  // namespace

FrontEndResult replayOnConsole(const std::vector<std::string>& lines) {
  std::stringstream in;
  for (const std::string& line : lines) in << line << '\n';
  std::stringstream out;
  runConsole(in, out);
  return resultOfConsole(out);
}

FrontEndResult dataFileOnConsole(const std::string& path) {
  ConsoleOptions options;
  options.dataFile = path;
  std::stringstream in;
  std::stringstream out;
  runConsoleProgram(options, in, out);
  return resultOfConsole(out);
}

std::map<std::string, std::string> finalTextsOf(const MainForm& form) {
  std::map<std::string, std::string> texts;
  for (int box = 1; box <= 36; ++box) {
    const std::string text = form.box(box)->text().toStdString();
    if (!text.empty()) texts["Text" + std::to_string(box)] = text;
  }
  for (CaptionLabel* label : form.findChildren<CaptionLabel*>()) {
    texts[label->objectName().toStdString()] = label->text().toStdString();
  }
  return texts;
}

FrontEndResult replayOnWindow(MainForm& form, const std::vector<std::string>& lines) {
  FrontEndResult result;
  std::deque<std::string> typed(lines.begin(), lines.end());
  form.platform().setInputBox([&](const QString& prompt) -> InputBoxAnswer {
    result.prompts.push_back(prompt.toStdString());
    if (typed.empty()) {
      form.close();  // the input has ended while the box waits: the program ends
      return QString();
    }
    const std::string answer = typed.front();
    typed.pop_front();
    // The console's answer line that stops the run is the input box's 中止计算.
    if (answer == "!stop") return InputBoxAnswer::stopRun();
    return InputBoxAnswer(QString::fromStdString(answer));
  });
  form.platform().setMessageBox(
      [&](const QString& message) { result.messages.push_back(message.toStdString()); });

  while (!typed.empty() && !form.platform().ending()) {
    const std::string command = typed.front();
    typed.pop_front();
    if (command == "1") form.Command1_Click();
    if (command == "2") form.Command2_Click();
  }

  result.finalTexts = finalTextsOf(form);
  return result;
}

std::vector<std::string> readLines(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

}  // namespace chainadj::ui
