#include "checked_platform.h"

#include <algorithm>
#include <cctype>
#include <deque>
#include <memory>

#include "entry/prompt_texts.h"
#include "state/chain_error.h"
#include "state/form_fields.h"

namespace chainadj::testing {
namespace {

std::string lowerAscii(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  return lower;
}

// The boxes that echo an answer as it was typed: the flags, Qb, the point names, the count.
bool echoesTypedText(int box) {
  return box == box::kStartAzimuth || box == box::kClosingAzimuth || box == box::kQb ||
         box == box::kPointName || box == box::kTriangleCount;
}

// The text as an echo shows an answer: after up to two blanks, or inside the count's words.
std::vector<std::string> possibleEchoes(const std::string& text) {
  std::vector<std::string> answers{text};
  if (text.rfind(' ', 0) == 0) answers.push_back(text.substr(1));
  if (text.rfind("  ", 0) == 0) answers.push_back(text.substr(2));
  const std::string start = kTriangleCountEchoStart, end = kTriangleCountEchoEnd;
  if (text.size() >= start.size() + end.size() && text.rfind(start, 0) == 0 &&
      text.compare(text.size() - end.size(), end.size(), end) == 0) {
    answers.push_back(text.substr(start.size(), text.size() - start.size() - end.size()));
  }
  return answers;
}

}  // namespace

bool showsNonFiniteNumber(std::string_view text) {
  const std::string lower = lowerAscii(text);
  return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

void CheckedPlatform::checkShown(int box, const std::string& text) const {
  if (!showsNonFiniteNumber(text)) return;
  if (echoesTypedText(box)) {
    for (const std::string& answer : possibleEchoes(text)) {
      if (typed_.count(answer) != 0) return;
    }
  }
  throw CheckFailed("Text" + std::to_string(box) + " shows a number that is not finite: " + text);
}

void CheckedPlatform::countWrite() {
  ++writes_;
  ++writesSinceMessage_;
  if (writes_ > kWritesPerAnswer * (answersTaken_ + 1)) {
    throw CheckFailed("hang: " + std::to_string(writes_) + " writes for " +
                      std::to_string(answersTaken_) + " answers");
  }
}

void CheckedPlatform::setText(int box, const std::string& text) {
  checkShown(box, text);
  countWrite();
  texts_[box] = text;
}

void CheckedPlatform::setLabel(int label, const std::string& caption) {
  if (showsNonFiniteNumber(caption)) {
    throw CheckFailed("Label" + std::to_string(label) +
                      " shows a number that is not finite: " + caption);
  }
  countWrite();
  labels_[label] = caption;
}

void CheckedPlatform::setLabel12(int element, const std::string& caption) {
  if (showsNonFiniteNumber(caption)) {
    throw CheckFailed("Label12(" + std::to_string(element) +
                      ") shows a number that is not finite: " + caption);
  }
  countWrite();
}

std::optional<std::string> CheckedPlatform::ask(const std::string& prompt, const PromptKey& key) {
  const auto [found, added] = promptIndex_.emplace(prompt, distinctPrompts_.size());
  if (added) distinctPrompts_.push_back(prompt);
  promptTrail_.push_back(found->second);
  if (promptTrail_.size() > kPromptsPerAnswer * (answersTaken_ + 1)) {
    throw CheckFailed("hang: " + std::to_string(promptTrail_.size()) + " prompts for " +
                      std::to_string(answersTaken_) + " answers");
  }
  std::optional<std::string> answer = source_   ? source_->answer(key)
                                      : responder_ ? responder_(prompt)
                                                   : std::nullopt;
  if (!answer) return std::nullopt;
  ++answersTaken_;
  if (*answer == kStopRunLine) throw RunStopped();
  typed_.insert(*answer);
  return answer;
}

void CheckedPlatform::showMessage(const std::string& message) {
  messages_.push_back(message);
  writesSinceMessage_ = 0;
}

std::string CheckedPlatform::text(int box) const {
  const auto found = texts_.find(box);
  return found == texts_.end() ? std::string() : found->second;
}

std::string CheckedPlatform::label(int label) const {
  const auto found = labels_.find(label);
  return found == labels_.end() ? std::string() : found->second;
}

CheckedPlatform::Responder answerLines(std::vector<std::string> lines) {
  auto left = std::make_shared<std::deque<std::string>>(lines.begin(), lines.end());
  return [left](const std::string&) -> std::optional<std::string> {
    if (left->empty()) return std::nullopt;
    std::string line = std::move(left->front());
    left->pop_front();
    return line;
  };
}

}  // namespace chainadj::testing
