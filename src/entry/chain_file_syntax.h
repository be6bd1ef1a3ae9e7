// The lexical rules of a chain data file, shared by its reader and its writer so that what the
// writer writes the reader reads back unchanged.
//
// - Blanks are spaces, tabs, carriage returns (a CR that is not the end of a CR LF line end is
//   read as a blank) and the ideographic space U+3000 of a Chinese input method.
// - A line whose first non-blank character is '#' is a comment. On a known-value line and on a
//   triangle line, a '#' and everything after it is a comment too. A point line has no comment:
//   the name is the whole rest of the line, so that names such as 3# keep their '#'.
// - A value or a name may be put in double quotes to keep blanks at its ends, or a '#': the text
//   is what lies between the first and the last quote of the line.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace chainadj {

inline constexpr char kCommentMark = '#';
inline constexpr char kQuote = '"';
// Windows editors put this byte-order mark at the start of a UTF-8 file.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The text without the blanks at its ends.
std::string_view trimFileBlanks(std::string_view text);
// The first blank-separated word and the rest after it, blanks trimmed.
struct FirstWord {
  std::string_view word;
  std::string_view rest;
};
FirstWord splitFirstWord(std::string_view text);
// The text up to its first comment mark.
std::string_view withoutComment(std::string_view text);

// What is wrong with the value part of a line.
enum class ValueSyntax { Good, UnpairedQuote, TextAfterQuote };
struct ValueText {
  std::string text;
  ValueSyntax syntax = ValueSyntax::Good;
};
// The value of a known-value or reserved line, from the rest of the line after its name.
ValueText valueOfLine(std::string_view rest);
// The name of a point line, from the rest of the line after "point".
std::string nameOfLine(std::string_view rest);

// Where a part of a line stands in it: bytes begin .. end.
struct TextSpan {
  std::size_t begin = 0;
  std::size_t end = 0;
};
// The value of a known-value or settings line, quotes included; an empty span at the end of the
// line's first word when it has none.
TextSpan valueSpanOfLine(std::string_view line);
// The blank-separated words of a line before its comment.
std::vector<TextSpan> wordSpansOfLine(std::string_view line);

// How the writer puts a typed value and a point name on a line, quoted only when the reader
// would otherwise read something else.
std::string valueForFile(const std::string& typed);
std::string nameForFile(const std::string& name);

}  // namespace chainadj
