#include "quality/closure_checks.h"

#include <algorithm>
#include <cmath>

#include "state/constants.h"

namespace chainadj {
namespace {

constexpr double kLimitFactor = 2.0;  // a limit is twice the mean error

double squareSum(const CoefficientRow& row) {
  double sum = 0.0;
  for (double a : row) sum += a * a;
  return sum;
}

// The base mean error in units of the sixth decimal of log S, for a base of `metres`.
double logShare(double baseMeanErrorMillimetres, double metres) {
  if (!(metres > 0.0)) return 0.0;
  const double units = kRelativeErrorNumerator * baseMeanErrorMillimetres /
                       (kMillimetresPerMetre * metres);
  return units * units;
}

constexpr double kSecondsPerRadian = 206264.806;

bool isCoordinate(ConditionKind kind) { return kind == ConditionKind::X || kind == ConditionKind::Y; }

// A coordinate condition carries the chain from A along the start side Sa at the start azimuth
// Ta to the closing point B. An error of the typed Ta turns the chain about A, an error of the
// typed Sa scales it: B moves by mα·(−ΔY, ΔX)/ρ″ and by ms/Sa·(ΔX, ΔY), Δ = B − A. The known
// points are free of error, and so are a side and an azimuth derived from them (from C or E).
// The square of the shift in the closure's direction, millimetres squared.
double coordinateShare(ConditionKind kind, const ChainState& chain, const QualitySettings& s) {
  const double dx = chain.Xb - chain.Xa, dy = chain.Yb - chain.Ya;
  const bool typedAzimuth = chain.noC() && chain.noE();
  const bool typedSide = chain.noC() && chain.Sa > 0.0;
  const double turn = typedAzimuth ? s.azimuthMeanError / kSecondsPerRadian : 0.0;
  const double scale =
      typedSide ? s.baseMeanError / (kMillimetresPerMetre * chain.Sa) : 0.0;
  const double byTurn = (kind == ConditionKind::X ? -dy : dx) * turn * kMillimetresPerMetre;
  const double byScale = (kind == ConditionKind::X ? dx : dy) * scale * kMillimetresPerMetre;
  return byTurn * byTurn + byScale * byScale;
}

// From the row's units to the unit the closure is shown in.
double shownPerRowUnit(ConditionKind kind) {
  return isCoordinate(kind) ? kMillimetresPerMetre / kMetresToCoefficientScale : 1.0;
}

// What the known data add to the square of a condition's mean error, in the row's units.
double knownShare(ConditionKind kind, const ChainState& chain, const QualitySettings& s) {
  switch (kind) {
    case ConditionKind::Azimuth:
      return 2.0 * s.azimuthMeanError * s.azimuthMeanError;
    case ConditionKind::Side:
      return logShare(s.baseMeanError, chain.Sa) + logShare(s.baseMeanError, chain.Sb);
    case ConditionKind::X:
    case ConditionKind::Y:
      break;
  }
  const double rowPerShown = 1.0 / shownPerRowUnit(kind);
  return coordinateShare(kind, chain, s) * rowPerShown * rowPerShown;
}

}  // namespace

bool ClosureCheck::withinLimit() const { return std::fabs(closure) <= limit; }

const char* verdict(const ClosureCheck& check) {
  return check.withinLimit() ? kWithinLimitVerdict : kOverLimitVerdict;
}

ClosureReport checkClosures(const ChainState& chain, const AdjustmentResult& result,
                            const QualitySettings& settings) {
  ClosureReport report;
  double ww = 0.0;
  report.triangles.reserve(static_cast<std::size_t>(std::max(chain.n, 0)));
  for (int i = 1; i <= chain.n; ++i) {
    const double w = chain.w[static_cast<std::size_t>(i)];
    ww += w * w;
    report.triangles.push_back({i, {w, settings.grade.triangleLimit}});
  }
  std::stable_partition(report.triangles.begin(), report.triangles.end(),
                        [](const TriangleCheck& t) { return !t.check.withinLimit(); });
  report.angleMeanError = {std::sqrt(ww / (3.0 * chain.n)), settings.grade.angleMeanError};

  const double mBeta = settings.grade.angleMeanError;
  for (const Condition& condition : result.group.all()) {
    const double variance =
        mBeta * mBeta * squareSum(condition.a) + knownShare(condition.kind, chain, settings);
    const double limit = kLimitFactor * std::sqrt(variance) * shownPerRowUnit(condition.kind);
    report.conditions.push_back({condition.kind, {condition.shown, limit}});
  }
  return report;
}

}  // namespace chainadj
