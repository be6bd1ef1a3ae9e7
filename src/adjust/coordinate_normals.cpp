#include "adjust/coordinate_normals.h"

#include <algorithm>

namespace chainadj {
namespace {

constexpr int kMaxElementUnknowns = 6;  // three points of a triangle

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// For every unknown point, the unknown points above it that share an equation with it.
std::vector<std::vector<int>> laterNeighbours(const RigorousNetwork& net) {
  std::vector<std::vector<int>> neighbours(at(net.unknownPoints));
  const auto couple = [&](const int* points, int count) {
    for (int a = 0; a < count; ++a) {
      for (int b = 0; b < count; ++b) {
        const int p = net.unknownOf[at(points[a])], q = net.unknownOf[at(points[b])];
        if (p >= 0 && q > p) neighbours[at(p)].push_back(q);
      }
    }
  };
  for (int i = 1; i <= net.triangles; ++i) couple(net.vertices[at(i)].data(), 3);
  for (const EndEquation& e : net.ends) couple(e.points.data(), 2);
  for (std::vector<int>& list : neighbours) {
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
  }
  return neighbours;
}

}  // namespace

CoordinateNormals::CoordinateNormals(const RigorousNetwork& net) : unknownOf_(net.unknownOf) {
  const std::vector<std::vector<int>> neighbours = laterNeighbours(net);
  const int unknowns = 2 * net.unknownPoints;
  std::size_t entries = 0;
  for (const std::vector<int>& list : neighbours) entries += 3 + 4 * list.size();
  n_.resize(unknowns, unknowns);
  n_.resizeNonZeros(static_cast<Eigen::Index>(entries));
  int* outer = n_.outerIndexPtr();
  int* inner = n_.innerIndexPtr();
  int next = 0;
  for (int p = 0; p < net.unknownPoints; ++p) {
    for (int coordinate = 0; coordinate < 2; ++coordinate) {
      outer[2 * p + coordinate] = next;
      if (coordinate == 0) inner[next++] = 2 * p;
      inner[next++] = 2 * p + 1;
      for (int q : neighbours[at(p)]) {
        inner[next++] = 2 * q;
        inner[next++] = 2 * q + 1;
      }
    }
  }
  outer[unknowns] = next;
  g_ = Eigen::VectorXd::Zero(unknowns);
  clear();
}

void CoordinateNormals::clear() {
  std::fill(n_.valuePtr(), n_.valuePtr() + n_.nonZeros(), 0.0);
  g_.setZero();
}

int CoordinateNormals::unknownOf(int point, int coordinate) const {
  const int k = unknownOf_[at(point)];
  return k < 0 ? -1 : 2 * k + coordinate;
}

int CoordinateNormals::position(int i, int j) const {
  const int row = std::max(i, j), column = std::min(i, j);
  const int* inner = n_.innerIndexPtr();
  const int* begin = inner + n_.outerIndexPtr()[column];
  const int* end = inner + n_.outerIndexPtr()[column + 1];
  return static_cast<int>(std::lower_bound(begin, end, row) - inner);
}

void CoordinateNormals::addElement(const Linearised* equations, const double* misclosures,
                                   const double* inverseSigmas, int count) {
  const Linearised& first = equations[0];
  std::array<int, kMaxElementUnknowns> unknown{};
  std::array<int, kMaxElementUnknowns> slot{};
  int used = 0;
  for (int s = 0; s < 2 * first.pointCount; ++s) {
    const int u = unknownOf(first.points[at(s / 2)], s % 2);
    if (u < 0) continue;
    unknown[at(used)] = u;
    slot[at(used++)] = s;
  }
  if (used == 0) return;
  double block[kMaxElementUnknowns][kMaxElementUnknowns] = {};
  double rhs[kMaxElementUnknowns] = {};
  for (int e = 0; e < count; ++e) {
    const double scale = inverseSigmas[e];
    double a[kMaxElementUnknowns];
    for (int k = 0; k < used; ++k) a[k] = equations[e].gradient[at(slot[at(k)])] * scale;
    for (int r = 0; r < used; ++r) {
      rhs[r] += a[r] * misclosures[e] * scale;
      for (int c = 0; c <= r; ++c) block[r][c] += a[r] * a[c];
    }
  }
  double* values = n_.valuePtr();
  for (int r = 0; r < used; ++r) {
    g_[unknown[at(r)]] += rhs[r];
    for (int c = 0; c <= r; ++c) values[position(unknown[at(r)], unknown[at(c)])] += block[r][c];
  }
}

}  // namespace chainadj
