#include "entry/point_names.h"

#include "state/chain_state.h"

namespace chainadj {
namespace {

// The chain point 0 (A) .. n+1 (B) that the name at `order` names, as the run asks the names:
// from A when neither C nor D is known, from C (chain point 1) otherwise.
std::optional<int> chainPointOf(const ChainData& data, int n, int order) {
  if (order < 0 || order >= pointNamesAsked(data, n)) return std::nullopt;
  const bool fromC = pointPresent(data.number(InputItem::Xc), data.number(InputItem::Yc));
  return fromC ? order + 1 : order;
}

}  // namespace

std::string namedPoint(const ChainData& data, int n, int order) {
  const std::optional<int> point = chainPointOf(data, n, order);
  if (!point) return {};
  const int last = pointNamesAsked(data, n) - 1;
  const bool fromC = pointPresent(data.number(InputItem::Xc), data.number(InputItem::Yc));
  const bool toD = pointPresent(data.number(InputItem::Xd), data.number(InputItem::Yd));
  if (order == 0) return fromC ? "已知点 C" : "起算点 A";
  if (order == last && toD) return "已知点 D";
  if (order == last && *point == n + 1) return "闭合点 B";
  return "待定点 " + std::to_string(*point);
}

std::optional<int> nameOrderOfTrianglePoint(const ChainData& data, int n, int triangle) {
  const bool fromC = pointPresent(data.number(InputItem::Xc), data.number(InputItem::Yc));
  const int order = fromC ? triangle : triangle + 1;  // the point is triangle + 1
  if (!chainPointOf(data, n, order)) return std::nullopt;
  return order;
}

}  // namespace chainadj
