#include "quality/rigorous_result.h"

#include <algorithm>
#include <cmath>

namespace chainadj {
namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

std::vector<RigorousPoint> pointsOf(const RigorousSolution& s) {
  std::vector<RigorousPoint> points;
  points.reserve(s.X.size());
  for (std::size_t p = 0; p < s.X.size(); ++p) {
    RigorousPoint point{static_cast<int>(p), s.known[p], s.X[p], s.Y[p], std::nullopt};
    if (!point.known) {
      const PointCofactors& q = s.points[p];
      point.precision = fromCofactors(point.point, q.xx, q.yy, q.xy, s.m0);
    }
    points.push_back(point);
  }
  return points;
}

// The sides whose length a constraint holds: a base free of error.
std::vector<ChainSide> heldLengths(const RigorousSolution& s, const AdjustmentResult& classical,
                                   int n) {
  std::vector<ChainSide> held;
  for (const RigorousObservation& o : s.observations) {
    if (!o.constraint) continue;
    if (o.kind == ObservationKind::Sa) held.push_back({0, 1});
    if (o.kind == ObservationKind::Sb) {
      const int from = classical.points.route[at(n)];
      held.push_back({std::min(from, n + 1), std::max(from, n + 1)});
    }
  }
  return held;
}

std::vector<SidePrecision> sidesOf(const RigorousSolution& s, const AdjustmentResult& classical,
                                   int n) {
  std::vector<SidePrecision> sides = sideGeometry(classical.points, s.X, s.Y);
  const std::vector<ChainSide> held = heldLengths(s, classical, n);
  for (std::size_t k = 0; k < sides.size(); ++k) {
    const ChainSide& side = sides[k].side;
    if (s.known[at(side.from)] && s.known[at(side.to)]) continue;
    const bool lengthHeld = std::find(held.begin(), held.end(), side) != held.end();
    setSidePrecision(sides[k], s.sides[k].difference, s.m0, lengthHeld);
  }
  return sides;
}

void nameTheLargest(RigorousResult& r) {
  double largest = -1.0;
  for (std::size_t k = 0; k < r.observations.size(); ++k) {
    const std::optional<double>& w = r.observations[k].w;
    if (!w) continue;
    if (std::fabs(*w) > largest) {
      largest = std::fabs(*w);
      r.largestW = k;
    }
    if (std::fabs(*w) > kBlunderBound) r.suspected.push_back(k);
  }
  double largestMp = -1.0;
  for (const RigorousPoint& p : r.points) {
    if (p.precision && p.precision->mp > largestMp) {
      largestMp = p.precision->mp;
      r.largestPointError = p.point;
    }
  }
  r.weakestSide = weakestSide(r.sides);
}

}  // namespace

bool RigorousResult::isSuspected(const RigorousObservation& o) const {
  return o.w && std::fabs(*o.w) > kBlunderBound;
}

RigorousSettings rigorousSettings(const QualitySettings& settings) {
  return {settings.grade.angleMeanError, settings.azimuthMeanError, settings.baseMeanError};
}

RigorousResult adjustRigorously(const ChainState& chain, int row,
                                const AdjustmentResult& classical,
                                const RigorousSettings& settings) {
  RigorousSolution s = adjustByCoordinates(chain, row, classical, settings);
  RigorousResult r;
  r.procedure = row;
  r.n = chain.n;
  r.sigma0 = s.sigma0;
  r.m0 = s.m0;
  r.redundancy = s.redundancy;
  r.pvv = s.pvv;
  // A chain without redundancy has nothing to test and passes.
  r.chi2 = globalTest(s.pvv, s.redundancy, s.sigma0).value_or(GlobalTest{0, 0, 0, 0, true});
  r.iterations = s.iterations;
  r.converged = s.converged;
  r.lastChange = s.lastChange;
  r.points = pointsOf(s);
  r.sides = sidesOf(s, classical, chain.n);
  r.observations = std::move(s.observations);
  nameTheLargest(r);
  return r;
}

std::string observationLabel(const RigorousObservation& observation) {
  std::string label = observationKindName(observation.kind);
  if (observation.triangle > 0) label += "(" + std::to_string(observation.triangle) + ")";
  return label;
}

}  // namespace chainadj
