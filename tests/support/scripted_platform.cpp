#include "scripted_platform.h"

namespace chainadj::testing {

ScriptedPlatform::ScriptedPlatform(std::vector<std::string> answers)
    : answers_(answers.begin(), answers.end()) {}

void ScriptedPlatform::addAnswers(const std::vector<std::string>& answers) {
  answers_.insert(answers_.end(), answers.begin(), answers.end());
}

void ScriptedPlatform::setText(int box, const std::string& text) {
  texts_[box] = text;
  events_.push_back("Text" + std::to_string(box) + ": " + text);
}

void ScriptedPlatform::setLabel(int label, const std::string& caption) {
  labels_[label] = caption;
  events_.push_back("Label" + std::to_string(label) + ": " + caption);
}

void ScriptedPlatform::setLabel12(int element, const std::string& caption) {
  label12_[element] = caption;
  events_.push_back("Label12(" + std::to_string(element) + "): " + caption);
}

std::optional<std::string> ScriptedPlatform::ask(const std::string& prompt,
                                                 const PromptKey& key) {
  events_.push_back("? " + prompt);
  keys_.push_back(key);
  if (source_ != nullptr) {
    if (std::optional<std::string> answer = source_->answer(key)) return answer;
  }
  if (answers_.empty()) return responder_ ? responder_(prompt) : std::nullopt;
  std::string answer = answers_.front();
  answers_.pop_front();
  return answer;
}

void ScriptedPlatform::showMessage(const std::string& message) { events_.push_back("! " + message); }

void ScriptedPlatform::endProgram() {
  ended_ = true;
  events_.push_back("END");
}

std::vector<std::string> ScriptedPlatform::prompts() const {
  std::vector<std::string> result;
  for (const std::string& event : events_) {
    if (event.rfind("? ", 0) == 0) result.push_back(event.substr(2));
  }
  return result;
}

std::vector<std::string> ScriptedPlatform::messages() const {
  std::vector<std::string> result;
  for (const std::string& event : events_) {
    if (event.rfind("! ", 0) == 0) result.push_back(event.substr(2));
  }
  return result;
}

std::string ScriptedPlatform::text(int box) const {
  const auto found = texts_.find(box);
  return found == texts_.end() ? std::string() : found->second;
}

std::string ScriptedPlatform::label(int label) const {
  const auto found = labels_.find(label);
  return found == labels_.end() ? std::string() : found->second;
}

std::string ScriptedPlatform::label12(int element) const {
  const auto found = label12_.find(element);
  return found == label12_.end() ? std::string() : found->second;
}

}  // namespace chainadj::testing
