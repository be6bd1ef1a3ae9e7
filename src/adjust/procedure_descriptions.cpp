#include "adjust/procedure_descriptions.h"

#include <array>

namespace chainadj {
namespace {

// Rows 1..6 by the conditions they adjust with; rows 7..10 by the known data that orient them too.
constexpr std::array<const char*, 10> kDescriptions = {
    "由起始边长按边条件、方位角条件和座标条件平差",
    "由起始边长按方位角条件和座标条件平差、没有边条件",
    "由起始边长按座标条件平差,没有边条件和方位角条件",
    "由假定边长按方位角条件和座标条件平差、没有边条件",
    "本锁以线形锁近似平差",
    "本锁以三角锁按边条件、方位角条件和座标条件平差",
    "由定向点 E、F 定向，按方位角条件、边条件和座标条件平差",
    "由定向点 E 定向，终端给出方位角（或已知点 D），按方位角条件、边条件和座标条件平差",
    "由已知点 C 起算，以定向点 F 闭合，按方位角条件、边条件和座标条件平差",
    "由已知点 C 起算，以终端基线闭合，按边条件和座标条件平差、没有方位角条件",
};

}  // namespace

std::string procedureDescription(int row) {
  if (row < 1 || row > static_cast<int>(kDescriptions.size())) return {};
  return kDescriptions[static_cast<std::size_t>(row - 1)];
}

}  // namespace chainadj
