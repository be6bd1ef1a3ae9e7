#include "state/prompt_key.h"

#include <array>

namespace chainadj {
namespace {

constexpr std::array<const char*, 23> kItemNames = {
    "Xa", "Ya", "Xb", "Yb", "Xc", "Yc", "Xd", "Yd", "Xe", "Ye", "Xf", "Yf",
    "Sa", "Sb", "Tag", "Ta", "TbG", "Tb", "Qa", "Qb", "A", "B", "C"};

std::string valueName(const PromptKey& key) {
  std::string name = inputItemName(key.item);
  if (isTriangleAngle(key.item)) name += "(" + std::to_string(key.index) + ")";
  return name;
}

}  // namespace

const char* inputItemName(InputItem item) { return kItemNames[static_cast<std::size_t>(item)]; }

std::string keyName(const PromptKey& key) {
  switch (key.kind) {
    case PromptKind::TriangleCount: return "n";
    case PromptKind::Value: return valueName(key);
    case PromptKind::Confirmation: return "确认 " + valueName(key);
    case PromptKind::Reentry: return "重输 " + valueName(key);
    case PromptKind::PointName: return "点名 " + std::to_string(key.index + 1);
    case PromptKind::Listing: return "列出点 " + std::to_string(key.index);
  }
  return {};
}

}  // namespace chainadj
