// A platform double for whole runs that checks, on every write and every prompt, what a surveyor
// must never meet: a box or a caption that shows a number which is not finite ("nan", "inf"),
// or a run that goes on asking or writing without taking the answers it is given (a hang).
// Its answers come from a responder; nullopt ends the program, as the window closing does.
//
// It keeps only what the checks need: the last text of every box and label, the messages, and
// the prompts asked, each as the index of its text among the distinct prompts.
#pragma once

#include <cstddef>
#include <exception>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "state/answer_source.h"
#include "state/platform.h"

namespace chainadj::testing {

// Thrown out of the core when a check fails, so that the run stops where the fault is.
class CheckFailed : public std::exception {
 public:
  explicit CheckFailed(std::string what) : what_(std::move(what)) {}
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  std::string what_;
};

// The text of a number that is not finite, in any case: "nan", "-inf", "Infinity".
bool showsNonFiniteNumber(std::string_view text);

// An answer line that stops the run at its prompt, as the console's.
inline constexpr const char* kStopRunLine = "!stop";

class CheckedPlatform : public Platform {
 public:
  using Responder = std::function<std::optional<std::string>(const std::string& prompt)>;

  // More than this many prompts or writes for every answer taken is a hang.
  static constexpr std::size_t kPromptsPerAnswer = 2;
  static constexpr std::size_t kWritesPerAnswer = 64;

  CheckedPlatform() = default;
  explicit CheckedPlatform(Responder responder) : responder_(std::move(responder)) {}
  void setResponder(Responder responder) { responder_ = std::move(responder); }
  // Answers by the prompts' keys instead (a chain data file's answers).
  explicit CheckedPlatform(AnswerSource& source) : source_(&source) {}

  void setText(int box, const std::string& text) override;
  void setLabel(int label, const std::string& caption) override;
  void setLabel12(int element, const std::string& caption) override;
  std::optional<std::string> ask(const std::string& prompt, const PromptKey& key) override;
  void showMessage(const std::string& message) override;
  void endProgram() override { ended_ = true; }

  std::string text(int box) const;
  bool written(int box) const { return texts_.count(box) != 0; }
  const std::map<int, std::string>& texts() const { return texts_; }
  std::string label(int label) const;
  const std::vector<std::string>& messages() const { return messages_; }

  // Every prompt asked, in order, as an index into distinctPrompts().
  const std::vector<std::size_t>& promptTrail() const { return promptTrail_; }
  const std::string& promptText(std::size_t index) const { return distinctPrompts_[index]; }
  std::size_t answersTaken() const { return answersTaken_; }
  // Writes to boxes and labels since the last message (all writes when there was none).
  std::size_t writesSinceMessage() const { return writesSinceMessage_; }
  bool ended() const { return ended_; }

 private:
  void countWrite();
  void checkShown(int box, const std::string& text) const;

  Responder responder_;
  AnswerSource* source_ = nullptr;
  std::map<int, std::string> texts_;
  std::map<int, std::string> labels_;
  std::vector<std::string> messages_;
  std::vector<std::string> distinctPrompts_;
  std::unordered_map<std::string, std::size_t> promptIndex_;
  std::vector<std::size_t> promptTrail_;
  std::set<std::string> typed_;  // every answer taken, for telling an echo from a number
  std::size_t answersTaken_ = 0;
  std::size_t writes_ = 0;
  std::size_t writesSinceMessage_ = 0;
  bool ended_ = false;
};

// A responder that answers with the lines in turn and ends the program after the last.
CheckedPlatform::Responder answerLines(std::vector<std::string> lines);

}  // namespace chainadj::testing
