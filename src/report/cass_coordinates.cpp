#include "report/cass_coordinates.h"

#include <optional>
#include <ostream>

#include "report/gbk_text.h"
#include "state/chain_error.h"
#include "state/display_format.h"
#include "state/whole_file.h"

namespace chainadj {
namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kNoCode = "";
constexpr const char* kNoHeight = "";
constexpr std::string_view kCharactersTheLineCannotHold = ",\r\n";

struct CassPoint {
  std::string name;
  double x = 0, y = 0;  // metres
};

std::size_t at(int index) { return static_cast<std::size_t>(index); }

bool isKnownChainPoint(const RunReport& report, int j) {
  for (const KnownPoint& point : report.known.points) {
    if (point.chainPoint == j) return true;
  }
  return false;
}

// The listed and the known points of the chain in its order, then the orientation points E, F.
std::vector<CassPoint> cassPoints(const RunReport& report) {
  std::vector<CassPoint> points;
  const int chainPoints = static_cast<int>(std::min(report.X.size(), report.Y.size()));
  for (int j = 0; j < chainPoints; ++j) {
    const bool listed = j >= report.firstListedPoint && j <= report.lastListedPoint;
    if (listed || isKnownChainPoint(report, j)) {
      points.push_back({report.pointLabel(j), report.X[at(j)], report.Y[at(j)]});
    }
  }
  for (const KnownPoint& point : report.known.points) {
    if (point.chainPoint < 0) points.push_back({std::string(1, point.letter), point.x, point.y});
  }
  return points;
}

void checkSeparators(const std::string& name) {
  if (name.find_first_of(kCharactersTheLineCannotHold) == std::string::npos) return;
  throw ChainError("点名 “" + name +
                   "” 里有逗号或换行：CASS 坐标文件的一行用逗号分开各项，写不下这个点名，坐标文件"
                   "没有写。请改掉这个点名。");
}

void appendName(const std::string& name, GbkEncoder* gbk, std::string& out) {
  checkSeparators(name);
  if (gbk == nullptr) {
    out += name;
    return;
  }
  gbk->append(
      name,
      [&name](char32_t character, std::string&) {
        throw ChainError("点名 “" + name + "” 里的字符 " + characterInMessage(character) +
                         " 不能用 GBK 编码写出，CASS 坐标文件没有写。可以改用 UTF-8 编码写出，"
                         "或者改掉这个点名。");
      },
      out);
}

}  // namespace

std::string cassCoordinateText(const RunReport& report, TextEncoding encoding) {
  std::optional<GbkEncoder> gbk;
  if (encoding == TextEncoding::Gbk) gbk.emplace();
  std::string text;
  for (const CassPoint& point : cassPoints(report)) {
    appendName(point.name, gbk ? &*gbk : nullptr, text);
    text += ',';
    text += kNoCode;
    text += ',';
    appendMask(point.y, kMaskCoordinate, text);
    text += ',';
    appendMask(point.x, kMaskCoordinate, text);
    text += ',';
    text += kNoHeight;
    text += kLineEnd;
  }
  return text;
}

void writeCassCoordinateFile(const RunReport& report, const std::string& path,
                             TextEncoding encoding) {
  const std::string text = cassCoordinateText(report, encoding);
  writeWholeFile(path, "不能写入 CASS 坐标文件 “" + path + "”。",
                 [&text](std::ostream& file) { file << text; });
}

}  // namespace chainadj
