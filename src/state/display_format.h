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

// The masks in use.
inline constexpr const char* kMaskCoordinate = "0.000";         // metres, to the millimetre
inline constexpr const char* kMaskSide = "0.0000";              // a typed or derived side
inline constexpr const char* kMaskAngle = "0.00000";            // degrees
inline constexpr const char* kMaskAngleReentered = ".00000";    // Ta's echo after a re-entry
inline constexpr const char* kMaskTwoDecimals = "0.00";         // closures and mean errors
inline constexpr const char* kMaskReciprocalWeight = "0.000000";

// The unit texts that follow a number.
inline constexpr const char* kUnitSeconds = " 秒";
inline constexpr const char* kUnitLogUnits = " 单位";  // units of the sixth decimal
inline constexpr const char* kUnitMillimetres = " 毫米";
inline constexpr const char* kUnitDegrees = " 度";

std::string formatMask(double value, std::string_view mask);
// formatMask(value, mask) appended to `out`, without a string of its own (for long tables).
void appendMask(double value, std::string_view mask, std::string& out);

// formatMask(value, mask) followed by a unit text such as " 秒" or " 毫米".
std::string formatWithUnit(double value, std::string_view mask, std::string_view unit);

// Round(x, d) in plain digits, without trailing zeros: 1234.5 -> "1234.5", 1000 -> "1000".
std::string formatRoundedPlain(double value, int decimals);

// A whole number in plain digits (no separators, no exponent), truncated toward zero.
std::string formatWholeNumber(double value);

// Round(x, d): x rounded to d decimals, halves to even on the exact binary value.
double roundHalfEven(double value, int decimals);

}  // namespace chainadj
