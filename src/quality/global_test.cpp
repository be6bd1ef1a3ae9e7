#include "quality/global_test.h"

#include <boost/math/distributions/chi_squared.hpp>

namespace chainadj {

ChiSquaredBounds chiSquaredBounds(int degreesOfFreedom, double confidence) {
  const boost::math::chi_squared distribution(degreesOfFreedom);
  const double tail = (1.0 - confidence) / 2.0;
  return {boost::math::quantile(distribution, tail), boost::math::quantile(distribution, 1.0 - tail)};
}

GlobalTest globalTest(int redundancy, double m0, double sigma0) {
  GlobalTest test;
  if (redundancy <= 0 || !(sigma0 > 0.0)) return test;
  test.degreesOfFreedom = redundancy;
  test.value = redundancy * (m0 / sigma0) * (m0 / sigma0);
  const ChiSquaredBounds bounds = chiSquaredBounds(redundancy);
  test.lower = bounds.lower;
  test.upper = bounds.upper;
  test.passed = test.value >= test.lower && test.value <= test.upper;
  return test;
}

}  // namespace chainadj
