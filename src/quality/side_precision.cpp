#include "quality/side_precision.h"

#include <cmath>

#include "state/angles.h"

namespace chainadj {

std::vector<SidePrecision> sideGeometry(const ChainPass& pass, const std::vector<double>& X,
                                        const std::vector<double>& Y) {
  std::vector<SidePrecision> sides;
  for (const ChainSide& side : chainSides(pass)) {
    const auto from = static_cast<std::size_t>(side.from), to = static_cast<std::size_t>(side.to);
    const double dx = X[to] - X[from], dy = Y[to] - Y[from];
    const double length = std::hypot(dx, dy);
    sides.push_back({side, length, AzimuthDeg(dx, dy, length), std::nullopt, std::nullopt});
  }
  return sides;
}

}  // namespace chainadj
