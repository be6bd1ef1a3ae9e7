// Text in GBK (code page 936), the encoding the Chinese Windows programs a surveyor takes the
// results into (CAD, CASS) read by default, converted from UTF-8 by the C library's iconv.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace chainadj {

// What stands for a character GBK cannot hold: appends its replacement to `out`, or throws.
using UnheldCharacter = std::function<void(char32_t character, std::string& out)>;

// The name of the encoding as iconv knows it.
inline constexpr const char* kGbkEncoding = "GBK";
// Stands for a byte that is not UTF-8.
inline constexpr char32_t kReplacementCharacter = 0xFFFD;

class GbkEncoder {
 public:
  // Throws ChainError when the C library cannot convert to GBK.
  GbkEncoder();
  ~GbkEncoder();
  GbkEncoder(const GbkEncoder&) = delete;
  GbkEncoder& operator=(const GbkEncoder&) = delete;

  // `utf8` in GBK appended to `out`. Each character GBK cannot hold goes to `unheld`; so does a
  // byte that is not UTF-8, as kReplacementCharacter.
  void append(std::string_view utf8, const UnheldCharacter& unheld, std::string& out);

 private:
  void* converter_;  // the iconv_t
};

// AutoCAD's escape of a character a drawing's code page cannot hold: \U+ and four upper-case
// hexadecimal digits of each of its UTF-16 units (\U+4E2D; two escapes beyond U+FFFF).
void appendDxfUnicodeEscape(char32_t character, std::string& out);

// The character as a message names it: “한”（U+D55C）.
std::string characterInMessage(char32_t character);

}  // namespace chainadj
