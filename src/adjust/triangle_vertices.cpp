#include "adjust/triangle_vertices.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

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
  const int n = pass.triangles();
  std::vector<ChainSide> sides;
  sides.reserve(at(2 * n + 1));
  std::unordered_set<std::uint64_t> drawn;  // from * (n + 2) + to
  drawn.reserve(at(3 * n));
  for (int i = 1; i <= n; ++i) {
    const std::array<int, 3> v = triangleVertices(pass, i);
    for (std::size_t k = 0; k < v.size(); ++k) {
      const int p = v[(k + 1) % 3], q = v[(k + 2) % 3];
      const ChainSide side{std::min(p, q), std::max(p, q)};
      const std::uint64_t key = static_cast<std::uint64_t>(side.from) * at(n + 2) + at(side.to);
      if (drawn.insert(key).second) sides.push_back(side);
    }
  }
  return sides;
}

}  // namespace chainadj
