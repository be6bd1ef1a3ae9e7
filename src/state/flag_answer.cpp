#include "state/flag_answer.h"

#include <array>

namespace chainadj {
namespace {

// U+3000 IDEOGRAPHIC SPACE in UTF-8.
constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";

std::string_view withoutBlanks(std::string_view text) {
  for (;;) {
    if (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
      text.remove_prefix(1);
    } else if (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
      text.remove_suffix(1);
    } else if (text.starts_with(kIdeographicSpace)) {
      text.remove_prefix(kIdeographicSpace.size());
    } else if (text.ends_with(kIdeographicSpace)) {
      text.remove_suffix(kIdeographicSpace.size());
    } else {
      return text;
    }
  }
}

// The letter with its capital and the full-width forms U+FF59 ｙ, U+FF39 Ｙ, U+FF4E ｎ, U+FF2E Ｎ.
constexpr std::array<std::string_view, 4> kYes = {"y", "Y", "\xEF\xBD\x99", "\xEF\xBC\xB9"};
constexpr std::array<std::string_view, 4> kNo = {"n", "N", "\xEF\xBD\x8E", "\xEF\xBC\xAE"};

bool isOneOf(std::string_view text, const std::array<std::string_view, 4>& forms) {
  for (std::string_view form : forms) {
    if (text == form) return true;
  }
  return false;
}

}  // namespace

std::string flagAnswer(std::string_view answer) {
  const std::string_view letter = withoutBlanks(answer);
  if (isOneOf(letter, kYes)) return "y";
  if (isOneOf(letter, kNo)) return "n";
  return std::string(answer);
}

}  // namespace chainadj
