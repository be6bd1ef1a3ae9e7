// Reading the user's answers as numbers.
//
// Blanks around an answer are ignored (ASCII blanks and the ideographic space). Full-width
// digits, "．", "－" and "＋" from a Chinese input method count as their ASCII twins. A number is
// an optional sign, digits with an optional decimal point (at least one digit in all) and an
// optional exponent: "12", "-0.5", ".25", "1e3", "４５．３０２０" are numbers; "12a", "1,5",
// "--1", "e5", "." and "inf" are not.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace chainadj {

// The answer in plain ASCII without the blanks around it, or nullopt when it is not a number.
// An empty answer gives "" (callers take it as 0).
std::optional<std::string> normalizedNumberText(std::string_view answer);

// A number taken apart: its sign, its digits with the decimal point as written, and its
// exponent (saturated at +-kExponentLimit, far beyond any double).
struct NumberParts {
  static constexpr long kExponentLimit = 100000;
  bool negative = false;
  std::string mantissa;  // digits with an optional point: "45.3015", ".5", "12."
  long exponent = 0;
};

// The parts of an answer that is a number; nullopt when it is no number or empty.
std::optional<NumberParts> splitNumber(std::string_view answer);
// The parts of a text that normalizedNumberText gave and that is not empty.
NumberParts splitNormalized(std::string_view normalizedText);

// The answer's value: an empty answer is 0; nullopt when the answer is no number (or too large
// to hold).
std::optional<double> parseNumber(std::string_view answer);

// The value of a text that normalizedNumberText gave, as parseNumber reads it.
std::optional<double> numberOfNormalized(std::string_view normalizedText);

// A confirmation answer means "wrong" exactly when it reads as the number 0 ("0", "00", "0.0",
// " 0 ", "０"). An empty answer and any text that is no number mean "correct".
bool meansWrong(std::string_view confirmation);

}  // namespace chainadj
