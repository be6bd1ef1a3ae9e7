// How numbers are shown: rounded to the mask's decimals with halves to even on the double's
// exact value, then written with the mask. Masks in use: "0.000", "0.0000", "0.00000", ".00000",
// "0.00", "0.000000". A 0 before the point forces one integer digit; ".00000" writes none when
// the integer part is 0 (0.5 -> ".50000"). A value that rounds to zero has no minus sign.
//
// A value that is not finite never reaches a box: formatting it throws ChainError.
#pragma once

#include <string>
#include <string_view>

namespace chainadj {

std::string formatMask(double value, std::string_view mask);

// formatMask(value, mask) followed by a unit text such as " 秒" or " 毫米".
std::string formatWithUnit(double value, std::string_view mask, std::string_view unit);

// A whole number in plain digits (no separators, no exponent), truncated toward zero.
std::string formatWholeNumber(double value);

// Round(x, d): x rounded to d decimals, halves to even on the exact binary value.
double roundHalfEven(double value, int decimals);

}  // namespace chainadj
