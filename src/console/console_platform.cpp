#include "console/console_platform.h"

#include <istream>
#include <ostream>

#include "entry/run_driver.h"
#include "state/chain_error.h"

namespace chainadj {
namespace {

// The answer line that stops the run at any prompt.
constexpr const char* kStopLine = "!stop";

}  // namespace

void ConsolePlatform::setText(int box, const std::string& text) {
  out_ << "Text" << box << ": " << text << '\n';
}

void ConsolePlatform::setLabel(int label, const std::string& caption) {
  out_ << "Label" << label << ": " << caption << '\n';
}

void ConsolePlatform::setLabel12(int element, const std::string& caption) {
  out_ << "Label12(" << element << "): " << caption << '\n';
}

std::optional<std::string> ConsolePlatform::ask(const std::string& prompt) {
  out_ << "? " << prompt << '\n';
  if (source_ != nullptr) {
    if (std::optional<std::string> answer = source_->answer(prompt)) return answer;
  }
  std::optional<std::string> answer = readLine();
  if (answer == kStopLine) throw RunStopped();
  return answer;
}

void ConsolePlatform::showMessage(const std::string& message) { out_ << "! " << message << '\n'; }

std::optional<std::string> ConsolePlatform::readLine() {
  out_.flush();
  std::string line;
  if (!std::getline(in_, line)) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

int runConsole(std::istream& in, std::ostream& out) {
  ConsolePlatform console(in, out);
  RunDriver driver(console);
  const int status = runSession(console, driver);
  out.flush();
  return status;
}

int runSession(ConsolePlatform& console, RunDriver& driver) {
  while (std::optional<std::string> command = console.readLine()) {
    if (*command == "1") {
      if (driver.Command1_Click() == RunOutcome::ProgramEnding) {
        console.showMessage(kInputEndedMessage);
        return 1;
      }
    } else if (*command == "2") {
      driver.Command2_Click();
    }
    if (console.ended()) break;
  }
  return 0;
}

}  // namespace chainadj
