#include "report/adjustment_kind.h"

#include <array>

#include "entry/variant_selection.h"

namespace chainadj {
namespace {

// Rows 7..10 name no kind in the window; the report says what known data orient them.
constexpr std::array<const char*, 4> kOrientedByKnownPoints = {
    "由定向点 E、F 定向，按方位角条件、边条件和座标条件平差",
    "由定向点 E 定向，终端给出方位角（或已知点 D），按方位角条件、边条件和座标条件平差",
    "由已知点 C 起算，以定向点 F 闭合，按方位角条件、边条件和座标条件平差",
    "由已知点 C 起算，以终端基线闭合，按边条件和座标条件平差、没有方位角条件",
};
constexpr int kFirstRowWithoutKind = 7;

}  // namespace

std::string adjustmentKindText(int row) {
  const auto& rows = selectionRows();
  if (row < 1 || row > static_cast<int>(rows.size())) return {};
  if (const char* kind = rows[static_cast<std::size_t>(row - 1)].kind) return kind;
  return kOrientedByKnownPoints[static_cast<std::size_t>(row - kFirstRowWithoutKind)];
}

}  // namespace chainadj
