// The test double of the platform: records every write in order, in the console front end's
// line format, and answers the input boxes from a list. When the list runs out the program is
// taken as ending (the run stops).
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "state/answer_source.h"
#include "state/platform.h"

namespace chainadj::testing {

class ScriptedPlatform : public Platform {
 public:
  ScriptedPlatform() = default;
  explicit ScriptedPlatform(std::vector<std::string> answers);

  void addAnswers(const std::vector<std::string>& answers);
  // Answers the prompts that come when the list is empty; nullopt ends the program.
  using Responder = std::function<std::optional<std::string>(const std::string& prompt)>;
  void setResponder(Responder responder) { responder_ = std::move(responder); }
  // Prompts are offered to `source` first, by their keys (a chain data file's answers).
  void answerFrom(AnswerSource* source) { source_ = source; }

  void setText(int box, const std::string& text) override;
  void setLabel(int label, const std::string& caption) override;
  void setLabel12(int element, const std::string& caption) override;
  std::optional<std::string> ask(const std::string& prompt, const PromptKey& key) override;
  void showMessage(const std::string& message) override;
  void endProgram() override;

  // Every event as "TextN: ...", "LabelN: ...", "? prompt", "! message", "END".
  const std::vector<std::string>& events() const { return events_; }
  std::vector<std::string> prompts() const;
  // The keys of the prompts asked, in order.
  const std::vector<PromptKey>& keys() const { return keys_; }
  std::vector<std::string> messages() const;
  // The last text written to box TextN ("" when never written), and whether it was written.
  std::string text(int box) const;
  bool written(int box) const { return texts_.count(box) != 0; }
  std::string label(int label) const;
  std::string label12(int element) const;
  std::size_t answersLeft() const { return answers_.size(); }
  bool ended() const { return ended_; }
  void clearEvents() { events_.clear(); }

 private:
  std::deque<std::string> answers_;
  std::vector<std::string> events_;
  std::map<int, std::string> texts_;
  std::map<int, std::string> labels_;
  std::map<int, std::string> label12_;
  Responder responder_;
  AnswerSource* source_ = nullptr;
  std::vector<PromptKey> keys_;
  bool ended_ = false;
};

}  // namespace chainadj::testing
