#include "entry/chain_file_syntax.h"

namespace chainadj {
namespace {

constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";

bool isBlankByte(char ch) { return ch == ' ' || ch == '\t' || ch == '\r'; }

// The length of the blank at the start of the text, 0 when it starts with none.
std::size_t blankAt(std::string_view text) {
  if (!text.empty() && isBlankByte(text.front())) return 1;
  if (text.substr(0, kIdeographicSpace.size()) == kIdeographicSpace) return kIdeographicSpace.size();
  return 0;
}

std::size_t blankBefore(std::string_view text) {
  if (!text.empty() && isBlankByte(text.back())) return 1;
  if (text.size() >= kIdeographicSpace.size() &&
      text.substr(text.size() - kIdeographicSpace.size()) == kIdeographicSpace) {
    return kIdeographicSpace.size();
  }
  return 0;
}

// The position of the first blank, or the text's size.
std::size_t firstBlank(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (blankAt(text.substr(i)) != 0) return i;
  }
  return text.size();
}

bool quotedOnBothEnds(std::string_view text) {
  return text.size() >= 2 && text.front() == kQuote && text.back() == kQuote;
}

bool hasBlankAtAnEnd(std::string_view text) {
  return blankAt(text) != 0 || blankBefore(text) != 0;
}

std::string quoted(const std::string& text) { return kQuote + text + kQuote; }

}  // namespace

std::string_view trimFileBlanks(std::string_view text) {
  while (std::size_t blank = blankAt(text)) text.remove_prefix(blank);
  while (std::size_t blank = blankBefore(text)) text.remove_suffix(blank);
  return text;
}

FirstWord splitFirstWord(std::string_view text) {
  text = trimFileBlanks(text);
  const std::size_t end = firstBlank(text);
  return {text.substr(0, end), trimFileBlanks(text.substr(end))};
}

std::string_view withoutComment(std::string_view text) {
  return text.substr(0, text.find(kCommentMark));
}

ValueText valueOfLine(std::string_view rest) {
  rest = trimFileBlanks(rest);
  if (rest.empty() || rest.front() != kQuote) {
    return {std::string(trimFileBlanks(withoutComment(rest)))};
  }
  const std::size_t closing = rest.rfind(kQuote);
  if (closing == 0) return {std::string(), ValueSyntax::UnpairedQuote};
  const std::string_view after = trimFileBlanks(rest.substr(closing + 1));
  if (!after.empty() && after.front() != kCommentMark) {
    return {std::string(), ValueSyntax::TextAfterQuote};
  }
  return {std::string(rest.substr(1, closing - 1))};
}

std::string nameOfLine(std::string_view rest) {
  rest = trimFileBlanks(rest);
  if (quotedOnBothEnds(rest)) rest = rest.substr(1, rest.size() - 2);
  return std::string(rest);
}

namespace {

// Where `part`, a view into `line`, begins in it.
std::size_t offsetIn(std::string_view line, std::string_view part) {
  return static_cast<std::size_t>(part.data() - line.data());
}

}  // namespace

TextSpan valueSpanOfLine(std::string_view line) {
  const FirstWord first = splitFirstWord(line);
  const std::size_t nameEnd = offsetIn(line, first.word) + first.word.size();
  const std::string_view rest = first.rest;
  if (!rest.empty() && rest.front() == kQuote) {
    const std::size_t closing = rest.rfind(kQuote);
    const std::size_t begin = offsetIn(line, rest);
    return {begin, begin + (closing == 0 ? rest.size() : closing + 1)};
  }
  const std::string_view value = trimFileBlanks(withoutComment(rest));
  if (value.empty()) return {nameEnd, nameEnd};
  const std::size_t begin = offsetIn(line, value);
  return {begin, begin + value.size()};
}

std::vector<TextSpan> wordSpansOfLine(std::string_view line) {
  std::vector<TextSpan> spans;
  for (FirstWord next = splitFirstWord(withoutComment(line)); !next.word.empty();
       next = splitFirstWord(next.rest)) {
    const std::size_t begin = offsetIn(line, next.word);
    spans.push_back({begin, begin + next.word.size()});
  }
  return spans;
}

std::string valueForFile(const std::string& typed) {
  const bool plain = !hasBlankAtAnEnd(typed) && typed.find(kCommentMark) == std::string::npos &&
                     (typed.empty() || typed.front() != kQuote);
  return plain ? typed : quoted(typed);
}

std::string nameForFile(const std::string& name) {
  return hasBlankAtAnEnd(name) || quotedOnBothEnds(name) ? quoted(name) : name;
}

}  // namespace chainadj
