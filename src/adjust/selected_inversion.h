// Selected entries of the inverse of a sparse symmetric positive definite matrix N, from its
// factor P N P' = L D L' (Eigen's SimplicialLDLT, L unit lower triangular): every entry of N^-1
// on the pattern of L + L', which holds every entry that N has, and nothing else of the dense
// inverse. The Takahashi recurrences Z = D^-1 L^-1 + (I - L') Z give them column by column from
// the last: for i in the pattern of column j of L,
//   Z(i, j) = -sum over k in the pattern of column j of L(k, j) Z(k, i),
//   Z(j, j) = 1/d(j) - sum over k of L(k, j) Z(k, j),
// where every Z(k, i) needed lies in the pattern and in a later column. The cost is the sum over
// the columns of the square of their counts: linear in the length of a chain.
#pragma once

#include <Eigen/SparseCholesky>
#include <vector>

namespace chainadj {

using SparseFactor = Eigen::SimplicialLDLT<Eigen::SparseMatrix<double, Eigen::ColMajor, int>,
                                           Eigen::Lower, Eigen::AMDOrdering<int>>;

class SelectedInverse {
 public:
  explicit SelectedInverse(const SparseFactor& factor);

  // (N^-1)(i, j) of the unknowns i and j, which N couples (or i = j).
  double operator()(int i, int j) const;

 private:
  // Z at the permuted indices r, c: on the diagonal or in the pattern.
  double permuted(int r, int c) const;

  std::vector<int> permutedIndex_;  // of every unknown
  std::vector<int> outer_, inner_;  // the pattern of L, columns sorted by row
  std::vector<double> diagonal_, values_;
};

}  // namespace chainadj
