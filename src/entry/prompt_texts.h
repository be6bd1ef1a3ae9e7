// The texts of every input box of a run, exactly as the program has always shown them.
#pragma once

#include <string>

#include "state/prompt_key.h"

namespace chainadj {

struct PromptTexts {
  const char* enter;
  const char* confirm;
  const char* reenter;
  const char* confirmAgain;
};

const PromptTexts& promptTexts(InputItem item);

// The same four prompts as strings, made once: a long chain asks them hundreds of thousands of
// times.
struct PromptStrings {
  std::string enter, confirm, reenter, confirmAgain;
};
const PromptStrings& promptStrings(InputItem item);

// Values taken without confirmation.
inline constexpr const char* kTriangleCountPrompt = "请输入三角形的个数";
inline constexpr const char* kTriangleCountEchoStart = "三角锁共有";
inline constexpr const char* kTriangleCountEchoEnd = "个三角形";

inline constexpr const char* kNamePromptC = "请输入起算点 C 的点名 :";
inline constexpr const char* kNamePromptD = "请输入闭合点 D 的点名 :";
inline constexpr const char* kNamePromptA = "请输入起算点 A 的点名 :";
inline constexpr const char* kNamePromptB = "请输入闭合点 B 的点名 :";
inline constexpr const char* kNamePromptNewPoint = "请从待定点开始按顺序输入待定点的点名 :";
// Asked after C when D is absent: the same words without the space before the colon.
inline constexpr const char* kNamePromptNewPointTight = "请从待定点开始按顺序输入待定点的点名:";

}  // namespace chainadj
