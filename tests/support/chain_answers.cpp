#include "chain_answers.h"

#include <memory>

namespace chainadj::testing {
namespace {

bool isConfirmation(const std::string& prompt) {
  for (int item = 0; item <= static_cast<int>(InputItem::C); ++item) {
    const PromptTexts& texts = promptTexts(static_cast<InputItem>(item));
    if (prompt == texts.confirm || prompt == texts.confirmAgain) return true;
  }
  return false;
}

bool isNamePrompt(const std::string& prompt) {
  return prompt == kNamePromptA || prompt == kNamePromptB || prompt == kNamePromptC ||
         prompt == kNamePromptD || prompt == kNamePromptNewPoint ||
         prompt == kNamePromptNewPointTight;
}

struct Progress {
  std::size_t name = 0;
  std::size_t angle[3] = {0, 0, 0};
};

}  // namespace

ScriptedPlatform::Responder respondWith(const ChainAnswers& chain) {
  auto progress = std::make_shared<Progress>();
  return [chain, progress](const std::string& prompt) -> std::optional<std::string> {
    if (prompt == kTriangleCountPrompt) return std::to_string(chain.n);
    if (prompt == kListingPrompt || isConfirmation(prompt)) return std::string();
    if (isNamePrompt(prompt)) {
      if (progress->name < chain.names.size()) return chain.names[progress->name++];
      return "P" + std::to_string(progress->name++);
    }
    const InputItem angles[3] = {InputItem::A, InputItem::B, InputItem::C};
    for (int k = 0; k < 3; ++k) {
      if (prompt == promptTexts(angles[k]).enter) {
        const std::size_t i = progress->angle[k]++;
        if (i >= chain.triangles.size()) return std::nullopt;
        return chain.triangles[i][static_cast<std::size_t>(k)];
      }
    }
    for (const auto& [item, typed] : chain.values) {
      if (prompt == promptTexts(item).enter) return typed;
    }
    for (int item = 0; item <= static_cast<int>(InputItem::Qb); ++item) {
      if (prompt == promptTexts(static_cast<InputItem>(item)).enter) return std::string();
    }
    return std::nullopt;
  };
}

}  // namespace chainadj::testing
