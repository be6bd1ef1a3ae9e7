#include "entry/chain_data_answers.h"

#include <unordered_map>

#include "adjust/coordinate_listing.h"
#include "entry/prompt_texts.h"

namespace chainadj {
namespace {

enum class PromptRole { TriangleCount, Value, Confirmation, Name, Listing };

struct PromptMeaning {
  PromptRole role;
  InputItem item = InputItem::Xa;  // for Value
};

// The prompts are long (a confirmation some 150 bytes) and a run asks six of them a triangle:
// a few bytes spread over the text tell them apart, and two prompts that hash alike only cost a
// comparison of their texts.
struct SampledTextHash {
  static constexpr std::size_t kSamples = 8;
  std::size_t operator()(const std::string& text) const {
    std::size_t hash = text.size();
    if (text.empty()) return hash;
    for (std::size_t k = 0; k < kSamples; ++k) {
      hash = hash * 131 + static_cast<unsigned char>(text[text.size() * k / kSamples]);
    }
    return hash;
  }
};
using PromptMeanings = std::unordered_map<std::string, PromptMeaning, SampledTextHash>;

// Every prompt of a run that a data file answers, by its text.
PromptMeanings promptMeanings() {
  PromptMeanings meanings;
  meanings[kTriangleCountPrompt] = {PromptRole::TriangleCount};
  meanings[kListingPrompt] = {PromptRole::Listing};
  for (const char* name : {kNamePromptA, kNamePromptB, kNamePromptC, kNamePromptD,
                           kNamePromptNewPoint, kNamePromptNewPointTight}) {
    meanings[name] = {PromptRole::Name};
  }
  for (int k = 0; k <= static_cast<int>(InputItem::C); ++k) {
    const auto item = static_cast<InputItem>(k);
    meanings[promptTexts(item).enter] = {PromptRole::Value, item};
    meanings[promptTexts(item).confirm] = {PromptRole::Confirmation};
    meanings[promptTexts(item).confirmAgain] = {PromptRole::Confirmation};
  }
  return meanings;
}

// Confirmation by Enter: the value is correct.
const std::string kEnter;

}  // namespace

ChainDataAnswers::ChainDataAnswers(ChainData data, ListingAnswers listing)
    : data_(std::move(data)), listing_(listing) {}

std::optional<std::string> ChainDataAnswers::answer(const std::string& prompt) {
  static const PromptMeanings meanings = promptMeanings();
  const auto found = meanings.find(prompt);
  if (found == meanings.end()) return std::nullopt;
  const PromptMeaning& meaning = found->second;
  switch (meaning.role) {
    case PromptRole::TriangleCount: return std::to_string(data_.triangles.size());
    case PromptRole::Confirmation: return kEnter;
    case PromptRole::Name: return nextName();
    case PromptRole::Listing:
      if (listing_ == ListingAnswers::Answered) return kEnter;
      return std::nullopt;
    case PromptRole::Value:
      if (meaning.item > kLastKnownValue) {
        return triangleAngle(static_cast<std::size_t>(meaning.item) -
                             static_cast<std::size_t>(InputItem::A));
      }
      return knownValue(meaning.item);
  }
  return std::nullopt;
}

std::optional<std::string> ChainDataAnswers::knownValue(InputItem item) {
  if (!answered_.insert(item).second) return std::nullopt;
  return data_.value(item);
}

std::optional<std::string> ChainDataAnswers::triangleAngle(std::size_t column) {
  const std::size_t triangle = nextAngle_[column]++;
  if (triangle >= data_.triangles.size()) return std::nullopt;
  return data_.triangles[triangle][column];
}

std::string ChainDataAnswers::nextName() {
  const std::size_t k = nextName_++;
  return k < data_.names.size() ? data_.names[k] : std::string();
}

}  // namespace chainadj
