// The global test of an adjustment: the a-posteriori unit-weight mean error m0 against the
// a-priori σ0, r m0² / σ0² against the two-sided bounds of the χ² distribution with r degrees of
// freedom (the quantiles of 2.5 % and 97.5 % for a test at 95 %).
#pragma once

namespace chainadj {

inline constexpr double kGlobalTestConfidence = 0.95;

struct ChiSquaredBounds {
  double lower = 0, upper = 0;
};

// The quantiles (1 - confidence)/2 and (1 + confidence)/2 of χ² with `degreesOfFreedom` > 0.
ChiSquaredBounds chiSquaredBounds(int degreesOfFreedom, double confidence = kGlobalTestConfidence);

struct GlobalTest {
  int degreesOfFreedom = 0;  // r
  double value = 0;          // r m0² / σ0²
  double lower = 0, upper = 0;
  // Within the bounds. A chain without redundancy has nothing to test and passes.
  bool passed = true;
};

GlobalTest globalTest(int redundancy, double m0, double sigma0);

}  // namespace chainadj
