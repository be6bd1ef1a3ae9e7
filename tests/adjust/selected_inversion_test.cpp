// The selected inverse from the sparse factor against the dense inverse of the same matrix.
#include "adjust/selected_inversion.h"

#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <random>
#include <vector>

namespace chainadj {
namespace {

// A band of points joined to their next two neighbours, two unknowns each, as a chain's normal
// matrix is, with a few long couplings (the route point of a fan), made positive definite.
Eigen::SparseMatrix<double> chainLikeMatrix(int points, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  const int size = 2 * points;
  Eigen::MatrixXd dense = Eigen::MatrixXd::Zero(size, size);
  const auto couple = [&](int p, int q) {
    for (int a = 0; a < 2; ++a) {
      for (int b = 0; b < 2; ++b) {
        const double v = value(random);
        dense(2 * p + a, 2 * q + b) += v;
        dense(2 * q + b, 2 * p + a) += v;
      }
    }
  };
  for (int p = 0; p < points; ++p) {
    for (int q = p + 1; q <= std::min(p + 2, points - 1); ++q) couple(p, q);
  }
  for (int q = 5; q < points; q += 7) couple(1, q);
  dense += (dense.cwiseAbs().rowwise().sum().maxCoeff() + 1.0) * Eigen::MatrixXd::Identity(size, size);
  const Eigen::MatrixXd lowerPart = dense.triangularView<Eigen::Lower>();
  return lowerPart.sparseView();
}

TEST(SelectedInverse, EqualsTheDenseInverseOnEveryEntryOfThePattern) {
  for (unsigned seed : {1u, 2u, 3u}) {
    const Eigen::SparseMatrix<double> lower = chainLikeMatrix(23, seed);
    SparseFactor factor(lower);
    ASSERT_EQ(factor.info(), Eigen::Success);
    const SelectedInverse selected(factor);
    const Eigen::MatrixXd lowerPart(lower);
    const Eigen::MatrixXd full = lowerPart + lowerPart.transpose() -
                                 Eigen::MatrixXd(lowerPart.diagonal().asDiagonal());
    const Eigen::MatrixXd inverse = full.inverse();
    int checked = 0;
    for (int j = 0; j < lower.outerSize(); ++j) {
      for (Eigen::SparseMatrix<double>::InnerIterator it(lower, j); it; ++it) {
        const int i = static_cast<int>(it.row());
        EXPECT_NEAR(selected(i, j), inverse(i, j), 1e-12 * inverse.cwiseAbs().maxCoeff())
            << i << ", " << j;
        EXPECT_DOUBLE_EQ(selected(i, j), selected(j, i));
        ++checked;
      }
    }
    EXPECT_GT(checked, 200);
  }
}

}  // namespace
}  // namespace chainadj
