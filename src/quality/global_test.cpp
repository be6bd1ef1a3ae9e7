#include "quality/global_test.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <cmath>

namespace chainadj {

ChiSquaredBounds chiSquaredBounds(int degreesOfFreedom, double confidence) {
  const boost::math::chi_squared_distribution<double> chi2(static_cast<double>(degreesOfFreedom));
  const double tail = (1.0 - confidence) / 2.0;
  return {boost::math::quantile(chi2, tail), boost::math::quantile(chi2, 1.0 - tail)};
}

std::optional<GlobalTest> globalTest(double pvv, int redundancy, double sigma0) {
  if (redundancy < 1 || !(sigma0 > 0.0) || !std::isfinite(pvv) || pvv < 0.0) return std::nullopt;
  const ChiSquaredBounds bounds = chiSquaredBounds(redundancy);
  GlobalTest test;
  test.degreesOfFreedom = redundancy;
  test.value = pvv / (sigma0 * sigma0);
  test.lower = bounds.lower;
  test.upper = bounds.upper;
  test.passed = std::isfinite(test.value) && test.value >= test.lower && test.value <= test.upper;
  return test;
}

UnitWeightStatistics unitWeightStatistics(double pvv, int redundancy, double sigma0) {
  UnitWeightStatistics statistics;
  statistics.sigma0 = sigma0;
  statistics.redundancy = redundancy;
  statistics.pvv = pvv;
  if (redundancy > 0 && pvv >= 0.0) statistics.m0 = std::sqrt(pvv / redundancy);
  statistics.test = globalTest(pvv, redundancy, sigma0);
  return statistics;
}

}  // namespace chainadj
