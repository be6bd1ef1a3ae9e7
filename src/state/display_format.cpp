#include "state/display_format.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <stdexcept>

#include "state/chain_error.h"

namespace chainadj {
namespace {

void requireFinite(double value) {
  if (!std::isfinite(value)) {
    throw ChainError("计算结果不是有限的数值，请检查输入的数据。");
  }
}

// m 10^d of a 53-bit m and d <= 9 needs 83 bits; GCC and Clang give 128 (the extension keeps
// -Wpedantic quiet).
__extension__ using Wide = unsigned __int128;

constexpr int kMostExactDecimals = 9;
constexpr std::array<std::uint64_t, kMostExactDecimals + 1> kPowersOfTen = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};

// |value| rounded to `decimals` as a whole number of units of the last decimal, ties to even,
// worked out exactly: |value| = m 2^(e - 53) with m below 2^53 (read from the bits of the double,
// a subnormal one unnormalised), so |value| 10^d = m 10^d / 2^(53 - e), and the part shifted out
// decides the rounding. Values of 2^53 and more (and inf and NaN) are left to to_chars.
std::optional<std::uint64_t> roundedUnits(double value, int decimals) {
  constexpr int kFractionBits = 52;
  constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << kFractionBits) - 1;
  constexpr int kExponentMask = 0x7FF;
  constexpr int kExponentBias = 1022;  // so that a normal |value| is m 2^(e - 53)
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const int biased = static_cast<int>(bits >> kFractionBits) & kExponentMask;
  std::uint64_t mantissa = bits & kFractionMask;
  if (biased != 0) mantissa |= std::uint64_t{1} << kFractionBits;
  const int exponent = (biased == 0 ? 1 : biased) - kExponentBias;
  if (exponent > 53 || decimals > kMostExactDecimals) return std::nullopt;
  const Wide scaled =
      static_cast<Wide>(mantissa) * kPowersOfTen[static_cast<std::size_t>(decimals)];
  const int shift = 53 - exponent;  // |value| 10^d = scaled / 2^shift, shift >= 0
  if (shift >= 100) return 0;       // far below half a unit
  Wide units = scaled >> shift;
  if (shift > 0) {
    const Wide rest = scaled - (units << shift);
    const Wide half = static_cast<Wide>(1) << (shift - 1);
    if (rest > half || (rest == half && (units & 1) != 0)) ++units;
  }
  if ((units >> 64) != 0) return std::nullopt;  // more units than 64 bits hold
  return static_cast<std::uint64_t>(units);
}

// Fixed notation with the given decimals, whatever the locale, on the exact binary value with an
// exact tie rounded to even, which is the rounding every box uses (and to_chars's).
void appendFixed(double value, int decimals, std::string& out) {
  if (const std::optional<std::uint64_t> units = roundedUnits(value, decimals)) {
    // The digits of the units, the point put in before the last `decimals` of them.
    std::array<char, 24> digits;
    char* const end = std::to_chars(digits.data(), digits.data() + digits.size(), *units).ptr;
    const auto count = static_cast<int>(end - digits.data());
    if (std::signbit(value)) out.push_back('-');
    if (count <= decimals) {
      out += "0.";
      out.append(static_cast<std::size_t>(decimals - count), '0');
      out.append(digits.data(), end);
    } else {
      char* const point = end - decimals;
      out.append(digits.data(), point);
      if (decimals > 0) out.append(1, '.').append(point, end);
    }
    return;
  }
  // The largest double has 309 integer digits.
  std::array<char, 340> digits;
  const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                    std::chars_format::fixed, decimals);
  out.append(digits.data(), result.ptr);
}

std::string fixed(double value, int decimals) {
  std::string text;
  appendFixed(value, decimals, text);
  return text;
}

bool allZeroDigits(std::string_view text) {
  for (char ch : text) {
    if (ch >= '1' && ch <= '9') return false;
  }
  return true;
}

}  // namespace

std::string formatMask(double value, std::string_view mask) {
  std::string text;
  appendMask(value, mask, text);
  return text;
}

void appendMask(double value, std::string_view mask, std::string& out) {
  requireFinite(value);
  const std::size_t point = mask.find('.');
  if (point == std::string_view::npos) throw std::invalid_argument("mask without a point");
  const int decimals = static_cast<int>(mask.size() - point - 1);
  const bool forceIntegerDigit = point > 0;

  const std::size_t start = out.size();
  appendFixed(value, decimals, out);
  if (out[start] == '-' && allZeroDigits(std::string_view(out).substr(start))) out.erase(start, 1);
  if (!forceIntegerDigit) {
    const std::size_t digitsStart = out[start] == '-' ? start + 1 : start;
    if (out.compare(digitsStart, 2, "0.") == 0) out.erase(digitsStart, 1);
  }
}

std::string formatWithUnit(double value, std::string_view mask, std::string_view unit) {
  std::string text = formatMask(value, mask);
  text.append(unit);
  return text;
}

std::string formatRoundedPlain(double value, int decimals) {
  requireFinite(value);
  std::string text = fixed(value, decimals);
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

std::string formatWholeNumber(double value) {
  requireFinite(value);
  std::string text = fixed(std::trunc(value), 0);
  if (text == "-0") text = "0";
  return text;
}

double roundHalfEven(double value, int decimals) {
  if (!std::isfinite(value)) return value;
  const std::string text = fixed(value, decimals);
  double rounded = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), rounded);
  return rounded;
}

}  // namespace chainadj
