#include "adjust/closures.h"

#include <cmath>

#include "adjust/adjustment_messages.h"
#include "state/angles.h"
#include "state/chain_error.h"
#include "state/constants.h"

namespace chainadj {
namespace {

constexpr double kHalfCircle = 180.0;

double commonLogarithm(double value) { return std::log(value) / kLn10; }

}  // namespace

double computedClosingAzimuth(const ChainState& chain, const ChainPass& provisional,
                              ClosingAzimuth closing) {
  const double lastSide = provisional.T[static_cast<std::size_t>(chain.n + 1)];
  if (closing == ClosingAzimuth::AlongLastSide) return lastSide;
  return rangeRule(lastSide + chain.Qb + kHalfCircle);
}

double azimuthClosureSeconds(double computedAzimuth, double knownAzimuth) {
  return wrapHalfCircle(computedAzimuth - knownAzimuth) * kSecondsPerDegree;
}

double logSineSum(const ChainState& chain) {
  double sum = 0.0;
  for (int i = 1; i <= chain.n; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const double sineA = std::sin(chain.A[k] * chain.rho);
    const double sineB = std::sin(chain.B[k] * chain.rho);
    if (!(sineA > 0.0 && sineB > 0.0)) throw ChainError(nonPositiveSineMessage(i));
    sum = sum + (std::log(sineA) - std::log(sineB)) / kLn10;
  }
  return sum;
}

double sideClosureUnits(double startSide, double closingSide, double logSines) {
  if (!(startSide > 0.0)) throw ChainError(kStartSideNotPositiveMessage);
  if (!(closingSide > 0.0)) throw ChainError(kClosingSideNotPositiveMessage);
  return (commonLogarithm(startSide) + logSines - commonLogarithm(closingSide)) *
         kSixthDecimalUnits;
}

}  // namespace chainadj
