#include "console/console_platform.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <istream>
#include <ostream>

#include "entry/run_driver.h"
#include "state/chain_error.h"

namespace chainadj {
namespace {

// The answer line that stops the run at any prompt.
constexpr const char* kStopLine = "!stop";

}  // namespace

ConsolePlatform::ConsolePlatform(std::istream& in, std::ostream& out) : in_(in), out_(out) {
  in_.tie(nullptr);
  pending_.reserve(kPendingBytes + kPendingBytes / 4);
}

ConsolePlatform::~ConsolePlatform() { writePending(); }

void ConsolePlatform::writeLine(std::string_view head, std::string_view text) {
  pending_.append(head).append(text).push_back('\n');
  if (pending_.size() >= kPendingBytes) writePending();
}

void ConsolePlatform::writePending() {
  out_.rdbuf()->sputn(pending_.data(), static_cast<std::streamsize>(pending_.size()));
  pending_.clear();
}

void ConsolePlatform::flush() {
  writePending();
  out_.flush();
}

void ConsolePlatform::writeLine(std::string_view kind, int number, std::string_view close,
                                std::string_view text) {
  std::array<char, 32> head{};
  char* end = std::copy(kind.begin(), kind.end(), head.data());
  end = std::to_chars(end, head.data() + head.size(), number).ptr;
  end = std::copy(close.begin(), close.end(), end);
  writeLine(std::string_view(head.data(), static_cast<std::size_t>(end - head.data())), text);
}

void ConsolePlatform::setText(int box, const std::string& text) {
  writeLine("Text", box, ": ", text);
}

void ConsolePlatform::setLabel(int label, const std::string& caption) {
  writeLine("Label", label, ": ", caption);
}

void ConsolePlatform::setLabel12(int element, const std::string& caption) {
  writeLine("Label12(", element, "): ", caption);
}

std::optional<std::string> ConsolePlatform::ask(const std::string& prompt, const PromptKey& key) {
  writeLine("? ", prompt);
  if (source_ != nullptr) {
    if (std::optional<std::string> answer = source_->answer(key)) return answer;
  }
  std::optional<std::string> answer = readLine();
  if (answer == kStopLine) throw RunStopped();
  return answer;
}

void ConsolePlatform::showMessage(const std::string& message) { writeLine("! ", message); }

std::optional<std::string> ConsolePlatform::readLine() {
  // The one waiting for this line (a person, or a program driving the console) must see what
  // was written first; a line already there (a pipe or a file read ahead) is read at once.
  if (in_.rdbuf()->in_avail() <= 0) flush();
  std::string line;
  if (!std::getline(in_, line)) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

int runConsole(std::istream& in, std::ostream& out) {
  ConsolePlatform console(in, out);
  RunDriver driver(console);
  const int status = runSession(console, driver);
  console.flush();
  return status;
}

int runSession(ConsolePlatform& console, RunDriver& driver,
               const std::function<void(const RunDriver&)>& completed) {
  while (std::optional<std::string> command = console.readLine()) {
    if (*command == "1") {
      const RunOutcome outcome = driver.runOnce();
      if (outcome == RunOutcome::ProgramEnding) {
        console.showMessage(kInputEndedMessage);
        return 1;
      }
      if (outcome == RunOutcome::Adjusted && completed) completed(driver);
    } else if (*command == "2") {
      driver.endProgram();
    }
    if (console.ended()) break;
  }
  return 0;
}

}  // namespace chainadj
