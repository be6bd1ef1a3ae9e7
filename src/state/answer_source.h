// Answers that come from somewhere else than the person at the keyboard, for instance a chain
// data file. A platform that is given a source asks it first and only asks the user for what it
// leaves unanswered; the prompt is still shown (or written) as in a typed run.
#pragma once

#include <optional>
#include <string>

namespace chainadj {

class AnswerSource {
 public:
  virtual ~AnswerSource() = default;

  // The answer to the prompt, or nullopt when this source leaves the prompt to the user.
  virtual std::optional<std::string> answer(const std::string& prompt) = 0;
};

}  // namespace chainadj
