#include "state/number_text.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace chainadj {
namespace {

// Full-width forms U+FF0B "＋", U+FF0D "－", U+FF0E "．" and U+FF10..U+FF19 "０".."９" are
// EF BC 8B, 8D, 8E and 90..99 in UTF-8; the ideographic space U+3000 is E3 80 80.
std::string toAsciiForms(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    if (i + 2 < text.size() && byte(i) == 0xEF && byte(i + 1) == 0xBC) {
      const unsigned char last = byte(i + 2);
      char ascii = 0;
      if (last >= 0x90 && last <= 0x99) ascii = static_cast<char>('0' + (last - 0x90));
      if (last == 0x8B) ascii = '+';
      if (last == 0x8D) ascii = '-';
      if (last == 0x8E) ascii = '.';
      if (ascii != 0) {
        out.push_back(ascii);
        i += 2;
        continue;
      }
    }
    if (i + 2 < text.size() && byte(i) == 0xE3 && byte(i + 1) == 0x80 && byte(i + 2) == 0x80) {
      out.push_back(' ');
      i += 2;
      continue;
    }
    out.push_back(text[i]);
  }
  return out;
}

std::string trimBlanks(const std::string& text) {
  const auto blank = [](char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; };
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && blank(text[first])) ++first;
  while (last > first && blank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

// sign? (digits ('.' digits?)? | '.' digits) ([eE] sign? digits)?
bool isNumberGrammar(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t mantissaDigits = 0;
  while (i < text.size() && isDigit(text[i])) ++i, ++mantissaDigits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && isDigit(text[i])) ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t exponentDigits = 0;
    while (i < text.size() && isDigit(text[i])) ++i, ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  return i == text.size();
}

}  // namespace

std::optional<std::string> normalizedNumberText(std::string_view answer) {
  std::string text = trimBlanks(toAsciiForms(answer));
  if (text.empty()) return text;
  if (!isNumberGrammar(text)) return std::nullopt;
  return text;
}

std::optional<double> parseNumber(std::string_view answer) {
  const std::optional<std::string> text = normalizedNumberText(answer);
  if (!text) return std::nullopt;
  if (text->empty()) return 0.0;
  // from_chars takes no leading '+'.
  const std::size_t start = text->front() == '+' ? 1 : 0;
  double value = 0.0;
  const auto [end, error] =
      std::from_chars(text->data() + start, text->data() + text->size(), value);
  if (error == std::errc::result_out_of_range) {
    // Underflow reads as 0; overflow is refused.
    const bool tiny = text->find_first_of("123456789") == std::string::npos ||
                      text->find("e-") != std::string::npos || text->find("E-") != std::string::npos;
    if (tiny) return 0.0;
    return std::nullopt;
  }
  if (error != std::errc() || end != text->data() + text->size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

bool meansWrong(std::string_view confirmation) {
  const std::optional<std::string> text = normalizedNumberText(confirmation);
  if (!text || text->empty()) return false;
  const std::optional<double> value = parseNumber(*text);
  return value && *value == 0.0;
}

}  // namespace chainadj
