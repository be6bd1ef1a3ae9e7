#include "entry/triangle_paste.h"

#include <algorithm>
#include <optional>

#include "entry/chain_checks.h"
#include "entry/chain_file_syntax.h"
#include "entry/point_names.h"
#include "state/chain_error.h"
#include "state/constants.h"

namespace chainadj {
namespace {

constexpr std::size_t kNamedRowCells = 4;
constexpr std::size_t kAngleRowCells = 3;

std::vector<std::string> cellsOf(std::string_view line) {
  std::vector<std::string> cells;
  if (line.find('\t') != std::string_view::npos) {
    for (std::size_t start = 0;;) {
      const std::size_t tab = line.find('\t', start);
      cells.emplace_back(trimFileBlanks(line.substr(start, tab - start)));
      if (tab == std::string_view::npos) break;
      start = tab + 1;
    }
  } else {
    for (FirstWord next = splitFirstWord(line); !next.word.empty(); next = splitFirstWord(next.rest)) {
      cells.emplace_back(next.word);
    }
  }
  while (!cells.empty() && cells.back().empty()) cells.pop_back();
  return cells;
}

// One pasted line as the table takes it: its angles from `firstColumn` on, and a name.
struct PastedRow {
  std::optional<std::string> name;
  int firstColumn = 0;
  std::vector<std::string> angles;
};

[[noreturn]] void refuseLine(std::size_t line, const std::string& what) {
  throw ChainError("粘贴的第 " + std::to_string(line) + " 行：" + what + "。");
}

PastedRow pastedRow(std::vector<std::string> cells, int column, std::size_t line) {
  PastedRow row;
  if (cells.size() == kNamedRowCells) {
    row.name = std::move(cells.front());
    cells.erase(cells.begin());
  }
  if (cells.size() == kAngleRowCells) {
    row.angles = std::move(cells);
    return row;
  }
  if (row.name || cells.size() + static_cast<std::size_t>(column) > kAngleRowCells) {
    refuseLine(line, "有 " + std::to_string(cells.size() + (row.name ? 1 : 0)) +
                         " 列。每行应当是三个角 A B C，或者点名和三个角");
  }
  row.firstColumn = column;
  row.angles = std::move(cells);
  return row;
}

bool areAngles(const PastedRow& row) {
  for (std::size_t k = 0; k < row.angles.size(); ++k) {
    const ValueKind kind = triangleAngleColumns()[static_cast<std::size_t>(row.firstColumn) + k].kind;
    if (readAnswer(kind, row.angles[k]).refusal == Refusal::NotANumber) return false;
  }
  return true;
}

void checkAngles(const PastedRow& row, int triangle, std::size_t line) {
  for (std::size_t k = 0; k < row.angles.size(); ++k) {
    const int column = row.firstColumn + static_cast<int>(k);
    const ValueKind kind = triangleAngleColumns()[static_cast<std::size_t>(column)].kind;
    if (const std::optional<Refusal> refusal = refusalReason(kind, row.angles[k])) {
      refuseLine(line, valueRefusalText(*refusal, triangleAngleName(triangle, column), row.angles[k]));
    }
  }
}

}  // namespace

std::vector<std::vector<std::string>> pastedCells(std::string_view text) {
  std::vector<std::vector<std::string>> rows;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::vector<std::string> cells = cellsOf(line);
    if (!cells.empty()) rows.push_back(std::move(cells));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return rows;
}

EditBatch trianglePaste(const ChainDocument& document, std::string_view text, int row, int column) {
  row = std::clamp(row, 0, document.rowCount());
  column = std::clamp(column, 0, 2);
  const std::vector<std::vector<std::string>> cells = pastedCells(text);
  std::vector<PastedRow> rows;
  for (std::size_t k = 0; k < cells.size(); ++k) {
    PastedRow pasted = pastedRow(cells[k], column, k + 1);
    if (k == 0 && !areAngles(pasted)) continue;  // a heading
    checkAngles(pasted, row + static_cast<int>(rows.size()) + 1, k + 1);
    rows.push_back(std::move(pasted));
  }
  if (rows.empty()) throw ChainError("粘贴的内容里没有三角形的角。");
  const int rowsAfter = std::max(document.rowCount(), row + static_cast<int>(rows.size()));
  if (rowsAfter > kMaxTriangles) throw ChainError("粘贴以后三角形超过 100000 个。");

  const ChainData known = document.knownData();
  EditBatch edits;
  std::vector<TriangleAngles> added;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const int target = row + static_cast<int>(k);
    const PastedRow& pasted = rows[k];
    TriangleAngles angles = target < document.rowCount() ? document.row(target) : TriangleAngles();
    for (std::size_t a = 0; a < pasted.angles.size(); ++a) {
      angles[static_cast<std::size_t>(pasted.firstColumn) + a] = pasted.angles[a];
    }
    if (target < document.rowCount()) {
      for (int c = 0; c < 3; ++c) {
        if (angles[static_cast<std::size_t>(c)] != document.row(target)[static_cast<std::size_t>(c)]) {
          edits.push_back(DocumentEdit::angle(target, c, angles[static_cast<std::size_t>(c)]));
        }
      }
    } else {
      added.push_back(std::move(angles));
    }
  }
  if (!added.empty()) edits.push_back(DocumentEdit::insertRows(document.rowCount(), std::move(added)));
  for (std::size_t k = 0; k < rows.size(); ++k) {
    if (!rows[k].name) continue;
    const int triangle = row + static_cast<int>(k) + 1;
    const std::optional<int> order = nameOrderOfTrianglePoint(known, rowsAfter, triangle);
    if (!order) {
      refuseLine(k + 1, "这个数据不问第 " + std::to_string(triangle) +
                            " 个三角形所定的点的点名，点名 “" + *rows[k].name + "” 放不进去");
    }
    edits.push_back(DocumentEdit::name(*order, *rows[k].name));
  }
  return edits;
}

}  // namespace chainadj
