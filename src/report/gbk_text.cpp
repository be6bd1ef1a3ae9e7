#include "report/gbk_text.h"

#include <iconv.h>
#include <utf8/checked.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <iterator>
#include <utility>

#include "state/chain_error.h"

namespace chainadj {
namespace {

constexpr const char* kUtf8Encoding = "UTF-8";
constexpr std::size_t kBufferBytes = 512;  // the GBK of a long name goes out in pieces this size
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
constexpr std::size_t kConversionFailed = static_cast<std::size_t>(-1);

// UTF-16: a character beyond the basic plane as two surrogate units of ten bits each.
constexpr char32_t kLastBasicCharacter = 0xFFFF;
constexpr char32_t kFirstSupplementaryCharacter = 0x10000;
constexpr char32_t kHighSurrogate = 0xD800;
constexpr char32_t kLowSurrogate = 0xDC00;
constexpr int kSurrogateBits = 10;
constexpr char32_t kSurrogateMask = 0x3FF;

iconv_t converterOf(void* converter) { return static_cast<iconv_t>(converter); }

// The character at the start of `text` and its length in bytes; a byte that is not UTF-8 is
// kReplacementCharacter, one byte long.
std::pair<char32_t, std::size_t> characterAt(std::string_view text) {
  auto next = text.begin();
  try {
    const char32_t character = utf8::next(next, text.end());
    return {character, static_cast<std::size_t>(next - text.begin())};
  } catch (const utf8::exception&) {
    return {kReplacementCharacter, 1};
  }
}

void appendUtf16Escape(char32_t unit, std::string& out) {
  std::array<char, sizeof "\\U+FFFF"> text{};
  std::snprintf(text.data(), text.size(), "\\U+%04X", static_cast<unsigned>(unit));
  out += text.data();
}

}  // namespace

GbkEncoder::GbkEncoder() : converter_(iconv_open(kGbkEncoding, kUtf8Encoding)) {
  if (converterOf(converter_) == kNoConverter) {
    throw ChainError("这台计算机的 C 库不能把文字转换成 GBK 编码，文件没有写。");
  }
}

GbkEncoder::~GbkEncoder() { iconv_close(converterOf(converter_)); }

void GbkEncoder::append(std::string_view utf8, const UnheldCharacter& unheld, std::string& out) {
  const iconv_t converter = converterOf(converter_);
  iconv(converter, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
  char* in = const_cast<char*>(utf8.data());             // iconv reads it only
  std::size_t inLeft = utf8.size();
  std::array<char, kBufferBytes> buffer{};
  while (inLeft > 0) {
    char* written = buffer.data();
    std::size_t room = buffer.size();
    const std::size_t result = iconv(converter, &in, &inLeft, &written, &room);
    out.append(buffer.data(), static_cast<std::size_t>(written - buffer.data()));
    if (result != kConversionFailed || errno == E2BIG) continue;
    // EILSEQ or EINVAL: the character at `in` has no GBK code, or the bytes are no UTF-8.
    const auto [character, length] = characterAt({in, inLeft});
    unheld(character, out);
    in += length;
    inLeft -= length;
  }
}

void appendDxfUnicodeEscape(char32_t character, std::string& out) {
  if (character <= kLastBasicCharacter) {
    appendUtf16Escape(character, out);
    return;
  }
  const char32_t offset = character - kFirstSupplementaryCharacter;
  appendUtf16Escape(kHighSurrogate + (offset >> kSurrogateBits), out);
  appendUtf16Escape(kLowSurrogate + (offset & kSurrogateMask), out);
}

std::string characterInMessage(char32_t character) {
  std::string text = "“";
  utf8::append(character, std::back_inserter(text));
  std::array<char, sizeof "”（U+10FFFF）"> code{};
  std::snprintf(code.data(), code.size(), "”（U+%04X）", static_cast<unsigned>(character));
  return text + code.data();
}

}  // namespace chainadj
