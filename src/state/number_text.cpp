#include "state/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace chainadj {
namespace {

// Full-width forms U+FF0B "＋", U+FF0D "－", U+FF0E "．" and U+FF10..U+FF19 "０".."９" are
// EF BC 8B, 8D, 8E and 90..99 in UTF-8; the ideographic space U+3000 is E3 80 80.
bool plainAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
}

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

std::string_view trimBlanks(std::string_view text) {
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
  // Answers are nearly always plain ASCII already: only the others are copied twice.
  const bool ascii = plainAscii(answer);
  const std::string converted = ascii ? std::string() : toAsciiForms(answer);
  const std::string_view text = trimBlanks(ascii ? answer : std::string_view(converted));
  if (!text.empty() && !isNumberGrammar(text)) return std::nullopt;
  return std::string(text);
}

NumberParts splitNormalized(std::string_view text) {
  NumberParts parts;
  std::string_view rest = text;
  if (rest.front() == '+' || rest.front() == '-') {
    parts.negative = rest.front() == '-';
    rest.remove_prefix(1);
  }
  const std::size_t e = static_cast<std::size_t>(
      std::find_if(rest.begin(), rest.end(), [](char ch) { return ch == 'e' || ch == 'E'; }) -
      rest.begin());
  parts.mantissa = std::string(rest.substr(0, e));
  if (e != rest.size()) {
    std::string_view exponent = rest.substr(e + 1);
    const bool negative = exponent.front() == '-';
    if (exponent.front() == '+' || exponent.front() == '-') exponent.remove_prefix(1);
    for (char digit : exponent) {
      parts.exponent = std::min(parts.exponent * 10 + (digit - '0'), NumberParts::kExponentLimit);
    }
    if (negative) parts.exponent = -parts.exponent;
  }
  return parts;
}

std::optional<NumberParts> splitNumber(std::string_view answer) {
  const std::optional<std::string> text = normalizedNumberText(answer);
  if (!text || text->empty()) return std::nullopt;
  return splitNormalized(*text);
}

namespace {

// The power of ten of the leading significant digit; nullopt for a zero.
std::optional<long> leadingPowerOfTen(const NumberParts& parts) {
  const std::size_t point = parts.mantissa.find('.');
  const long pointPosition =
      static_cast<long>(point == std::string::npos ? parts.mantissa.size() : point);
  const std::size_t first = parts.mantissa.find_first_of("123456789");
  if (first == std::string::npos) return std::nullopt;
  const long index = static_cast<long>(first) - (point != std::string::npos && first > point);
  return pointPosition - index - 1 + parts.exponent;
}

}  // namespace

std::optional<double> parseNumber(std::string_view answer) {
  const std::optional<std::string> text = normalizedNumberText(answer);
  if (!text) return std::nullopt;
  return numberOfNormalized(*text);
}

std::optional<double> numberOfNormalized(std::string_view text) {
  if (text.empty()) return 0.0;
  // from_chars takes no leading '+'.
  const std::size_t start = text.front() == '+' ? 1 : 0;
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Too small to hold reads as 0; too large is refused.
    const std::optional<long> power = leadingPowerOfTen(splitNormalized(text));
    if (!power || *power < 0) return 0.0;
    return std::nullopt;
  }
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
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
