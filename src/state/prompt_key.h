// What an input box asks for, apart from its words: the item of the chain's data it takes. The
// run names every prompt by its key, so that answers that do not come from the keyboard (a
// chain data file, the window's data editor) are given by item and never by matching texts.
#pragma once

#include <string>

namespace chainadj {

// The values taken through prompt-and-confirm, in the order of a run.
enum class InputItem {
  Xa, Ya, Xb, Yb, Xc, Yc, Xd, Yd, Xe, Ye, Xf, Yf,
  Sa, Sb, Tag, Ta, TbG, Tb, Qa, Qb,
  A, B, C
};

// The known values are the items Xa .. Qb; the triangle angles A, B, C come after them.
inline constexpr InputItem kLastKnownValue = InputItem::Qb;
inline bool isTriangleAngle(InputItem item) { return item > kLastKnownValue; }

enum class PromptKind {
  TriangleCount,  // n
  Value,          // the first ask of a value (Xa .. Qb, or A(i), B(i), C(i))
  Confirmation,   // "is it right?", after the first ask or after a re-entry
  Reentry,        // the value asked again after the user said it was wrong
  PointName,      // a point name, taken without confirmation
  Listing,        // the key press before each point of the coordinate listing
};

struct PromptKey {
  PromptKind kind = PromptKind::TriangleCount;
  InputItem item = InputItem::Xa;  // Value, Confirmation, Reentry
  // The triangle 1..n of an angle A, B or C; the place of a point name in the order the run
  // asks the names (0 for the first); the chain point of a listed point. 0 otherwise.
  int index = 0;

  bool operator==(const PromptKey&) const = default;

  static PromptKey triangleCount() { return {}; }
  static PromptKey value(InputItem item, int triangle = 0) {
    return {PromptKind::Value, item, triangle};
  }
  static PromptKey confirmation(InputItem item, int triangle = 0) {
    return {PromptKind::Confirmation, item, triangle};
  }
  static PromptKey reentry(InputItem item, int triangle = 0) {
    return {PromptKind::Reentry, item, triangle};
  }
  static PromptKey pointName(int order) { return {PromptKind::PointName, InputItem::Xa, order}; }
  static PromptKey listing(int point) { return {PromptKind::Listing, InputItem::Xa, point}; }
};

// The name of a value as the prompts use it: "Xa", "TbG", "A" ...
const char* inputItemName(InputItem item);

// The key as a surveyor would name it: "n", "Xa", "A(3)", "确认 Sa", "重输 C(2)", "点名 4",
// "列出点 7"; for messages and test failures.
std::string keyName(const PromptKey& key);

}  // namespace chainadj
