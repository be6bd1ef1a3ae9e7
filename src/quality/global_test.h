// The global test of an adjustment (the χ² test of the unit-weight variance): with r redundant
// observations, [pvv] their weighted square sum and σ0 the a-priori unit-weight mean error, the
// statistic r·m0²/σ0² = [pvv]/σ0² follows χ²(r) when the observations hold no blunder and σ0 is
// right. It passes when it lies between the χ² quantiles of the two-sided 95 % interval.
#pragma once

#include <optional>

namespace chainadj {

// The confidence of the two-sided interval.
inline constexpr double kGlobalTestConfidence = 0.95;

struct ChiSquaredBounds {
  double lower = 0, upper = 0;
};

// The quantiles (1 − confidence)/2 and (1 + confidence)/2 of χ² with `degreesOfFreedom` > 0.
ChiSquaredBounds chiSquaredBounds(int degreesOfFreedom, double confidence = kGlobalTestConfidence);

struct GlobalTest {
  int degreesOfFreedom = 0;  // r
  double value = 0;  // r·m0²/σ0²
  double lower = 0;  // the χ²(r) quantile of (1 − confidence)/2
  double upper = 0;  // the χ²(r) quantile of (1 + confidence)/2
  bool passed = false;
};

// The test of `pvv` (square seconds) with `redundancy` degrees of freedom against `sigma0`
// (seconds); nullopt when there is nothing to test (no redundancy, σ0 not above 0, or a [pvv]
// that is no finite number).
std::optional<GlobalTest> globalTest(double pvv, int redundancy, double sigma0);

// The unit-weight mean errors of an adjustment and its global test.
struct UnitWeightStatistics {
  double sigma0 = 0;     // 验前单位权中误差, seconds
  double m0 = 0;         // 验后单位权中误差 √([pvv]/r), seconds
  int redundancy = 0;    // r
  double pvv = 0;        // [pvv], square seconds
  std::optional<GlobalTest> test;
};

// The statistics of `pvv` and `redundancy` against `sigma0`; m0 is 0 without redundancy.
UnitWeightStatistics unitWeightStatistics(double pvv, int redundancy, double sigma0);

}  // namespace chainadj
