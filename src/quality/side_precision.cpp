#include "quality/side_precision.h"

#include <cmath>
#include <numbers>

#include "quality/classical_cofactors.h"
#include "state/angles.h"
#include "state/constants.h"

namespace chainadj {
namespace {

constexpr double kSecondsPerRadian = 180.0 / std::numbers::pi * kSecondsPerDegree;
// A length known to this share of itself is held free of error (its variance is rounding).
constexpr double kHeldLengthShare = 1e-10;

// g' Q g for the direction (gx, gy).
double along(const PointCofactors& q, double gx, double gy) {
  return gx * gx * q.xx + 2.0 * gx * gy * q.xy + gy * gy * q.yy;
}

}  // namespace

std::vector<SidePrecision> sideGeometry(const ChainPass& pass, const std::vector<double>& X,
                                        const std::vector<double>& Y) {
  std::vector<SidePrecision> sides;
  for (const ChainSide& side : chainSides(pass)) {
    const auto from = static_cast<std::size_t>(side.from), to = static_cast<std::size_t>(side.to);
    const double dx = X[to] - X[from], dy = Y[to] - Y[from];
    const double length = std::hypot(dx, dy);
    sides.push_back({side, length, AzimuthDeg(dx, dy, length), std::nullopt, std::nullopt,
                     std::nullopt});
  }
  return sides;
}

void setSidePrecision(SidePrecision& side, const PointCofactors& difference, double meanError,
                      bool lengthHeld) {
  const double s = side.length;
  if (!(s > 0.0)) return;
  const double azimuth = side.azimuth * std::numbers::pi / 180.0;
  const double cosine = std::cos(azimuth), sine = std::sin(azimuth);
  const double lengthError = meanError * std::sqrt(std::max(along(difference, cosine, sine), 0.0));
  const double turnError = meanError * std::sqrt(std::max(along(difference, -sine, cosine), 0.0)) / s;
  // Cofactors beyond the range of a double (a chain that runs away) give no precision.
  if (!std::isfinite(lengthError) || !std::isfinite(turnError)) return;
  side.azimuthMeanError = turnError * kSecondsPerRadian;
  if (lengthHeld || lengthError <= kHeldLengthShare * s) return;
  side.lengthMeanError = lengthError;
  side.relative = s / lengthError;
}

std::optional<std::size_t> weakestSide(const std::vector<SidePrecision>& sides) {
  std::optional<std::size_t> weakest;
  for (std::size_t k = 0; k < sides.size(); ++k) {
    if (!sides[k].relative) continue;
    if (!weakest || *sides[k].relative < *sides[*weakest].relative) weakest = k;
  }
  return weakest;
}

std::vector<SidePrecision> classicalSidePrecisions(const ChainState& chain,
                                                   const AdjustmentResult& result) {
  std::vector<double> X = result.points.X, Y = result.points.Y;
  if (X.empty()) return {};
  X[0] = chain.Xa;  // a chain from C has A as the far end of its start side
  Y[0] = chain.Ya;
  std::vector<SidePrecision> sides = sideGeometry(result.points, X, Y);
  std::vector<ChainSide> which;
  which.reserve(sides.size());
  for (const SidePrecision& side : sides) which.push_back(side.side);
  const std::vector<std::optional<PointCofactors>> cofactors =
      classicalSideCofactors(chain, result, which);
  for (std::size_t k = 0; k < sides.size(); ++k) {
    if (cofactors[k]) setSidePrecision(sides[k], *cofactors[k], result.meanError, false);
  }
  return sides;
}

}  // namespace chainadj
