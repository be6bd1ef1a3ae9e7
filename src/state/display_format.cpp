#include "state/display_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

#include "state/chain_error.h"

namespace chainadj {
namespace {

void requireFinite(double value) {
  if (!std::isfinite(value)) {
    throw ChainError("计算结果不是有限的数值，请检查输入的数据。");
  }
}

// Fixed notation with the given decimals, whatever the locale. to_chars works on the exact
// binary value and rounds an exact tie to even, which is the rounding every box uses.
void appendFixed(double value, int decimals, std::string& out) {
  // The largest double has 309 integer digits; the masks ask for at most six decimals.
  std::array<char, 330> digits;
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
