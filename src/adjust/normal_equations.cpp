#include "adjust/normal_equations.h"

#include <cmath>

#include "adjust/adjustment_messages.h"
#include "state/chain_error.h"
#include "state/constants.h"

namespace chainadj {
namespace {

void requireIndependentPivot(double pivot, double diagonalBeforeReduction) {
  if (!std::isfinite(pivot)) throw ChainError(kNonFiniteNormalEquationsMessage);
  if (!(std::fabs(pivot) > kDependentPivotShare * std::fabs(diagonalBeforeReduction))) {
    throw ChainError(kDependentConditionsMessage);
  }
}

void reduceRow(NormalMatrix& g, int i, int order) {
  for (int j = i; j <= order + 1; ++j) {
    double s = g(i, j);
    for (int k = 1; k <= i - 1; ++k) s = s - (g(k, i) * g(k, j)) / g(k, k);
    g(i, j) = s;
  }
}

}  // namespace

NormalMatrix::NormalMatrix(int conditions)
    : conditions_(conditions),
      size_(static_cast<std::size_t>(conditions) + 2),
      cells_(size_ * size_, 0.0) {}

void reduceNormalEquations(NormalMatrix& g, int order) {
  requireIndependentPivot(g(1, 1), g(1, 1));
  for (int i = 2; i <= order; ++i) {
    const double diagonalBeforeReduction = g(i, i);
    reduceRow(g, i, order);
    requireIndependentPivot(g(i, i), diagonalBeforeReduction);
  }
}

std::vector<double> backSubstitute(const NormalMatrix& g, int order) {
  std::vector<double> x(static_cast<std::size_t>(order) + 1, 0.0);
  for (int i = order; i >= 1; --i) {
    double s = g(i, order + 1);
    for (int j = i + 1; j <= order; ++j) s = s + g(i, j) * x[static_cast<std::size_t>(j)];
    x[static_cast<std::size_t>(i)] = -s / g(i, i);
  }
  return x;
}

double scd(const NormalMatrix& g1, NormalMatrix& g2, int ip) {
  reduceNormalEquations(g2, ip);
  const std::vector<double> x = backSubstitute(g2, ip);
  double q = 0.0;
  for (int i = 1; i <= ip; ++i) q = q + g1(i, ip + 1) * x[static_cast<std::size_t>(i)];
  return q;
}

}  // namespace chainadj
