// Answers that come from somewhere else than the person at the keyboard: a chain data file, the
// window's data editor. A platform that is given a source asks it first, by the prompt's key, and
// only asks the user for what it leaves unanswered; the console still writes the prompt's line.
#pragma once

#include <optional>
#include <string>

#include "state/prompt_key.h"

namespace chainadj {

class AnswerSource {
 public:
  virtual ~AnswerSource() = default;

  // The answer to the prompt with this key, or nullopt when this source leaves it to the user.
  virtual std::optional<std::string> answer(const PromptKey& key) = 0;
};

}  // namespace chainadj
