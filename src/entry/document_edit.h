// One edit of a chain document (chain_document.h): a value, a point name or a triangle angle set,
// triangle rows inserted or removed. Applying an edit gives the edit that takes it back, so that
// undo and redo are edits too; the recovery file keeps a chain's edits one a line.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "state/prompt_key.h"

namespace chainadj {

using TriangleAngles = std::array<std::string, 3>;  // typed A, B, C; "" where not given

struct DocumentEdit {
  enum class Kind {
    Value,        // the known value `item` becomes `text` ("" takes it away)
    Name,         // the point name of order `index` becomes `text`
    Angle,        // angle `column` (0 A, 1 B, 2 C) of triangle row `index` (0 for the first)
    InsertRows,   // `rows` inserted before row `index` (at the end when it is the row count)
    RemoveRows,   // `count` rows removed from row `index` on
    RestoreRows,  // the rows removed at `index` come back as they were, their lines `lines` of
                  // the document (ids, see ChainDocument) with their comments, exact to the byte;
                  // `rows` are their angles
    Setting,      // the settings line `keyword` (chain_settings.h) becomes `text` ("" takes it away)
  };

  Kind kind = Kind::Value;
  InputItem item = InputItem::Xa;
  int index = 0;
  int column = 0;
  int count = 0;
  std::string keyword;  // Setting
  std::string text;
  std::vector<TriangleAngles> rows;
  std::vector<std::uint64_t> lines;

  static DocumentEdit value(InputItem item, std::string text) {
    DocumentEdit edit;
    edit.item = item;
    edit.text = std::move(text);
    return edit;
  }
  static DocumentEdit name(int order, std::string text) {
    DocumentEdit edit;
    edit.kind = Kind::Name;
    edit.index = order;
    edit.text = std::move(text);
    return edit;
  }
  static DocumentEdit angle(int row, int column, std::string text) {
    DocumentEdit edit;
    edit.kind = Kind::Angle;
    edit.index = row;
    edit.column = column;
    edit.text = std::move(text);
    return edit;
  }
  static DocumentEdit insertRows(int row, std::vector<TriangleAngles> rows) {
    DocumentEdit edit;
    edit.kind = Kind::InsertRows;
    edit.index = row;
    edit.rows = std::move(rows);
    return edit;
  }
  static DocumentEdit setting(std::string keyword, std::string text) {
    DocumentEdit edit;
    edit.kind = Kind::Setting;
    edit.keyword = std::move(keyword);
    edit.text = std::move(text);
    return edit;
  }
  static DocumentEdit removeRows(int row, int count) {
    DocumentEdit edit;
    edit.kind = Kind::RemoveRows;
    edit.index = row;
    edit.count = count;
    return edit;
  }

  bool operator==(const DocumentEdit&) const = default;
};

// Edits made as one: a paste, a typed answer; undone in the reverse order.
using EditBatch = std::vector<DocumentEdit>;

}  // namespace chainadj
