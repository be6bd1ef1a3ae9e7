#include "report/rigorous_report.h"

#include <cmath>
#include <initializer_list>

#include "adjust/adjustment_messages.h"
#include "state/chain_error.h"
#include "state/constants.h"

namespace chainadj {
namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

bool finite(std::initializer_list<double> values) {
  for (double value : values) {
    if (!std::isfinite(value)) return false;
  }
  return true;
}

bool finite(const std::optional<double>& value) { return !value || std::isfinite(*value); }

bool finite(const RigorousResult& r) {
  if (!finite({r.m0, r.pvv, r.chi2.value})) return false;
  for (const RigorousPoint& p : r.points) {
    if (!finite({p.x, p.y})) return false;
    if (const std::optional<PointPrecision>& q = p.precision) {
      if (!finite({q->qxx, q->qxy, q->qyy, q->mx, q->my, q->mp, q->E, q->F, q->azimuthOfE})) return false;
    }
  }
  for (const RigorousObservation& o : r.observations) {
    if (!finite({o.correction, o.redundancy}) || !finite(o.w)) return false;
  }
  for (const SidePrecision& side : r.sides) {
    if (!finite({side.length, side.azimuth}) || !finite(side.relative) ||
        !finite(side.azimuthMeanError)) {
      return false;
    }
  }
  return true;
}

RigorousResult adjusted(const ChainState& chain, int row, const AdjustmentResult& result,
                        const QualitySettings& settings) {
  RigorousResult r = adjustRigorously(chain, row, result, rigorousSettings(settings));
  if (!r.converged) {
    throw ChainError(rigorousNotConvergedMessage(r.iterations, r.lastChange * kMillimetresPerMetre));
  }
  if (!finite(r)) throw ChainError(kNonFiniteRigorousResultMessage);
  return r;
}

// The new point whose coordinates moved the most from the classical ones.
std::optional<CoordinateDifference> largestDifference(const RunReport& report,
                                                      const RigorousResult& r) {
  std::optional<CoordinateDifference> largest;
  for (const RigorousPoint& p : r.points) {
    if (p.known || at(p.point) >= report.X.size()) continue;
    const CoordinateDifference d{p.point, p.x - report.X[at(p.point)], p.y - report.Y[at(p.point)]};
    if (!std::isfinite(d.length())) continue;  // a classical chain that ran away
    if (!largest || d.length() > largest->length()) largest = d;
  }
  return largest;
}

// The adjusted angle keeps the typed sign; the correction is of its magnitude.
double corrected(double observed, double seconds) {
  return std::copysign(std::fabs(observed) + seconds / kSecondsPerDegree, observed);
}

void giveAngles(RunReport& report, const RigorousResult& r) {
  for (const RigorousObservation& o : r.observations) {
    if (o.triangle < 1 || o.triangle > report.triangleCount()) continue;
    ReportTriangle& triangle = report.triangles[at(o.triangle - 1)];
    const auto k = static_cast<std::size_t>(o.kind);
    if (k < kAnglesPerTriangle) triangle.adjusted[k] = corrected(triangle.observed[k], o.correction);
  }
}

std::optional<double> correctionOf(const RigorousResult& r, ObservationKind kind) {
  for (const RigorousObservation& o : r.observations) {
    if (o.kind == kind) return o.correction;
  }
  return std::nullopt;
}

void giveOrientationAngles(KnownData& known, const RigorousResult& r) {
  if (known.Qa) known.Qa->correction = correctionOf(r, ObservationKind::Qa);
  if (known.Qb) known.Qb->correction = correctionOf(r, ObservationKind::Qb);
}

// The listed points 1..last, point j at index j-1; a known point without its precision.
std::vector<PointPrecision> pointsOf(const RigorousResult& r, int lastListed) {
  std::vector<PointPrecision> points;
  for (int j = 1; j <= lastListed && at(j) < r.points.size(); ++j) {
    const RigorousPoint& p = r.points[at(j)];
    points.push_back(p.precision.value_or(PointPrecision{j}));
  }
  return points;
}

std::string methodText(int iterations) {
  return "严密平差（以待定点的坐标为未知数的间接平差，迭代 " + std::to_string(iterations) +
         " 次收敛）";
}

}  // namespace

void giveRigorousResults(RunReport& report, const ChainState& chain, int row,
                         const AdjustmentResult& result, const QualitySettings& settings) {
  RigorousResult r = adjusted(chain, row, result, settings);
  ReportRigorous rigorous;
  rigorous.largestDifference = largestDifference(report, r);
  for (const RigorousPoint& p : r.points) {
    if (at(p.point) >= report.X.size()) continue;
    report.X[at(p.point)] = p.x;
    report.Y[at(p.point)] = p.y;
  }
  giveAngles(report, r);
  giveOrientationAngles(report.known, r);
  report.quality.points = pointsOf(r, report.lastListedPoint);
  report.sides = std::move(r.sides);
  report.statistics = {methodText(r.iterations), unitWeightStatistics(r.pvv, r.redundancy, r.sigma0)};
  rigorous.observations = std::move(r.observations);
  rigorous.largestW = r.largestW;
  rigorous.suspected = std::move(r.suspected);
  rigorous.iterations = r.iterations;
  report.rigorous = std::move(rigorous);
}

}  // namespace chainadj
