#include "report/run_report.h"

#include <cmath>

#include "adjust/adjusted_points.h"
#include "adjust/procedure_descriptions.h"
#include "adjust/triangle_vertices.h"
#include "entry/run_driver.h"
#include "state/chain_error.h"
#include "state/constants.h"

namespace chainadj {
namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

ReportTriangle triangleOf(const ChainState& chain, const ChainPass& pass, int i) {
  ReportTriangle triangle;
  triangle.vertex = triangleVertices(pass, i);
  triangle.observed = chain.typed[at(i)];
  triangle.adjusted = {chain.A[at(i)], chain.B[at(i)],
                       chain.C[at(i)] * static_cast<double>(chain.Sg[at(i)])};
  triangle.closure = chain.w[at(i)];
  return triangle;
}

std::vector<ReportTriangle> trianglesOf(const ChainState& chain, const ChainPass& pass) {
  std::vector<ReportTriangle> triangles;
  triangles.reserve(at(chain.n));
  for (int i = 1; i <= chain.n; ++i) triangles.push_back(triangleOf(chain, pass, i));
  return triangles;
}

// Whether any condition of the group carries the column: the adjustment observed that angle.
bool observedInGroup(const AdjustmentResult& result, int column) {
  for (const Condition& condition : result.group.all()) {
    if (condition.a[at(column)] != 0.0) return true;
  }
  return false;
}

std::optional<OrientationAngle> orientationAngle(double observed, const AdjustmentResult& result,
                                                 int column) {
  if (observed == 0.0) return std::nullopt;
  OrientationAngle angle{observed, std::nullopt};
  if (!result.corrections.empty() && observedInGroup(result, column)) {
    angle.correction = result.corrections[at(column)];
  }
  return angle;
}

KnownData knownDataOf(const ChainState& chain, const RunFlags& flags,
                      const AdjustmentResult& result) {
  const int n = chain.n;
  KnownData known;
  known.points.push_back({'A', chain.Xa, chain.Ya, 0});
  known.points.push_back({'B', chain.Xb, chain.Yb, n + 1});
  if (chain.hasC()) known.points.push_back({'C', chain.Xc, chain.Yc, 1});
  if (chain.hasD()) known.points.push_back({'D', chain.Xd, chain.Yd, n});
  if (chain.hasE()) known.points.push_back({'E', chain.Xe, chain.Ye, -1});
  if (chain.hasF()) known.points.push_back({'F', chain.Xf, chain.Yf, -1});
  if (chain.Sa != 0.0) known.Sa = chain.Sa;
  if (chain.Sb != 0.0) known.Sb = chain.Sb;
  if (chain.Ta != 0.0 || flags.tagYes()) known.Ta = chain.Ta;
  if (flags.tbgYes()) known.Tb = chain.Tb;
  known.Qa = orientationAngle(chain.typedQa, result, kColumnOfQa);
  known.Qb = orientationAngle(chain.typedQb, result, columnOfQb(n));
  return known;
}

std::vector<ReportCondition> conditionsOf(const AdjustmentResult& result) {
  std::vector<ReportCondition> conditions;
  for (const Condition& condition : result.group.all()) {
    conditions.push_back({condition.kind, condition.shown});
  }
  return conditions;
}

ReportPrecision precisionOf(const AdjustmentResult& result) {
  return {result.meanError, result.reciprocalWeight, result.precision};
}

void appendNumber(int value, std::string& out) { out += std::to_string(value); }

}  // namespace

double ReportTriangle::correction(int angle) const {
  const auto k = at(angle);
  return (std::fabs(adjusted[k]) - std::fabs(observed[k])) * kSecondsPerDegree;
}

void RunReport::appendPointLabel(int j, std::string& out) const {
  if (j >= 0 && j < static_cast<int>(names.size()) && !names[at(j)].empty()) {
    out += names[at(j)];
    return;
  }
  for (const KnownPoint& point : known.points) {
    if (point.chainPoint == j) {
      out += point.letter;
      return;
    }
  }
  appendNumber(j, out);
}

const PointPrecision* RunReport::newPointPrecision(int j) const {
  if (j < firstListedPoint || j > lastListedPoint || j < 1) return nullptr;
  if (at(j) > quality.points.size()) return nullptr;
  for (const KnownPoint& point : known.points) {
    if (point.chainPoint == j) return nullptr;
  }
  return &quality.points[at(j - 1)];
}

std::string RunReport::pointLabel(int j) const {
  std::string label;
  appendPointLabel(j, label);
  return label;
}

RunReport makeRunReport(const ChainState& chain, const RunFlags& flags, int row,
                        const AdjustmentResult& result, const QualitySettings& settings) {
  RunReport report;
  report.kind = {row, procedureDescription(row), result.fitted};
  report.known = knownDataOf(chain, flags, result);
  report.names = chain.na;
  PlanePoints points = adjustedPoints(chain, result);
  report.X = std::move(points.X);
  report.Y = std::move(points.Y);
  report.triangles = trianglesOf(chain, result.points);
  report.conditions = conditionsOf(result);
  report.precision = precisionOf(result);
  report.firstListedPoint = result.firstListedPoint;
  report.lastListedPoint = result.lastListedPoint;
  report.quality = {settings, checkClosures(chain, result, settings), pointPrecisions(chain, result)};
  return report;
}

RunReport makeRunReport(const RunDriver& driver, const QualitySettings& settings) {
  if (!driver.lastRunCompleted() || !driver.lastSelection()) {
    throw ChainError(kNoCompletedRunMessage);
  }
  return makeRunReport(driver.chain(), driver.flags(), *driver.lastSelection(),
                       driver.lastResult(), settings);
}

}  // namespace chainadj
