#include "state/platform.h"

#include "state/chain_error.h"

namespace chainadj {

std::string askOrEnd(Platform& platform, const std::string& prompt, const PromptKey& key) {
  std::optional<std::string> answer = platform.ask(prompt, key);
  if (!answer) throw ProgramEnding();
  return *answer;
}

}  // namespace chainadj
