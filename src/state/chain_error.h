// The one error type of the core: a run stopped because of its data, with a message in Chinese
// for the user. The core never shows anything itself; the front end turns it into a message.
#pragma once

#include <stdexcept>
#include <string>

namespace chainadj {

class ChainError : public std::runtime_error {
 public:
  explicit ChainError(const std::string& chineseMessage) : std::runtime_error(chineseMessage) {}
};

// Thrown when the program is being closed while a run waits for an answer
// (the window closed, or the console's input ended). Not an error of the data.
class ProgramEnding : public std::exception {
 public:
  const char* what() const noexcept override { return "program ending"; }
};

// Thrown by a platform's ask() when the user stops the run at a prompt (the input box's
// 中止计算, the console's "!stop"). Not an error of the data: the run ends without a message,
// the boxes keep what they show and the next run starts afresh.
class RunStopped : public std::exception {
 public:
  const char* what() const noexcept override { return "run stopped by the user"; }
};

}  // namespace chainadj
