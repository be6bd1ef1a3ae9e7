// The normal equations N dx = g of the adjustment by coordinates. The unknowns are X and Y of the
// unknown points (unknown 2k and 2k+1 of the point's index k); N is held as its lower triangle in
// a sparse pattern built once from which points share an equation (the three vertices of a
// triangle, the two ends of an end equation), and every iteration adds the equations element by
// element into the same pattern.
#pragma once

#include <Eigen/SparseCore>
#include <array>
#include <vector>

#include "adjust/rigorous_equations.h"
#include "adjust/rigorous_network.h"

namespace chainadj {

class CoordinateNormals {
 public:
  using Matrix = Eigen::SparseMatrix<double, Eigen::ColMajor, int>;

  explicit CoordinateNormals(const RigorousNetwork& net);

  // N = 0, g = 0.
  void clear();
  // Adds the equations of one element, all over the same points, each with its misclosure
  // (observed minus computed) and its weight's square root (one over its mean error).
  void addElement(const Linearised* equations, const double* misclosures,
                  const double* inverseSigmas, int count);

  const Matrix& matrix() const { return n_; }
  const Eigen::VectorXd& rightHandSide() const { return g_; }
  int unknowns() const { return static_cast<int>(g_.size()); }

  // The unknown of X (0) or Y (1) of a chain point, -1 for a known point.
  int unknownOf(int point, int coordinate) const;
  // The index in the value array of N of the lower entry (max(i, j), min(i, j)).
  int position(int i, int j) const;

 private:
  const std::vector<int>& unknownOf_;
  Matrix n_;
  Eigen::VectorXd g_;
};

}  // namespace chainadj
