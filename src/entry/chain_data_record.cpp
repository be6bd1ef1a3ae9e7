#include "entry/chain_data_record.h"

#include "state/number_text.h"

namespace chainadj {

void ChainDataRecord::answerAccepted(const PromptKey& key, const std::string& text) {
  switch (key.kind) {
    case PromptKind::TriangleCount: {
      // No more triangles and names than the count: a long chain is kept without moving them.
      const auto n = static_cast<std::size_t>(parseNumber(text).value_or(0.0));
      data_.triangles.reserve(n);
      data_.names.reserve(n + 2);
      return;
    }
    case PromptKind::PointName:
      data_.names.push_back(text);
      return;
    case PromptKind::Value:
      if (!isTriangleAngle(key.item)) {
        data_.values[key.item] = text;
      } else if (key.item == InputItem::C) {
        data_.triangles.push_back({std::move(pending_[0]), std::move(pending_[1]), text});
      } else {
        pending_[key.item == InputItem::A ? 0 : 1] = text;
      }
      return;
    default:
      return;
  }
}

void ListenerPair::answerAccepted(const PromptKey& key, const std::string& text) {
  if (first_ != nullptr) first_->answerAccepted(key, text);
  if (second_ != nullptr) second_->answerAccepted(key, text);
}

}  // namespace chainadj
