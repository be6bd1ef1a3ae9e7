// The only way the core reaches the outside world: text boxes, label captions, the modal input
// box, messages and the end of the program. The window, the console front end and the test
// double implement it.
#pragma once

#include <optional>
#include <string>

#include "state/prompt_key.h"

namespace chainadj {

class Platform {
 public:
  virtual ~Platform() = default;

  // Sets the whole text of box TextN, N = 1..36.
  virtual void setText(int box, const std::string& text) = 0;

  // Sets the caption of LabelN, N = 1..115 (not 12).
  virtual void setLabel(int label, const std::string& caption) = 0;

  // Sets the caption of element 1 or 2 of the label array Label12.
  virtual void setLabel12(int element, const std::string& caption) = 0;

  // Shows the modal input box with the prompt and returns the typed text; OK or Enter on an
  // empty field and Cancel give empty text. `key` says what the prompt asks for, so that a
  // platform that has answers of its own (a chain data file, see answer_source.h) gives them by
  // item; the words shown are always `prompt`. std::nullopt means the program is ending while the
  // box waits (window closed, input ended): the run must stop at once. Throws RunStopped
  // (state/chain_error.h) when the user stops the run at this prompt; the run driver catches it.
  virtual std::optional<std::string> ask(const std::string& prompt, const PromptKey& key) = 0;

  // Shows a message to the user (bad input, a run stopped on its data).
  virtual void showMessage(const std::string& message) = 0;

  // Ends the program.
  virtual void endProgram() = 0;
};

// Asks through the platform; throws ProgramEnding when the program is being closed (and lets
// the platform's RunStopped through).
std::string askOrEnd(Platform& platform, const std::string& prompt, const PromptKey& key);

}  // namespace chainadj
