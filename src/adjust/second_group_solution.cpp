#include "adjust/second_group_solution.h"

#include <cmath>

#include "adjust/adjustment_messages.h"
#include "state/chain_error.h"
#include "state/constants.h"
#include "state/form_fields.h"

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
  showValue(platform, box::kReciprocalWeight, solution.reciprocalWeight, kReciprocalWeightFormat);

  for (int i = 1; i <= r; ++i) n(i, r + 1) = group.all()[static_cast<std::size_t>(i - 1)].closure;
  reduceNormalEquations(n, r);
  solution.correlates = backSubstitute(n, r);
  return solution;
}

SecondGroupSolution solveTwoConditionsInClosedForm(const SecondGroup& group, Platform& platform) {
  const NormalMatrix n = normalMatrix(group);
  const double det = n(1, 1) * n(2, 2) - n(1, 2) * n(1, 2);
  if (!std::isfinite(det)) throw ChainError(kNonFiniteNormalEquationsMessage);
  if (!(std::fabs(det) > kDependentPivotShare * n(1, 1) * n(2, 2))) {
    throw ChainError(kDependentConditionsMessage);
  }
  const double e1 = (n(1, 2) * n(2, 3) - n(1, 3) * n(2, 2)) / det;
  const double e2 = (n(1, 2) * n(1, 3) - n(1, 1) * n(2, 3)) / det;

  SecondGroupSolution solution;
  solution.reciprocalWeight = reciprocalWeight(n(3, 3), e1 * n(1, 3) + e2 * n(2, 3));
  showValue(platform, box::kReciprocalWeight, solution.reciprocalWeight, kReciprocalWeightFormat);

  const double w1 = group.all()[0].closure, w2 = group.all()[1].closure;
  solution.correlates = {0.0, (w2 * n(1, 2) - w1 * n(2, 2)) / det,
                         (w1 * n(1, 2) - w2 * n(1, 1)) / det};
  return solution;
}

}  // namespace chainadj
