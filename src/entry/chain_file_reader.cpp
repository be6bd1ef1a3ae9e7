#include "entry/chain_file_reader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <utf8/cpp17.h>
#include <vector>

#include "entry/chain_checks.h"
#include "entry/chain_file_syntax.h"
#include "entry/chain_settings.h"
#include "entry/observation_entry.h"
#include "entry/prompt_confirm.h"
#include "state/angles.h"
#include "state/chain_error.h"
#include "state/chain_state.h"
#include "state/constants.h"
#include "state/number_text.h"

namespace chainadj {
namespace {

// Far more than the largest chain a run takes (100 000 triangles and their names need some
// 6 MB): a larger file is not a chain data file.
constexpr std::uintmax_t kMaxFileBytes = 32u * 1024u * 1024u;

constexpr std::string_view kPointKeyword = "point";

std::string inQuotes(std::string_view text) { return "“" + std::string(text) + "”"; }

// A word that begins like a number starts a triangle line: an ASCII digit, sign or point, or
// their full-width forms U+FF0B "＋", U+FF0D "－", U+FF0E "．", U+FF10..U+FF19 "０".."９"
// (EF BC 8B, 8D, 8E, 90..99 in UTF-8).
bool beginsLikeNumber(std::string_view word) {
  if (word.empty()) return false;
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(word[k]); };
  const char first = word.front();
  if ((first >= '0' && first <= '9') || first == '+' || first == '-' || first == '.') return true;
  if (word.size() < 3 || byte(0) != 0xEF || byte(1) != 0xBC) return false;
  const unsigned char last = byte(2);
  return last == 0x8B || last == 0x8D || last == 0x8E || (last >= 0x90 && last <= 0x99);
}

class ChainFileReader {
 public:
  ChainFileReader(ChainChecks checks, std::vector<FileLine>* lines) : checks_(checks), lines_(lines) {}

  ChainData read(std::string_view text) {
    if (text.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) {
      text.remove_prefix(kUtf8ByteOrderMark.size());
    }
    reserveForLines(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    while (!text.empty()) {
      const std::size_t end = text.find('\n');
      readLine(text.substr(0, end));
      text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    if (checks_ == ChainChecks::Run) checkWholeChain();
    return std::move(data_);
  }

 private:
  // No more triangles and names than lines: a long chain is read without moving them as they grow.
  void reserveForLines(std::size_t lines) {
    data_.triangles.reserve(std::min(lines, static_cast<std::size_t>(kMaxTriangles)));
    data_.names.reserve(std::min(lines, static_cast<std::size_t>(kMaxTriangles) + 2));
    nameLines_.reserve(data_.names.capacity());
  }

  void readLine(std::string_view line) {
    ++lineNumber_;
    if (lines_ != nullptr) lines_->emplace_back();
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!utf8::is_valid(line)) {
      refuse("这一行不是 UTF-8 编码的文字（文件可能是 GBK 编码，请把它另存为 UTF-8）");
    }
    const FirstWord first = splitFirstWord(line);
    if (first.word.empty() || first.word.front() == kCommentMark) return;
    // Most lines of a long chain are triangles; no keyword begins like a number.
    if (beginsLikeNumber(first.word)) return readTriangle(line);
    if (first.word == kPointKeyword) return readPointName(first.rest);
    if (const SettingKeyword* setting = settingKeywordNamed(first.word)) {
      return readSetting(*setting, first.rest);
    }
    if (const std::optional<InputItem> item = knownValueNamed(first.word)) {
      return readKnownValue(*item, first.rest);
    }
    refuse("不认识 " + inQuotes(first.word) +
           "。一行应当是一个已知值（例如 Xa 31250.000，名称是 Xa Ya Xb Yb Xc Yc Xd Yd Xe Ye Xf Yf "
           "Sa Sb Tag Ta TbG Tb Qa Qb）、一个点名（point 点名）或者一个三角形的三个角 A B C");
  }

  void holds(LineRole role, int index) {
    if (lines_ != nullptr) lines_->back() = {role, index};
  }

  void readPointName(std::string_view rest) {
    holds(LineRole::PointName, static_cast<int>(data_.names.size()));
    data_.names.push_back(nameOfLine(rest));
    nameLines_.push_back(lineNumber_);
  }

  void readKnownValue(InputItem item, std::string_view rest) {
    const std::string name = inputItemName(item);
    refuseRepeat(name, valueLines_[item]);
    std::string typed = valueText(rest);
    if (const std::optional<Refusal> refusal = refusalReason(inputRule(item).kind, typed)) {
      refuse(valueRefusalText(*refusal, name, typed));
    }
    holds(LineRole::KnownValue, static_cast<int>(item));
    data_.values[item] = std::move(typed);
  }

  void readSetting(const SettingKeyword& setting, std::string_view rest) {
    const std::string keyword(setting.keyword);
    refuseRepeat(keyword, settingLines_[keyword]);
    std::string typed = valueText(rest);
    if (const std::optional<std::string> refusal = setting.refusal(typed)) refuse(*refusal);
    holds(LineRole::Setting, static_cast<int>(&setting - settingKeywords().data()));
    data_.settings[keyword] = std::move(typed);
  }

  void readTriangle(std::string_view line) {
    const int triangle = static_cast<int>(data_.triangles.size()) + 1;
    if (triangle > kMaxTriangles) refuse("三角形超过 100000 个");
    std::array<std::string_view, 3> words;
    std::size_t count = 0;
    for (FirstWord next = splitFirstWord(withoutComment(line)); !next.word.empty();
         next = splitFirstWord(next.rest)) {
      if (count < words.size()) words[count] = next.word;
      ++count;
    }
    if (count != words.size()) {
      refuse("一个三角形的一行必须正好有三个角 A B C，这一行有 " + std::to_string(count) + " 个");
    }
    std::array<std::string, 3> typed;
    std::array<double, 3> degrees = {0, 0, 0};
    for (std::size_t k = 0; k < 3; ++k) {
      typed[k] = std::string(words[k]);
      const ReadAnswer read = readAnswer(triangleAngleColumns()[k].kind, typed[k]);
      if (read.refusal) {
        refuse(valueRefusalText(*read.refusal, triangleAngleName(triangle, static_cast<int>(k)),
                                typed[k]));
      }
      degrees[k] = read.degrees;
    }
    if (checks_ == ChainChecks::Run) {
      if (const std::optional<std::string> problem = closureProblem(triangle, degrees)) {
        refuse(*problem);
      }
    }
    holds(LineRole::Triangle, triangle - 1);
    data_.triangles.push_back(std::move(typed));
  }

  // The value part of a line, its quotes taken off.
  std::string valueText(std::string_view rest) {
    ValueText value = valueOfLine(rest);
    if (value.syntax == ValueSyntax::UnpairedQuote) refuse("引号没有配对");
    if (value.syntax == ValueSyntax::TextAfterQuote) refuse("引号后面只能是注释");
    return std::move(value.text);
  }

  // A value may be given once; `line` holds the line that gave it (0: not yet).
  void refuseRepeat(const std::string& name, int& line) {
    if (line != 0) {
      refuse(name + " 已经在第 " + std::to_string(line) + " 行给出，不能重复");
    }
    line = lineNumber_;
  }

  void checkWholeChain() {
    if (data_.triangles.empty()) {
      throw ChainError("数据文件（共 " + std::to_string(lineNumber_) +
                       " 行）里没有三角形：每个三角形写一行，依次是它的三个角 A B C。");
    }
    if (const std::optional<ChainProblem> problem = knownPointProblem(data_)) {
      lineNumber_ = 0;
      for (InputItem item : problem->values) lineNumber_ = std::max(lineNumber_, valueLines_[item]);
      refuse(problem->what);
    }
    if (const std::optional<ChainProblem> problem = surplusNameProblem(data_)) {
      lineNumber_ = nameLines_[static_cast<std::size_t>(*problem->nameOrder)];
      refuse(problem->what);
    }
  }

  [[noreturn]] void refuse(const std::string& what) const {
    throw ChainError("数据文件第 " + std::to_string(lineNumber_) + " 行：" + what + "。");
  }

  ChainChecks checks_;
  std::vector<FileLine>* lines_;
  ChainData data_;
  int lineNumber_ = 0;
  std::map<InputItem, int> valueLines_;
  std::vector<int> nameLines_;
  std::map<std::string, int> settingLines_;
};

}  // namespace

ChainData parseChainData(std::string_view text, ChainChecks checks, std::vector<FileLine>* lines) {
  return ChainFileReader(checks, lines).read(text);
}

ChainData readChainFile(const std::string& path) { return parseChainData(readChainFileText(path)); }

std::string readChainFileText(const std::string& path) {
  const std::string cannotOpen = "不能打开数据文件 " + inQuotes(path) + "。";
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) throw ChainError(cannotOpen);
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) throw ChainError(cannotOpen);
  if (size > kMaxFileBytes) {
    throw ChainError("数据文件 " + inQuotes(path) + " 太大（超过 32 MB），不是三角锁数据文件。");
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) throw ChainError(cannotOpen);
  std::string text(static_cast<std::size_t>(size), '\0');
  file.read(text.data(), static_cast<std::streamsize>(size));
  if (file.bad()) throw ChainError(cannotOpen);
  text.resize(static_cast<std::size_t>(file.gcount()));
  return text;
}

}  // namespace chainadj
