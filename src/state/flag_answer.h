// Reading the answer to the Tag and TbG prompts. The prompts say "输入 Y" and "输入 N"; a
// surveyor types the letter in either case, often from a Chinese input method.
#pragma once

#include <string>
#include <string_view>

namespace chainadj {

// "y" for an answer that is y or Y, "n" for n or N (the full-width forms Ｙ ｙ Ｎ ｎ too), with
// blanks (ASCII or the ideographic space) around it allowed; any other answer as typed.
std::string flagAnswer(std::string_view answer);

}  // namespace chainadj
