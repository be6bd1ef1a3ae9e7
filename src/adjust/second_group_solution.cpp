#include "adjust/second_group_solution.h"

#include <cmath>

#include "adjust/adjustment_messages.h"
#include "state/chain_error.h"
#include "state/constants.h"
#include "state/display_format.h"

namespace chainadj {
namespace {

double dot(const CoefficientRow& left, const CoefficientRow& right) {
  double sum = 0.0;
  for (std::size_t k = 0; k < left.size(); ++k) sum = sum + left[k] * right[k];
  return sum;
}

const CoefficientRow& rowOf(const SecondGroup& group, int r) {
  return r <= group.conditions() ? group.all()[static_cast<std::size_t>(r - 1)].a
                                 : group.weightFunction();
}

}  // namespace

NormalMatrix normalMatrix(const SecondGroup& group) {
  const int rows = group.conditions() + 1;
  NormalMatrix n(group.conditions());
  for (int r = 1; r <= rows; ++r) {
    for (int c = r; c <= rows; ++c) {
      const double product = dot(rowOf(group, r), rowOf(group, c));
      n(r, c) = product;
      n(c, r) = product;
    }
  }
  return n;
}

double reciprocalWeight(double squareSumOfWeightFunction, double quadraticForm) {
  const double pinv = squareSumOfWeightFunction + quadraticForm;
  if (!std::isfinite(pinv)) throw ChainError(kNonFiniteNormalEquationsMessage);
  if (std::fabs(pinv) <= kNegligibleReciprocalWeightShare * squareSumOfWeightFunction) return 0.0;
  if (pinv < 0.0) throw ChainError(kNegativeReciprocalWeightMessage);
  return pinv;
}

SecondGroupSolution solveSecondGroup(const SecondGroup& group, Platform& platform) {
  const int r = group.conditions();
  NormalMatrix n = normalMatrix(group);
  NormalMatrix copy = n;
  const double q = scd(n, copy, r);

  SecondGroupSolution solution;
  solution.reciprocalWeight = reciprocalWeight(n(r + 1, r + 1), q);
  platform.setText(kReciprocalWeightBox, formatMask(solution.reciprocalWeight, "0.000000"));

  for (int i = 1; i <= r; ++i) n(i, r + 1) = group.all()[static_cast<std::size_t>(i - 1)].closure;
  reduceNormalEquations(n, r);
  solution.correlates = backSubstitute(n, r);
  return solution;
}

}  // namespace chainadj
