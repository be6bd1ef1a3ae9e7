#include "adjust/triangle_vertices.h"

#include <algorithm>
#include <set>
#include <utility>

namespace chainadj {
namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

int distanceAngleVertex(const ChainPass& pass, int i) {
  const int routePoint = pass.route[at(i)];
  if (routePoint != i) return i;
  return i == 1 ? 0 : pass.route[at(i - 1)];
}

}  // namespace

std::array<int, 3> triangleVertices(const ChainPass& pass, int i) {
  return {distanceAngleVertex(pass, i), i + 1, pass.route[at(i)]};
}

std::vector<ChainSide> chainSides(const ChainPass& pass) {
  std::vector<ChainSide> sides;
  std::set<std::pair<int, int>> drawn;
  for (int i = 1; i <= pass.triangles(); ++i) {
    const std::array<int, 3> v = triangleVertices(pass, i);
    for (std::size_t k = 0; k < v.size(); ++k) {
      const int p = v[(k + 1) % 3], q = v[(k + 2) % 3];
      const ChainSide side{std::min(p, q), std::max(p, q)};
      if (drawn.insert({side.from, side.to}).second) sides.push_back(side);
    }
  }
  return sides;
}

}  // namespace chainadj
