#include "entry/typed_answer_edits.h"

namespace chainadj {

EditBatch editsForAnswer(const ChainDocument& document, const PromptKey& key, const std::string& text) {
  switch (key.kind) {
    case PromptKind::PointName:
      return {DocumentEdit::name(key.index, text)};
    case PromptKind::Value: {
      if (!isTriangleAngle(key.item)) return {DocumentEdit::value(key.item, text)};
      const int row = key.index - 1;
      const int column = static_cast<int>(key.item) - static_cast<int>(InputItem::A);
      if (row < document.rowCount()) return {DocumentEdit::angle(row, column, text)};
      TriangleAngles angles;
      angles[static_cast<std::size_t>(column)] = text;
      return {DocumentEdit::insertRows(document.rowCount(), {angles})};
    }
    default:
      return {};
  }
}

}  // namespace chainadj
