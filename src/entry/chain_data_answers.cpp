#include "entry/chain_data_answers.h"

namespace chainadj {
namespace {

// Confirmation by Enter: the value is correct.
const std::string kEnter;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

}  // namespace

ChainDataAnswers::ChainDataAnswers(ChainData data, ListingAnswers listing)
    : data_(std::move(data)), listing_(listing) {}

std::optional<std::string> ChainDataAnswers::answer(const PromptKey& key) {
  switch (key.kind) {
    case PromptKind::TriangleCount: return triangleCount();
    case PromptKind::Confirmation: return kEnter;
    case PromptKind::Reentry: return std::nullopt;
    case PromptKind::PointName: return name(key.index);
    case PromptKind::Listing:
      if (listing_ == ListingAnswers::Answered) return kEnter;
      return std::nullopt;
    case PromptKind::Value:
      if (isTriangleAngle(key.item)) return triangleAngle(key.item, key.index);
      return knownValue(key.item);
  }
  return std::nullopt;
}

std::optional<std::string> ChainDataAnswers::triangleCount() {
  if (countAnswered_) return std::nullopt;
  countAnswered_ = true;
  return std::to_string(data_.triangles.size());
}

std::optional<std::string> ChainDataAnswers::knownValue(InputItem item) {
  const auto k = static_cast<std::size_t>(item);
  if (answered_.test(k)) return std::nullopt;
  answered_.set(k);
  return data_.value(item);
}

std::optional<std::string> ChainDataAnswers::triangleAngle(InputItem angle, int triangle) {
  const auto column = static_cast<std::size_t>(angle) - static_cast<std::size_t>(InputItem::A);
  if (triangle <= lastTriangle_[column] || at(triangle) > data_.triangles.size()) {
    return std::nullopt;
  }
  lastTriangle_[column] = triangle;
  return data_.triangles[at(triangle - 1)][column];
}

std::string ChainDataAnswers::name(int order) const {
  return order >= 0 && at(order) < data_.names.size() ? data_.names[at(order)] : std::string();
}

}  // namespace chainadj
