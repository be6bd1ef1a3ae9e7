#include "adjust/chain_reductions.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <utility>

#include "adjust/triangle_vertices.h"
#include "state/angles.h"

namespace chainadj {
namespace {

constexpr int kOrientationPoint = -1;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// The reductions of the chain's directions, each worked out once.
class Directions {
 public:
  Directions(const GaussKrugerPlane& plane, const std::vector<double>& X,
             const std::vector<double>& Y)
      : plane_(plane), X_(X), Y_(Y) {}

  double between(int from, int to) { return towards(from, to, X_[at(to)], Y_[at(to)]); }

  // To a point off the chain (E or F).
  double towards(int from, int to, double x, double y) {
    const auto key = std::make_pair(from, to);
    const auto found = reduced_.find(key);
    if (found != reduced_.end()) return found->second;
    const double seconds = plane_.directionReduction(X_[at(from)], Y_[at(from)], x, y);
    reduced_.emplace(key, seconds);
    rows_.push_back({from, to, seconds});
    return seconds;
  }

  // Clockwise from the direction to q to the direction to r, degrees in [0, 360).
  double clockwise(int p, int q, int r) const {
    const double toQ = std::atan2(Y_[at(q)] - Y_[at(p)], X_[at(q)] - X_[at(p)]);
    const double toR = std::atan2(Y_[at(r)] - Y_[at(p)], X_[at(r)] - X_[at(p)]);
    const double degrees = (toR - toQ) * 180.0 / std::numbers::pi;
    return degrees < 0.0 ? degrees + 360.0 : degrees;
  }

  // The interior angle at p of the triangle p, q, r.
  double interior(int p, int q, int r) {
    const double fromQ = between(p, q), fromR = between(p, r);
    return clockwise(p, q, r) < 180.0 ? fromR - fromQ : fromQ - fromR;
  }

  const GaussKrugerPlane& plane() const { return plane_; }
  std::vector<DirectionReductionRow> rows() && { return std::move(rows_); }

 private:
  const GaussKrugerPlane& plane_;
  const std::vector<double>& X_;
  const std::vector<double>& Y_;
  std::map<std::pair<int, int>, double> reduced_;
  std::vector<DirectionReductionRow> rows_;
};

// A measured horizontal distance between chain points p and q on the plane.
double planeDistance(double measured, int p, int q, const std::vector<double>& X,
                     const std::vector<double>& Y, const ReductionSettings& settings,
                     const GaussKrugerPlane& plane) {
  const double x1 = X[at(p)], y1 = Y[at(p)], x2 = X[at(q)], y2 = Y[at(q)];
  const Geographic middle = plane.toGeographic((x1 + x2) / 2.0, (y1 + y2) / 2.0);
  const double gridAzimuth = std::atan2(y2 - y1, x2 - x1) * 180.0 / std::numbers::pi;
  const double radius =
      plane.radiusOfCurvature(middle.latitude, gridAzimuth + middle.convergence);
  const double onSurface =
      measured * (radius + settings.projectionHeight) / (radius + settings.baseHeight);
  const double chord = std::hypot(x2 - x1, y2 - y1);
  return onSurface * chord / plane.geodesicDistance(x1, y1, x2, y2);
}

// Qa: clockwise from the known direction at A (to E, or the typed azimuth Ta) to the start side.
std::optional<double> startOrientation(const ChainState& chain, Directions& directions) {
  if (chain.typedQa == 0.0 || chain.hasC()) return std::nullopt;
  const double side = directions.between(0, 1);
  if (chain.hasE()) return side - directions.towards(0, kOrientationPoint, chain.Xe, chain.Ye);
  return side;  // the reduction of a typed azimuth's direction is not known: taken as 0
}

// Qb: clockwise at B from the closing side to the known direction (to F, or the typed Tb).
std::optional<double> closingOrientation(const ChainState& chain, const ChainPass& route,
                                         Directions& directions) {
  if (chain.typedQb == 0.0 || chain.hasD()) return std::nullopt;
  const int b = chain.n + 1;
  const double side = directions.between(b, route.route[at(chain.n)]);
  if (chain.hasF()) return directions.towards(b, kOrientationPoint, chain.Xf, chain.Yf) - side;
  return -side;
}

}  // namespace

double ChainReductions::largestAngleChange(const ChainReductions& other) const {
  double largest = 0;
  for (std::size_t i = 1; i < angles.size() && i < other.angles.size(); ++i) {
    for (std::size_t k = 0; k < 3; ++k) {
      largest = std::max(largest, std::fabs(angles[i][k] - other.angles[i][k]));
    }
  }
  if (Qa && other.Qa) largest = std::max(largest, std::fabs(*Qa - *other.Qa));
  if (Qb && other.Qb) largest = std::max(largest, std::fabs(*Qb - *other.Qb));
  return largest;
}

ChainReductions chainReductions(const ChainState& chain, const ChainPass& route,
                                const std::vector<double>& X, const std::vector<double>& Y,
                                const ReductionSettings& settings) {
  const GaussKrugerPlane plane(settings.plane);
  Directions directions(plane, X, Y);
  ChainReductions reductions;
  reductions.angles.assign(at(chain.n) + 1, {0.0, 0.0, 0.0});
  for (int i = 1; i <= chain.n; ++i) {
    const auto [a, b, c] = triangleVertices(route, i);
    reductions.angles[at(i)] = {directions.interior(a, b, c), directions.interior(b, c, a),
                                directions.interior(c, a, b)};
  }
  reductions.Qa = startOrientation(chain, directions);
  reductions.Qb = closingOrientation(chain, route, directions);
  if (settings.bases == BaseKind::MeasuredDistance) {
    if (chain.noC() && chain.Sa != 0.0) {
      reductions.Sa = {chain.Sa, planeDistance(chain.Sa, 0, 1, X, Y, settings, plane)};
    }
    if (chain.noD() && chain.Sb != 0.0) {
      reductions.Sb = {chain.Sb, planeDistance(chain.Sb, route.route[at(chain.n)], chain.n + 1,
                                               X, Y, settings, plane)};
    }
  }
  reductions.directions = std::move(directions).rows();
  return reductions;
}

}  // namespace chainadj
