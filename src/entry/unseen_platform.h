// A platform that shows nothing: a run made out of sight, for what it computes rather than for
// the user (the positions a reduction onto the plane needs, what the data editor tells about a
// chain, the sketch of a chain before it is adjusted). Its prompts are answered from a source,
// or with empty text where there is none (a coordinate listing then runs through); a prompt the
// source leaves unanswered ends the run as a closed window would. The last message the run gave
// is kept.
#pragma once

#include <optional>
#include <string>

#include "state/answer_source.h"
#include "state/platform.h"

namespace chainadj {

class UnseenPlatform : public Platform {
 public:
  explicit UnseenPlatform(AnswerSource* source = nullptr) : source_(source) {}

  void setText(int, const std::string&) override {}
  void setLabel(int, const std::string&) override {}
  void setLabel12(int, const std::string&) override {}
  std::optional<std::string> ask(const std::string&, const PromptKey& key) override {
    return source_ ? source_->answer(key) : std::string();
  }
  void showMessage(const std::string& message) override { lastMessage_ = message; }
  void endProgram() override {}

  // The last message the run gave, "" when it gave none.
  const std::string& lastMessage() const { return lastMessage_; }

 private:
  AnswerSource* source_;
  std::string lastMessage_;
};

}  // namespace chainadj
