#include "adjust/selected_inversion.h"

#include <algorithm>

namespace chainadj {
namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

}  // namespace

SelectedInverse::SelectedInverse(const SparseFactor& factor) {
  const auto& L = factor.matrixL().nestedExpression();
  const int size = static_cast<int>(L.cols());
  outer_.assign(L.outerIndexPtr(), L.outerIndexPtr() + size + 1);
  inner_.assign(L.innerIndexPtr(), L.innerIndexPtr() + outer_.back());
  const double* l = L.valuePtr();
  const Eigen::VectorXd& d = factor.vectorD();
  const auto& indices = factor.permutationP().indices();
  permutedIndex_.assign(indices.data(), indices.data() + indices.size());
  if (permutedIndex_.empty()) {  // the identity
    for (int i = 0; i < size; ++i) permutedIndex_.push_back(i);
  }
  diagonal_.assign(at(size), 0.0);
  values_.assign(inner_.size(), 0.0);
  for (int j = size - 1; j >= 0; --j) {
    const int begin = outer_[at(j)], end = outer_[at(j + 1)];
    for (int k = begin; k < end; ++k) {
      double sum = 0.0;
      for (int m = begin; m < end; ++m) sum += l[m] * permuted(inner_[at(m)], inner_[at(k)]);
      values_[at(k)] = -sum;
    }
    double sum = 0.0;
    for (int k = begin; k < end; ++k) sum += l[k] * values_[at(k)];
    diagonal_[at(j)] = 1.0 / d[j] - sum;
  }
}

double SelectedInverse::permuted(int r, int c) const {
  if (r == c) return diagonal_[at(r)];
  const int row = std::max(r, c), column = std::min(r, c);
  const auto begin = inner_.begin() + outer_[at(column)];
  const auto end = inner_.begin() + outer_[at(column + 1)];
  const auto found = std::lower_bound(begin, end, row);
  return found != end && *found == row ? values_[at(static_cast<int>(found - inner_.begin()))]
                                       : 0.0;
}

double SelectedInverse::operator()(int i, int j) const {
  return permuted(permutedIndex_[at(i)], permutedIndex_[at(j)]);
}

}  // namespace chainadj
