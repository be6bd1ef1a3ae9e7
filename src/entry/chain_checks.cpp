#include "entry/chain_checks.h"

#include <cmath>

#include "entry/observation_entry.h"
#include "state/angles.h"
#include "state/chain_state.h"

namespace chainadj {
namespace {

constexpr std::array<TriangleAngleColumn, 3> kColumns = {{
    {InputItem::A, "求距角 A", ValueKind::TriangleAngle},
    {InputItem::B, "前进角 B", ValueKind::TriangleAngle},
    {InputItem::C, "间隔角 C", ValueKind::IntervalAngle},
}};

std::string inQuotes(const std::string& text) { return "“" + text + "”"; }

// The problem of a present point (x, y) on the point (xOther, yOther) it is sighted from.
std::optional<ChainProblem> pointApart(const ChainData& data, InputItem x, InputItem y,
                                       InputItem xOther, InputItem yOther, const char* message) {
  const double px = data.number(x), py = data.number(y);
  if (!pointPresent(px, py)) return std::nullopt;
  const double ox = data.number(xOther), oy = data.number(yOther);
  const bool samePoint = px == ox && py == oy;
  if (!samePoint && distanceIsFinite(ox, oy, px, py)) return std::nullopt;
  return ChainProblem{samePoint ? message
                                : "这个点与相邻已知点的座标相差太大，两点的距离超出了可以计算的范围",
                      {x, y}, std::nullopt};
}

}  // namespace

std::string valueRefusalText(Refusal refusal, const std::string& what, const std::string& typed) {
  switch (refusal) {
    case Refusal::NotANumber: return what + " 的 " + inQuotes(typed) + " 不是一个数";
    case Refusal::NegativeSide: return what + " 是边长，不能是负数";
    case Refusal::IllegalDms:
      return what + " 的 " + inQuotes(typed) + " 分或秒不小于 60（角度按 度.分分秒秒 书写）";
    case Refusal::TriangleAngleRange: return what + " 必须大于 0 度并且小于 180 度";
    case Refusal::IntervalAngleRange: return what + " 的绝对值必须小于 180 度";
  }
  return what + " 不能用";
}

const std::array<TriangleAngleColumn, 3>& triangleAngleColumns() { return kColumns; }

std::string triangleAngleName(int triangle, int column) {
  return "第 " + std::to_string(triangle) + " 个三角形的" +
         kColumns[static_cast<std::size_t>(column)].name;
}

std::optional<ChainProblem> knownPointProblem(const ChainData& data) {
  if (auto problem = pointApart(data, InputItem::Xc, InputItem::Yc, InputItem::Xa, InputItem::Ya,
                                "已知点 C 与起算点 A 的座标相同，不能推算起始边长和方位角")) {
    return problem;
  }
  if (auto problem = pointApart(data, InputItem::Xd, InputItem::Yd, InputItem::Xb, InputItem::Yb,
                                "已知点 D 与闭合点 B 的座标相同，不能推算闭合边长和方位角")) {
    return problem;
  }
  if (!pointAbsent(data.number(InputItem::Xd), data.number(InputItem::Yd))) return std::nullopt;
  return pointApart(data, InputItem::Xf, InputItem::Yf, InputItem::Xb, InputItem::Yb,
                    "定向点 F 与闭合点 B 的座标相同，不能推算闭合方位角");
}

std::optional<ChainProblem> surplusNameProblem(const ChainData& data) {
  const int asked = pointNamesAsked(data);
  if (static_cast<int>(data.names.size()) <= asked) return std::nullopt;
  return ChainProblem{asked == 0 ? std::string("点名太多：有已知点 D 而没有已知点 C，或者某个已知点只有一个"
                                               "座标是零，这样的数据不问点名")
                                 : "点名太多：按已知点 C、D 的有无和三角形的个数，这个数据只问 " +
                                       std::to_string(asked) + " 个点名",
                      {}, asked};
}

std::optional<std::string> closureProblem(int triangle, const std::array<double, 3>& degrees) {
  if (closureLeavesAnglesUsable(degrees[0], degrees[1], std::fabs(degrees[2]))) return std::nullopt;
  return "第 " + std::to_string(triangle) + " 个三角形的闭合差太大，改正后的角度超出了 0 度到 180 度";
}

}  // namespace chainadj
