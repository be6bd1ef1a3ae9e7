// The reduction, back substitution and quadratic form of the normal equations.
#include "adjust/normal_equations.h"

#include <gtest/gtest.h>

#include "adjust/adjustment_messages.h"
#include "state/chain_error.h"

namespace chainadj {
namespace {

// [N | b] of order 2 with N = [[4, 2], [2, 3]] and b = (2, 1).
NormalMatrix smallSystem() {
  NormalMatrix g(2);
  g(1, 1) = 4; g(1, 2) = 2; g(1, 3) = 2;
  g(2, 1) = 2; g(2, 2) = 3; g(2, 3) = 1;
  return g;
}

TEST(NormalEquations, ReducesSolvesAndFormsTheQuadraticForm) {
  const NormalMatrix g1 = smallSystem();
  NormalMatrix g2 = smallSystem();
  const double q = scd(g1, g2, 2);

  EXPECT_DOUBLE_EQ(g2(2, 2), 2.0);  // 3 - 2*2/4
  EXPECT_DOUBLE_EQ(g2(2, 3), 0.0);  // 1 - 2*2/4
  const std::vector<double> x = backSubstitute(g2, 2);
  EXPECT_DOUBLE_EQ(x[1], -0.5);
  EXPECT_DOUBLE_EQ(x[2], 0.0);
  EXPECT_DOUBLE_EQ(q, -1.0);  // -b' N^-1 b
}

TEST(NormalEquations, LeavesRowOneAndTheFirstCopyUntouched) {
  const NormalMatrix g1 = smallSystem();
  NormalMatrix g2 = smallSystem();
  scd(g1, g2, 2);
  for (int c = 0; c <= 3; ++c) {
    EXPECT_EQ(g2(1, c), smallSystem()(1, c)) << "column " << c;
    for (int r = 0; r <= 3; ++r) EXPECT_EQ(g1(r, c), smallSystem()(r, c));
  }
  EXPECT_EQ(g2(2, 1), 2.0);  // the lower triangle is not written
}

TEST(NormalEquations, IgnoresTheLowerTriangleRowZeroColumnZeroAndTheLastRow) {
  const NormalMatrix clean = smallSystem();
  NormalMatrix cleanCopy = smallSystem();
  const double expected = scd(clean, cleanCopy, 2);

  NormalMatrix noisy = smallSystem();
  for (int k = 0; k <= 3; ++k) {
    noisy(0, k) = 1e6 + k;
    noisy(k, 0) = -7e5 - k;
    noisy(3, k) = 99.0 * k;
  }
  noisy(2, 1) = -123.0;
  NormalMatrix noisyCopy = noisy;
  EXPECT_EQ(scd(noisy, noisyCopy, 2), expected);
  EXPECT_EQ(backSubstitute(noisyCopy, 2), backSubstitute(cleanCopy, 2));
}

TEST(NormalEquations, SolvesAFirstOrderSystem) {
  NormalMatrix g(1);
  g(1, 1) = 8.0;
  g(1, 2) = 2.0;
  NormalMatrix copy = g;
  EXPECT_DOUBLE_EQ(scd(g, copy, 1), 2.0 * -0.25);
  EXPECT_DOUBLE_EQ(backSubstitute(copy, 1)[1], -0.25);
}

TEST(NormalEquations, SolvesAFourthOrderSystemSoThatNxPlusBIsZero) {
  const double n[4][4] = {{10, 2, -1, 3}, {2, 8, 1, 0.5}, {-1, 1, 6, -2}, {3, 0.5, -2, 9}};
  const double b[4] = {1.5, -2.0, 0.25, 3.0};
  NormalMatrix g(4);
  for (int r = 1; r <= 4; ++r) {
    for (int c = 1; c <= 4; ++c) g(r, c) = n[r - 1][c - 1];
    g(r, 5) = b[r - 1];
  }
  reduceNormalEquations(g, 4);
  const std::vector<double> x = backSubstitute(g, 4);
  for (int r = 0; r < 4; ++r) {
    double residual = b[r];
    for (int c = 0; c < 4; ++c) residual += n[r][c] * x[static_cast<std::size_t>(c + 1)];
    EXPECT_NEAR(residual, 0.0, 1e-13) << "row " << r + 1;
  }
}

TEST(NormalEquations, StopsOnDependentConditionsInsteadOfDividingByNoise) {
  // Row 3 is row 1 + row 2: the third pivot reduces to rounding noise.
  const double rows[3][4] = {{1, 2, 0, 1}, {0, 1, 3, -2}, {1, 3, 3, -1}};
  NormalMatrix g(3);
  for (int r = 1; r <= 3; ++r) {
    for (int c = 1; c <= 3; ++c) {
      double product = 0.0;
      for (int k = 0; k < 4; ++k) product += rows[r - 1][k] * rows[c - 1][k];
      g(r, c) = product;
    }
    g(r, 4) = 1.0;
  }
  NormalMatrix copy = g;
  try {
    scd(g, copy, 3);
    FAIL() << "dependent conditions were solved";
  } catch (const ChainError& error) {
    EXPECT_STREQ(error.what(), kDependentConditionsMessage);
  }
}

TEST(NormalEquations, StopsOnAnEmptyCondition) {
  NormalMatrix g(2);
  g(1, 1) = 0.0;  // a condition with no coefficients at all
  g(2, 2) = 5.0;
  NormalMatrix copy = g;
  EXPECT_THROW(scd(g, copy, 2), ChainError);
}

}  // namespace
}  // namespace chainadj
