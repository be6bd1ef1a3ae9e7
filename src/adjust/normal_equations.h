// The normal equations of the second group and their solution by Gauss reduction in the scheme
// of hand computation: the reduced coefficients are written over the upper triangle, there is no
// pivoting and no scaling. Every procedure obtains its correlates with the same reduction and
// back substitution that scd uses for the reciprocal weight of the weakest side.
#pragma once

#include <vector>

namespace chainadj {

// The normal equations of r conditions, indexed 0..r+1 in both directions as the procedures hold
// them: rows and columns 1..r the symmetric normal matrix (only the upper triangle, column >=
// row, is ever read), column r+1 the constant terms ([a f] or the closures), element
// (r+1, r+1) the square sum [f f] of the weight function. Row and column 0 are never read.
class NormalMatrix {
 public:
  explicit NormalMatrix(int conditions);

  int conditions() const { return conditions_; }
  double& operator()(int row, int column) { return cells_[index(row, column)]; }
  double operator()(int row, int column) const { return cells_[index(row, column)]; }

 private:
  std::size_t index(int row, int column) const {
    return static_cast<std::size_t>(row) * size_ + static_cast<std::size_t>(column);
  }

  int conditions_;
  std::size_t size_;
  std::vector<double> cells_;
};

// Reduction in place, order r: row 1 stays; for i = 2..r and j = i..r+1 in increasing order,
// g(i, j) -= g(k, i) * g(k, j) / g(k, k) for k = 1..i-1 in increasing order, with the rows
// before already reduced. A pivot whose magnitude is at most kDependentPivotShare of the
// diagonal element it started from means the conditions are dependent: ChainError, before any
// division by it.
void reduceNormalEquations(NormalMatrix& g, int order);

// Back substitution on a reduced matrix, order r: for i = r down to 1,
// x(i) = -(g(i, r+1) + sum over j = i+1..r of g(i, j) * x(j)) / g(i, i).
// The result is indexed 1..r (element 0 is unused), so that N x + b = 0.
std::vector<double> backSubstitute(const NormalMatrix& g, int order);

// Reduces g2, solves it by back substitution and returns the quadratic form
// q = sum over i = 1..ip of g1(i, ip+1) * x(i). g1 is only read. With g1 and g2 both holding
// [N | [a f]], q = -[a f]' N^-1 [a f].
double scd(const NormalMatrix& g1, NormalMatrix& g2, int ip);

}  // namespace chainadj
